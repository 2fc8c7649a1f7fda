#include "parts/ExPartDataSlot.h"

#include <string_view>

#include "core/KeywordTable.h"
#include "core/GroupTable.h"
#include "parts/PartGrouping.h"

namespace {

enum class SlotGroup { SwapGroup };

constexpr ex::KeywordRow<SlotGroup> kSlotGroups[] = {
    {"...SLOT_SWAPGROUP", SlotGroup::SwapGroup},
};

enum class SlotLine { SlotId, SwapCode, PinNumber };

constexpr ex::KeywordRow<SlotLine> kSlotLines[] = {
    {"....SLOTID", SlotLine::SlotId},
    {"....SWAPCODE", SlotLine::SwapCode},
    {"....PINNUMBER", SlotLine::PinNumber},
};

} // namespace

CExPartDataSlot::~CExPartDataSlot() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPartDataSlot);

CExPartDataSlotArray::~CExPartDataSlotArray() { DeleteAll(); }

void CExPartDataSlot::SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                                       CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    if (!ex::FindRowOrLog(kSlotGroups, saGroup, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0}))
        return;
    sSlotSwapGroup = ex::KeywordValue(ex::TrimView(saGroup[0]));
    // Lines of other keywords are passed over without logging.
    for (std::size_t i = 1; i < saGroup.size(); ++i) {
        const std::string_view line = ex::TrimView(saGroup[i]);
        const auto* row = ex::MatchKeyword(kSlotLines, line);
        if (!row)
            continue;
        switch (row->action) {
        case SlotLine::SlotId:
            nSlotId = ex::Atoi(ex::KeywordValue(line));
            break;
        case SlotLine::SwapCode:
            nSwapCode = ex::Atoi(ex::KeywordValue(line));
            break;
        case SlotLine::PinNumber:
            saPinNumbers.push_back(ex::KeywordValue(line));
            break;
        }
    }
    saGroup.clear();
}

void CExPartDataSlotArray::SetSlotData_InPart(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                                              CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    // The "..SLOTS" line names nothing.
    ex::SetElementData_InPart<CExPartDataSlot>(*this, saSubRecord, nullptr, sContext, nFlag, pIgnoreLog,
                                               pNotUsedLog);
}
