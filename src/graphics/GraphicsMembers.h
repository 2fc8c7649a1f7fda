#pragma once

// Member tables of the graphic records and dimensions.

#include <tuple>

#include "core/MemberTable.h"
#include "graphics/ExAssembly_Outline.h"
#include "graphics/ExDimension.h"
#include "graphics/ExDimension_Setting.h"
#include "graphics/ExFiducial.h"
#include "graphics/ExGFX_Common.h"
#include "graphics/ExGraphic.h"
#include "graphics/ExMC_SolderMask.h"
#include "graphics/ExMounting_Hole.h"
#include "graphics/ExObstruct.h"
#include "graphics/ExPlacement_Keepout.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "graphics/ExSolder_Paste.h"

namespace ex {

template <>
struct ModelTable<CExGFX_Common> : TableDefaults {
    EX_CLASS(CExGFX_Common);
    static constexpr auto kMembers = std::tuple{};
};

template <>
struct ModelTable<CExAssembly_Outline> : TableDefaults {
    EX_CLASS(CExAssembly_Outline);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pDrawObjArray), EX_MEMBER(sSide), EX_MEMBER(sDisplayCondition), EX_MEMBER(pTextArray),
        EX_MEMBER(pGfxCommonArray)};
};

template <>
struct ModelTable<CExSilkScreen_Outline> : TableDefaults {
    EX_CLASS(CExSilkScreen_Outline);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pDrawObjArray), EX_MEMBER(sSide), EX_MEMBER(sDisplayCondition), EX_MEMBER(pTextArray)};
};

template <>
struct ModelTable<CExMC_SolderMask> : TableDefaults {
    EX_CLASS(CExMC_SolderMask);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sSide), EX_MEMBER(pDrawObjArray), EX_MEMBER(sDisplayCondition), EX_MEMBER(pTextArray)};
};

template <>
struct ModelTable<CExSolder_Paste> : TableDefaults {
    EX_CLASS(CExSolder_Paste);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pDrawObjArray), EX_MEMBER(sSide), EX_MEMBER(sDisplayCondition)};
};

template <>
struct ModelTable<CExPlacement_Keepout> : TableDefaults {
    EX_CLASS(CExPlacement_Keepout);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pDrawObjArray), EX_MEMBER(dHeight), EX_MEMBER(sRouteLyr), EX_MEMBER(sDisplayCondition)};
};

template <>
struct ModelTable<CExMounting_Hole> : TableDefaults {
    EX_CLASS(CExMounting_Hole);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sNetName), EX_MEMBER(sPadstack), EX_MEMBER(dRotation), EX_MEMBER(ptXY), EX_MEMBER(pLayerPair),
        EX_MEMBER(pTextArray)};
};

template <>
struct ModelTable<CExFiducial> : TableDefaults {
    EX_CLASS(CExFiducial);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(ptXY), EX_MEMBER(dRotation), EX_MEMBER(sFacement), EX_MEMBER(sFiducialOptions),
        EX_MEMBER(sPadstack), EX_MEMBER(sSide)};
};

template <>
struct ModelTable<CExObstruct> : TableDefaults {
    EX_CLASS(CExObstruct);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pDrawObj), EX_MEMBER(sRouteLyr), EX_MEMBER(sKeywordValue), EX_MEMBER(pTextArray),
        EX_MEMBER(sDisplayCondition), EX_MEMBER(sMetalizationPin), EX_MEMBER(sActivation)};
};

template <>
struct ModelTable<CExGraphic> : TableDefaults {
    EX_CLASS(CExGraphic);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pDrawObj), EX_MEMBER(sUserLyr), EX_MEMBER(pTextArray), EX_MEMBER(sDisplayCondition),
        EX_MEMBER(pGfxCommonArray)};
};

template <>
struct ModelTable<CExDimension> : TableDefaults {
    EX_CLASS(CExDimension);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pGraphicArray), EX_MEMBER(pTextArray), EX_MEMBER(pAssemblyOutlineArray),
        EX_MEMBER(sDimensionType), EX_MEMBER(nDimensionSettingsId)};
};

template <>
struct ModelTable<CExDimension_Setting> : TableDefaults {
    EX_CLASS(CExDimension_Setting);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(nSettingsId), EX_MEMBER(sLayerName), EX_MEMBER(sUnits), EX_MEMBER(nPrecision),
        EX_MEMBER(sPositiveTolerance), EX_MEMBER(sNegativeTolerance), EX_MEMBER(sLeadingZero),
        EX_MEMBER(sTrailingZeros), EX_MEMBER(sCommaForDecimal), EX_MEMBER(sIncludeUnits), EX_MEMBER(sLineStyle),
        EX_MEMBER(dLineWidth), EX_MEMBER(sTerminatorStyle), EX_MEMBER(dTerminatorHeight),
        EX_MEMBER(dTerminatorWidth), EX_MEMBER(sTextJustification), EX_MEMBER(dStackedTextDistance),
        EX_MEMBER(dExtensionGap), EX_MEMBER(sOrientation)};
};

} // namespace ex
