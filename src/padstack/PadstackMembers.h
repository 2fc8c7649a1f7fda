#pragma once

// Member tables of the padstack library classes.

#include <tuple>

#include "core/MemberTable.h"
#include "padstack/ExCustom_Drill_Symbol.h"
#include "padstack/ExHole.h"
#include "padstack/ExInternalPadLayerPAD.h"
#include "padstack/ExPad.h"
#include "padstack/ExPadstack.h"
#include "padstack/ExPadstack_Library.h"

namespace ex {

template <>
struct ModelTable<CExPad> : TableDefaults {
    EX_CLASS(CExPad);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(aOffsets), EX_MEMBER(sName), EX_MEMBER(pDrawObjArray)};
};

template <>
struct ModelTable<CExHole> : TableDefaults {
    EX_CLASS(CExHole);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sCustomSymbol), EX_MEMBER(sName), EX_MEMBER(pDrawObj), EX_MEMBER(dPositiveTolerance),
        EX_MEMBER(dNegativeTolerance)};
};

template <>
struct ModelTable<CExInternalPadLayerPAD> : TableDefaults {
    EX_CLASS(CExInternalPadLayerPAD);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(sOverridePad), EX_MEMBER(nLayer)};
};

template <>
struct ModelTable<CExPadstack> : TableDefaults {
    EX_CLASS(CExPadstack);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sClearancePad), EX_MEMBER(sName), EX_MEMBER(sPadstackType), EX_MEMBER(sTopPad),
        EX_MEMBER(sTopSoldermaskPad), EX_MEMBER(sTopSolderpastePad), EX_MEMBER(sBottomPad),
        EX_MEMBER(sBottomSoldermaskPad), EX_MEMBER(sBottomSolderpastePad), EX_MEMBER(sInternalPad),
        EX_MEMBER(sThermalPad), EX_MEMBER(sHoleName), EX_MEMBER(saUserLyr), EX_MEMBER(saUserLyrPad),
        EX_MEMBER(saUserLyrDisplayCondition), EX_MEMBER(aOffsets), EX_MEMBER(pInternalPadLayerArray)};
};

template <>
struct ModelTable<CExCustom_Drill_Symbol> : TableDefaults {
    EX_CLASS(CExCustom_Drill_Symbol);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(pDrawObjArray), EX_MEMBER(sName)};
};

template <>
struct ModelTable<CExPadstack_Library> : TableDefaults {
    EX_CLASS(CExPadstack_Library);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pCustomDrillSymbolArray), EX_MEMBER(pPadstackArray), EX_MEMBER(pHoleArray), EX_MEMBER(pPadArray),
        EX_MEMBER(sVersion), EX_MEMBER(sUnits), EX_MEMBER(sOutputInDbUnits), EX_MEMBER(sPadstackTechnology),
        EX_MEMBER(pIgnoreLog), EX_MEMBER(pNotUsedLog), EX_MEMBER(dScale)};
};

} // namespace ex
