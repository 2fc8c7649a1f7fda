#include "core/ExTemporary.h"

#include <iterator>
#include <string_view>

#include "core/StringOps.h"

CExTemporary::~CExTemporary() { saLines.clear(); }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExTemporary);

CExTemporaryArray::~CExTemporaryArray() { DeleteAll(); }

void CExTemporaryArray::Log(std::vector<std::string>& saRecord, std::string&& sContext, int nFlag)
{
    if (saRecord.empty())
        return;
    auto* entry = new CExTemporary;
    const std::string_view first = ex::TrimView(saRecord.front());
    entry->nLevel = ex::KeywordLevel(first);
    entry->sContext = std::move(sContext);
    entry->nFlag = nFlag;
    const std::size_t blank = first.find(' ');
    if (blank == std::string_view::npos) {
        entry->sKeyword.assign(first);
    } else {
        entry->sKeyword.assign(first.substr(0, blank));
        entry->sValue.assign(ex::TrimView(first.substr(blank + 1)));
    }
    if (saRecord.size() > 1)
        entry->saLines.assign(std::make_move_iterator(saRecord.begin() + 1), std::make_move_iterator(saRecord.end()));
    Add(entry);
    saRecord.clear();
}

// An ignore entry needs at least a keyword line; callers always pass one.
void CExTemporaryArray::SetIgnoreArray(std::vector<std::string>& saRecord, std::string sContext, int nFlag)
{
    Log(saRecord, std::move(sContext), nFlag);
}

void CExTemporaryArray::SetNoUsedArray(std::vector<std::string>& saRecord, std::string sContext, int nFlag)
{
    Log(saRecord, std::move(sContext), nFlag);
}
