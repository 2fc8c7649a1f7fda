#include "parts/ExPartDataSymbol.h"

#include <string_view>

#include "core/KeywordTable.h"
#include "core/GroupTable.h"
#include "parts/PartGrouping.h"

namespace {

enum class SymbolGroup { Default, SwapGroup };

constexpr ex::KeywordRow<SymbolGroup> kSymbolGroups[] = {
    {"...DEFAULT", SymbolGroup::Default},
    {"...SYMBOL_SWAPGROUP", SymbolGroup::SwapGroup},
};

} // namespace

CExPartDataSymbol::~CExPartDataSymbol() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPartDataSymbol);

CExPartDataSymbolArray::~CExPartDataSymbolArray() { DeleteAll(); }

void CExPartDataSymbol::SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                                         CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    const auto* row = ex::FindRowOrLog(kSymbolGroups, saGroup, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0});
    if (!row)
        return;
    if (row->action == SymbolGroup::Default) {
        bDefault = 1;
    } else {
        sSymbolSwapGroup = ex::KeywordValue(ex::TrimView(saGroup[0]));
        // Other lines of the group are passed over without logging.
        for (std::size_t i = 1; i < saGroup.size(); ++i) {
            const std::string_view line = ex::TrimView(saGroup[i]);
            if (ex::StartsWithNoCase(line, "....PINNAME"))
                saPinNames.push_back(ex::KeywordValue(line));
        }
    }
    saGroup.clear();
}

void CExPartDataSymbolArray::SetSymbolData_InPart(std::vector<std::string>& saSubRecord, std::string sContext,
                                                  int nFlag, CExTemporaryArray* pIgnoreLog,
                                                  CExTemporaryArray* pNotUsedLog)
{
    ex::SetElementData_InPart(*this, saSubRecord, &CExPartDataSymbol::sSymbolName, sContext, nFlag, pIgnoreLog,
                              pNotUsedLog);
}

CExPartDataSymbol* CExPartDataSymbolArray::GetSymbolDataOfSameSlotName(std::string sSlotName) const
{
    for (CExPartDataSymbol* p : *this)
        if (p && p->sSymbolSwapGroup == sSlotName)
            return p;
    return nullptr;
}
