#pragma once

// Member tables of the layout classes: nets and their route objects, planes,
// texts, teardrops and the layout's own records.

#include <tuple>

#include "core/MemberTable.h"
#include "layout/ExConductive_Area.h"
#include "layout/ExContour.h"
#include "layout/ExDesignRule_Area.h"
#include "layout/ExLayout.h"
#include "layout/ExNet.h"
#include "layout/ExPanel_Board_Instance.h"
#include "layout/ExPlane_ActualShape.h"
#include "layout/ExPlane_Lyr.h"
#include "layout/ExPlane_Net.h"
#include "layout/ExRouteObj.h"
#include "layout/ExTearDrop_Data.h"
#include "layout/ExTearDrop_Template.h"
#include "layout/ExTestPoint.h"
#include "layout/ExText.h"
#include "layout/ExTrace.h"
#include "layout/ExVia.h"

namespace ex {

template <>
struct ModelTable<CExRouteObj> : TableDefaults {
    EX_CLASS(CExRouteObj);
    using Subclasses = TypeList<CExTrace, CExVia, CExTestPoint, CExConductive_Area>;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(sType)};
};

template <>
struct ModelTable<CExText> : TableDefaults {
    EX_CLASS(CExText);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(dRotation), EX_MEMBER(sText), EX_MEMBER(sTextValue), EX_MEMBER(sTextType), EX_MEMBER(ptsPosition),
        EX_MEMBER(sUserLayer), EX_MEMBER(sTextLayer), EX_MEMBER(sHorzJust), EX_MEMBER(sVertJust),
        EX_MEMBER(dHeight), EX_MEMBER(dWidth), EX_MEMBER(dStrokeWidth), EX_MEMBER(sFont), EX_MEMBER(sTextOptions),
        EX_MEMBER(sDisplayCondition), EX_MEMBER(pTextArray), EX_MEMBER(sReserved1), EX_MEMBER(sReserved2),
        EX_MEMBER(saStringPairNames), EX_MEMBER(saStringPairValues)};
};

template <>
struct ModelTable<CExTearDrop_Template> : TableDefaults {
    EX_CLASS(CExTearDrop_Template);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(nTemplateId), EX_MEMBER(dRatio), EX_MEMBER(dPreferred), EX_MEMBER(dSecondary),
        EX_MEMBER(dMaxPadToVia), EX_MEMBER(dMaxMvoToMvo), EX_MEMBER(dMaxMvoToPad), EX_MEMBER(dMaxMvoToVia),
        EX_MEMBER(sExcludeFixedLockedTraces), EX_MEMBER(sExcludeRectanglePads), EX_MEMBER(sExcludeSmdPads)};
};

template <>
struct ModelTable<CExTearDrop_Data> : TableDefaults {
    EX_CLASS(CExTearDrop_Data);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(nTemplateId), EX_MEMBER(dRatio), EX_MEMBER(dPreferred), EX_MEMBER(dSecondary),
        EX_MEMBER(dMaxPadToVia), EX_MEMBER(dMaxMvoToMvo), EX_MEMBER(dMaxMvoToPad),
        EX_MEMBER(sExcludeFixedLockedTraces), EX_MEMBER(sExcludeRectanglePads), EX_MEMBER(sExcludeSmdPads),
        EX_MEMBER(sRouteLayer)};
};

template <>
struct ModelTable<CExTrace> : TableDefaults {
    EX_CLASS(CExTrace);
    using Base = CExRouteObj;
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pShape), EX_MEMBER(saTraceOptions), EX_MEMBER(sRouteLayer), EX_MEMBER(sNetName),
        EX_MEMBER(pTextArray), EX_MEMBER(sDisplayCondition), EX_MEMBER(saMarkerPids)};
};

template <>
struct ModelTable<CExVia> : TableDefaults {
    EX_CLASS(CExVia);
    using Base = CExRouteObj;
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pLayerPair), EX_MEMBER(saViaOptions), EX_MEMBER(sPadstackName), EX_MEMBER(ptsPosition),
        EX_MEMBER(pTearDropDataArray), EX_MEMBER(sNetName)};
};

template <>
struct ModelTable<CExTestPoint> : TableDefaults {
    EX_CLASS(CExTestPoint);
    using Base = CExRouteObj;
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pShape), EX_MEMBER(saReserved), EX_MEMBER(sFacement), EX_MEMBER(sTestPointName),
        EX_MEMBER(sReserved), EX_MEMBER(sPadstackName), EX_MEMBER(sRotation), EX_MEMBER(pTextArray),
        EX_MEMBER(ptsPosition)};
};

