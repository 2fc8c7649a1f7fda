#pragma once

// Member tables of the cell classes and the cell library.

#include <tuple>

#include "core/MemberTable.h"
#include "cell/ExCell_Library.h"
#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPackage_Pin.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExPlacement_Outline.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "cell/ExTooling_Hole.h"
#include "cell/PackageCellMembers.h"

namespace ex {

template <>
struct ModelTable<CExPlacement_Outline> : TableDefaults {
    EX_CLASS(CExPlacement_Outline);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(dHeight), EX_MEMBER(pDrawObjArray), EX_MEMBER(sDisplayCondition), EX_MEMBER(sSide),
        EX_MEMBER(pTextArray)};
};

template <>
struct ModelTable<CExTooling_Hole> : TableDefaults {
    EX_CLASS(CExTooling_Hole);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sPadstackName), EX_MEMBER(dRotation), EX_MEMBER(aXY), EX_MEMBER(sToolingHoleOptions)};
};

template <>
struct ModelTable<CExPackage_Pin> : TableDefaults {
    EX_CLASS(CExPackage_Pin);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(saPinOptions), EX_MEMBER(dRotation), EX_MEMBER(sPadstackName), EX_MEMBER(sNetName),
        EX_MEMBER(aXY), EX_MEMBER(sPinNumber), EX_MEMBER(pTextArray), EX_MEMBER(sIsModifiedPadstack),
        EX_MEMBER(saPadName), EX_MEMBER(saPadLyr), EX_MEMBER(saUserPadName), EX_MEMBER(saUserLyr),
        EX_MEMBER(pTearDropDataArray)};
};

template <>
struct ModelTable<ex::PackageCellMembers> : TableDefaults {
    EX_CLASS(ex::PackageCellMembers);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sMountType), EX_MEMBER(pGraphicArray), EX_MEMBER(pObstructArray),
        EX_MEMBER(pAssemblyOutlineArray), EX_MEMBER(pTextArray), EX_MEMBER(pSilkScreenOutlineArray),
        EX_MEMBER(pPlacementKeepoutArray), EX_MEMBER(pPlacementOutlineArray), EX_MEMBER(pPinArray),
        EX_MEMBER(pMountingHoleArray), EX_MEMBER(pSolderMaskArray), EX_MEMBER(pSolderPasteArray),
        EX_MEMBER(pRouteObjArray), EX_MEMBER(saHistory), EX_MEMBER(nNumberLayers), EX_MEMBER(saComponentOptions),
        EX_MEMBER(sFacement), EX_MEMBER(sPlacementLyr), EX_MEMBER(dRotation), EX_MEMBER(aXY),
        EX_MEMBER(sPackageGroup), EX_MEMBER(sCellName), EX_MEMBER(sDescription), EX_MEMBER(pFiducialArray)};
};

template <>
struct ModelTable<CExPackage_Cell> : TableDefaults {
    EX_CLASS(CExPackage_Cell);
    using Base = ex::PackageCellMembers;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(pDimensionSettingArray), EX_MEMBER(pDimensionArray)};
};

template <>
struct ModelTable<CExReUseCircuit_Cell> : TableDefaults {
    EX_CLASS(CExReUseCircuit_Cell);
    using Base = ex::PackageCellMembers;
    static constexpr auto kMembers = std::tuple{};
};

template <>
struct ModelTable<CExPanel_Cell> : TableDefaults {
    EX_CLASS(CExPanel_Cell);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sPanelType), EX_MEMBER(pGraphicArray), EX_MEMBER(pObstructArray),
        EX_MEMBER(pAssemblyOutlineArray), EX_MEMBER(pTextArray), EX_MEMBER(pSilkScreenOutlineArray),
        EX_MEMBER(pPlacementKeepout), EX_MEMBER(pPlacementOutline), EX_MEMBER(pPinArray),
        EX_MEMBER(pToolingHoleArray), EX_MEMBER(pSolderMaskArray), EX_MEMBER(pSolderPasteArray),
        EX_MEMBER(pRouteObjArray), EX_MEMBER(pFiducialArray), EX_MEMBER(saHistory), EX_MEMBER(nNumberLayers),
        EX_MEMBER(saComponentOptions), EX_MEMBER(sFacement), EX_MEMBER(sPlacementLyr), EX_MEMBER(dRotation),
        EX_MEMBER(aXY), EX_MEMBER(sPackageGroup), EX_MEMBER(sCellName), EX_MEMBER(sDescription),
        EX_MEMBER(pMountingHoleArray)};
};

template <>
struct ModelTable<CExMechanical_Cell> : TableDefaults {
    EX_CLASS(CExMechanical_Cell);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pPlacementKeepout), EX_MEMBER(pSilkScreenOutlineArray), EX_MEMBER(pSolderMaskArray),
        EX_MEMBER(pSolderPasteArray), EX_MEMBER(pMountingHoleArray), EX_MEMBER(pFiducialArray),
        EX_MEMBER(pObstructArray), EX_MEMBER(saHistory), EX_MEMBER(pTextArray), EX_MEMBER(pPlacementOutline),
        EX_MEMBER(pGraphicArray), EX_MEMBER(pAssemblyOutlineArray), EX_MEMBER(sPackageGroup),
        EX_MEMBER(saComponentOptions), EX_MEMBER(sFacement), EX_MEMBER(sPlacementLyr), EX_MEMBER(dRotation),
        EX_MEMBER(aXY), EX_MEMBER(nNumberLayers), EX_MEMBER(sCellName), EX_MEMBER(sDescription),
        EX_MEMBER(pRouteObjArray)};
};

template <>
struct ModelTable<CExDrawing_Cell> : TableDefaults {
    EX_CLASS(CExDrawing_Cell);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pGraphicArray), EX_MEMBER(sCellName), EX_MEMBER(aXY), EX_MEMBER(dRotation),
        EX_MEMBER(saComponentOptions), EX_MEMBER(pDrillGraphicArray), EX_MEMBER(pTextArray),
        EX_MEMBER(pSilkScreenOutlineArray), EX_MEMBER(pPlacementOutline), EX_MEMBER(saHistory),
        EX_MEMBER(pSolderMaskArray), EX_MEMBER(pSolderPasteArray), EX_MEMBER(pObstructArray),
        EX_MEMBER(pRouteObjArray), EX_MEMBER(nNumberLayers)};
};

template <>
struct ModelTable<CExCell_Library> : TableDefaults {
    EX_CLASS(CExCell_Library);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pPackageCellArray), EX_MEMBER(pMechanicalCellArray), EX_MEMBER(pDrawingCellArray),
        EX_MEMBER(pPanelCellArray), EX_MEMBER(pReUseCircuitCellArray), EX_MEMBER(sVersion),
        EX_MEMBER(sOutputInDbUnits), EX_MEMBER(sUnits), EX_MEMBER(dScale), EX_MEMBER(pIgnoreLog),
        EX_MEMBER(pNotUsedLog)};
};

} // namespace ex
