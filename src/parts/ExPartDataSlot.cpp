#include "parts/ExPartDataSlot.h"

#include <string_view>

#include "parts/PartGrouping.h"

namespace {

using S = CExPartDataSlot;

// Lines below the group's line, by their own rows; other lines are passed
// over without logging.
constexpr auto kSlotLines = ex::MakeTable<S>({
    {"....SLOTID", ex::StoreInteger<&S::nSlotId>},
    {"....SWAPCODE", ex::StoreInteger<&S::nSwapCode>},
    {"....PINNUMBER", ex::AppendValue<&S::saPinNumbers>},
});

void ReadSlotGroup(S& slot, ex::Group& group, const ex::ParseContext& ctx)
{
    slot.sSlotSwapGroup = ex::KeywordValue(ex::TrimView(group[0]));
    ex::ParseEachLine(kSlotLines, slot, group, 1, ctx, ex::kPassOver);
}

constexpr auto kSlotGroups = ex::MakeTable<S>({
    {"...SLOT_SWAPGROUP", ReadSlotGroup},
});

} // namespace

CExPartDataSlot::~CExPartDataSlot() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPartDataSlot);

CExPartDataSlotArray::~CExPartDataSlotArray() { DeleteAll(); }

void CExPartDataSlot::SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                                       CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    ex::ParseGroup(kSlotGroups, *this, saGroup, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0});
}

void CExPartDataSlotArray::SetSlotData_InPart(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                                              CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    // The "..SLOTS" line names nothing.
    ex::AddNamedRecord(*this, saSubRecord, nullptr, ex::kPartGroupRule,
                                        ex::ToSubRecords({sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0}));
}
