#include "parts/ExPartDataSymbol.h"

#include <string_view>

#include "parts/PartGrouping.h"

namespace {

using Y = CExPartDataSymbol;

void SetDefault(Y& symbol, ex::Group&, const ex::ParseContext&) { symbol.bDefault = 1; }

// Other lines of the group are passed over without logging.
void ReadSwapGroup(Y& symbol, ex::Group& group, const ex::ParseContext&)
{
    symbol.sSymbolSwapGroup = ex::KeywordValue(ex::TrimView(group[0]));
    for (std::size_t i = 1; i < group.size(); ++i) {
        const std::string_view line = ex::TrimView(group[i]);
        if (ex::StartsWithNoCase(line, "....PINNAME"))
            symbol.saPinNames.push_back(ex::KeywordValue(line));
    }
}

constexpr auto kSymbolGroups = ex::MakeTable<Y>({
    {"...DEFAULT", SetDefault},
    {"...SYMBOL_SWAPGROUP", ReadSwapGroup},
});

} // namespace

CExPartDataSymbol::~CExPartDataSymbol() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPartDataSymbol);

CExPartDataSymbolArray::~CExPartDataSymbolArray() { DeleteAll(); }

void CExPartDataSymbol::SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                                         CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    ex::ParseGroup(kSymbolGroups, *this, saGroup, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0});
}

void CExPartDataSymbolArray::SetSymbolData_InPart(std::vector<std::string>& saSubRecord, std::string sContext,
                                                  int nFlag, CExTemporaryArray* pIgnoreLog,
                                                  CExTemporaryArray* pNotUsedLog)
{
    ex::AddNamedRecord(
        *this, saSubRecord, &CExPartDataSymbol::sSymbolName, ex::kPartGroupRule,
        ex::ToSubRecords({sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0}));
}

CExPartDataSymbol* CExPartDataSymbolArray::GetSymbolDataOfSameSlotName(std::string sSlotName) const
{
    for (CExPartDataSymbol* p : *this)
        if (p && p->sSymbolSwapGroup == sSlotName)
            return p;
    return nullptr;
}
