#include "netclass/ExNetClass.h"

#include <string_view>

#include "core/StringOps.h"

namespace {

// Tested as written, not upper-cased: the keyword is also cut out as written.
constexpr std::string_view kClassKeyword = ".NETCLASS ";
constexpr std::string_view kNetNamesKeyword = "..NETNAMES ";
// The class every net belongs to unless told otherwise; not kept.
constexpr std::string_view kDefaultClass = "\"(Default)\"";

} // namespace

CExNetClass::~CExNetClass() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExNetClass);

CExNetClassArray::~CExNetClassArray() = default;

void CExNetClassArray::SetData(std::vector<std::string>& saRecord)
{
    std::size_t first = 0;
    if (saRecord.size() > 2) {
        // The reader may keep one or two lines of a pending record in front.
        if (!ex::StartsWith(saRecord[first], kClassKeyword))
            ++first;
        if (!ex::StartsWith(saRecord[first], kClassKeyword))
            ++first;
    }
    if (saRecord.size() < first + 2) {
        saRecord.clear();
        return;
    }
    std::string& sClassLine = saRecord[first];
    ex::Trim(sClassLine);
    if (ex::Find(sClassLine, kDefaultClass) < 0) {
        auto* pClass = new CExNetClass;
        Add(pClass);
        pClass->sName = std::move(sClassLine);
        ex::Replace(pClass->sName, kClassKeyword, "");
        ex::RemoveChar(pClass->sName, '"');
        pClass->sNetNames = std::move(saRecord[first + 1]);
        ex::Replace(pClass->sNetNames, kNetNamesKeyword, "");
        ex::RemoveChar(pClass->sNetNames, '"');
    }
    saRecord.clear();
}

CExNetClassArray* CExNetClassArray::GetNetClass(std::string sNetNames)
{
    auto* pFound = new CExNetClassArray;
    std::size_t kept = 0;
    for (CExNetClass* p : m_data) {
        if (p && p->sNetNames == sNetNames)
            pFound->Add(p);
        else
            m_data[kept++] = p;
    }
    m_data.resize(kept);
    return pFound;
}