template <>
struct ModelTable<CExConductive_Area> : TableDefaults {
    EX_CLASS(CExConductive_Area);
    using Base = CExRouteObj;
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(nPlaneId), EX_MEMBER(sHatchPattern), EX_MEMBER(dHatchWidth), EX_MEMBER(dHatchSpacing),
        EX_MEMBER(pShape), EX_MEMBER(saAreaOptions), EX_MEMBER(sRouteLayer), EX_MEMBER(sNetName),
        EX_MEMBER(sDisplayCondition)};
};

template <>
struct ModelTable<CExNet> : TableDefaults {
    EX_CLASS(CExNet);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sNetName), EX_MEMBER(pRouteObjArray), EX_MEMBER(saMarkerPids)};
};

template <>
struct ModelTable<CExPlane_ActualShape> : TableDefaults {
    EX_CLASS(CExPlane_ActualShape);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pShapeArray), EX_MEMBER(pTieLegArray), EX_MEMBER(pHatchArray), EX_MEMBER(nPlaneId)};
};

template <>
struct ModelTable<CExPlane_Net> : TableDefaults {
    EX_CLASS(CExPlane_Net);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sNetName), EX_MEMBER(pPlaneShapes), EX_MEMBER(pActualShapeArray)};
};

template <>
struct ModelTable<CExPlane_Lyr> : TableDefaults {
    EX_CLASS(CExPlane_Lyr);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sPlaneLayer), EX_MEMBER(sPlaneType), EX_MEMBER(pPlaneNetArray)};
};

template <>
struct ModelTable<CExPanel_Board_Instance> : TableDefaults {
    EX_CLASS(CExPanel_Board_Instance);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sInstanceName), EX_MEMBER(sJobName), EX_MEMBER(sVariantName), EX_MEMBER(sLocalPath),
        EX_MEMBER(sSourcePath), EX_MEMBER(ptsInstanceOrigin), EX_MEMBER(dRotation), EX_MEMBER(sFacement),
        EX_MEMBER(ptsReserved), EX_MEMBER(pShapeArray)};
};

template <>
struct ModelTable<CExDesignRule_Area> : TableDefaults {
    EX_CLASS(CExDesignRule_Area);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sRouteLayer), EX_MEMBER(pTextArray), EX_MEMBER(pShapeArray), EX_MEMBER(sAreaName)};
};

template <>
struct ModelTable<CExContour> : TableDefaults {
    EX_CLASS(CExContour);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pTextArray), EX_MEMBER(pShapeArray), EX_MEMBER(sComponent), EX_MEMBER(sDirection),
        EX_MEMBER(sHole), EX_MEMBER(sContourName)};
};

template <>
struct ModelTable<CExLayout> : TableDefaults {
    EX_CLASS(CExLayout);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sVersion), EX_MEMBER(sUnits), EX_MEMBER(sJobName), EX_MEMBER(sDate),
        EX_MEMBER(pMechanicalCellArray), EX_MEMBER(pDimensionSettingArray), EX_MEMBER(pDimensionArray),
        EX_MEMBER(pGraphicArray), EX_MEMBER(pObstructArray), EX_MEMBER(ptsBoardOrigin), EX_MEMBER(ptsNcDrillOrigin),
        EX_MEMBER(pPackageCellArray), EX_MEMBER(pGeneratedDataArray), EX_MEMBER(pUpgApsDataArray),
        EX_MEMBER(pTextArray), EX_MEMBER(pSilkScreenOutlineArray), EX_MEMBER(pMountingHoleArray),
        EX_MEMBER(pFiducialArray), EX_MEMBER(pAssemblyOutlineShapes), EX_MEMBER(pAssemblyOutlineTexts),
        EX_MEMBER(pRouteOutline), EX_MEMBER(pBoardOutline), EX_MEMBER(pDrawingCellArray), EX_MEMBER(pNetArray),
        EX_MEMBER(pSolderMaskArray), EX_MEMBER(pTearDropTemplateArray), EX_MEMBER(pPanelCellArray),
        EX_MEMBER(pPanelOutline), EX_MEMBER(pPanelBorder), EX_MEMBER(ptsPanelOrigin),
        EX_MEMBER(pPanelBoardInstanceArray), EX_MEMBER(pContourArray), EX_MEMBER(pPlacementKeepoutArray),
        EX_MEMBER(pDesignRuleAreaArray), EX_MEMBER(pDrillGraphic), EX_MEMBER(pSolderPasteArray),
        EX_MEMBER(pReUseCircuitCellArray), EX_MEMBER(pTestFixtureOutline), EX_MEMBER(pManufacturingOutline),
        EX_MEMBER(pToolingHoleArray), EX_MEMBER(dScale), EX_MEMBER(pIgnoreLog), EX_MEMBER(pNotUsedLog)};
};

} // namespace ex
