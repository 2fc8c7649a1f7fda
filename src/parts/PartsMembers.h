#pragma once

// Member tables of the parts database classes.

#include <tuple>

#include "core/MemberTable.h"
#include "parts/ExLibPart.h"
#include "parts/ExPartData.h"
#include "parts/ExPartDataSlot.h"
#include "parts/ExPartDataSwapGrp.h"
#include "parts/ExPartDataSymbol.h"

namespace ex {

template <>
struct ModelTable<CExPartDataSlot> : TableDefaults {
    EX_CLASS(CExPartDataSlot);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sSlotSwapGroup), EX_MEMBER(nSlotId), EX_MEMBER(nSwapCode), EX_MEMBER(saPinNumbers)};
};

template <>
struct ModelTable<CExPartDataSwapGrp> : TableDefaults {
    EX_CLASS(CExPartDataSwapGrp);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(sSwapGroup), EX_MEMBER(saSwapIds)};
};

template <>
struct ModelTable<CExPartDataSymbol> : TableDefaults {
    EX_CLASS(CExPartDataSymbol);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sSymbolName), EX_MEMBER(bDefault), EX_MEMBER(sSymbolSwapGroup), EX_MEMBER(saPinNames)};
};

template <>
struct ModelTable<CExPartData> : TableDefaults {
    EX_CLASS(CExPartData);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sNumber), EX_MEMBER(sName), EX_MEMBER(bDefault), EX_MEMBER(sDesc), EX_MEMBER(sRefPrefix),
        EX_MEMBER(sLabel), EX_MEMBER(sTopCell), EX_MEMBER(sBottomCell), EX_MEMBER(saAltCells), EX_MEMBER(sModified),
        EX_MEMBER(saProps), EX_MEMBER(pSwapGrpArray), EX_MEMBER(pSymbolArray), EX_MEMBER(pSlotArray)};
};

template <>
struct ModelTable<CExLibPart> : TableDefaults {
    EX_CLASS(CExLibPart);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pPartDataArray), EX_MEMBER(sUnits), EX_MEMBER(pIgnoreLog), EX_MEMBER(pNotUsedLog)};
};

} // namespace ex
