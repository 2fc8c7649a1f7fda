#include "netclass/ExNetProp.h"

#include <string_view>

#include "core/ExTemporary.h"
#include "core/StringOps.h"

namespace {

constexpr std::string_view kNetNameKeyword = ".NETNAME ";

// A property line without its dots and quotes; dots inside values go too.
std::string PropertyText(std::string_view line)
{
    std::string s = ex::WithoutChar(line, '.');
    ex::RemoveChar(s, '"');
    return s;
}

} // namespace

CExNetProp::~CExNetProp() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExNetProp);

CExNetPropArray::~CExNetPropArray() = default;

void CExNetPropArray::SetData(std::vector<std::string>& saRecord)
{
    if (saRecord.empty())
        return;
    std::string sFirst = ex::ToUpper(ex::TrimView(saRecord[0]));
    if (!ex::StartsWith(sFirst, kNetNameKeyword)) {
        saRecord.clear();
        return;
    }
    auto* pProp = new CExNetProp;
    Add(pProp);
    ex::Replace(sFirst, kNetNameKeyword, "");
    ex::RemoveChar(sFirst, '"');
    pProp->sNetName = std::move(sFirst);

    for (std::size_t i = 1; i < saRecord.size(); ++i) {
        const std::string_view line = ex::TrimView(saRecord[i]);
        if (ex::LeadingDots(line) >= 3) {
            // Deeper lines are not properties: the whole record is logged as
            // it was, and what was read so far stays.
            pIgnoreLog->SetIgnoreArray(saRecord, std::string(line), 1);
            return;
        }
        std::string sText = PropertyText(line);
        const std::size_t blank = sText.find(' ');
        if (blank == std::string::npos) {
            pProp->saPropNames.push_back(std::move(sText));
            pProp->saPropValues.emplace_back();
        } else {
            pProp->saPropNames.push_back(sText.substr(0, blank));
            sText.erase(0, blank + 1);
            pProp->saPropValues.push_back(std::move(sText));
        }
    }
    saRecord.clear();
}

CExNetProp* CExNetPropArray::GetNetProp(std::string sNetName) const
{
    for (CExNetProp* p : *this)
        if (p && p->sNetName == sNetName)
            return p;
    return nullptr;
}
