#pragma once

#include <string>
#include <vector>

#include "cell/CellArray.h"
#include "core/ExPt.h"
#include "expedition_fwd.h"

// A panel: its type, one keepout, one placement outline and tooling holes
// besides the usual graphics.
class CExPanel_Cell {
public:
    CExPanel_Cell();
    CExPanel_Cell(const CExPanel_Cell&) = delete;
    CExPanel_Cell& operator=(const CExPanel_Cell&) = delete;
    virtual ~CExPanel_Cell();

    std::string sPanelType;
    CExGraphicArray* pGraphicArray;
    CExObstructArray* pObstructArray;
    CExAssembly_OutlineArray* pAssemblyOutlineArray;
    CExTextArray* pTextArray;
    CExSilkScreen_OutlineArray* pSilkScreenOutlineArray;
    CExPlacement_Keepout* pPlacementKeepout;  // every keepout group reads into it
    CExPlacement_Outline* pPlacementOutline;  // the last outline group's
    CExPackage_PinArray* pPinArray;
    CExTooling_HoleArray* pToolingHoleArray;
    CExMC_SolderMaskArray* pSolderMaskArray;
    CExSolder_PasteArray* pSolderPasteArray;
    CExRouteObjArray* pRouteObjArray;
    CExFiducialArray* pFiducialArray;
    std::vector<std::string> saHistory;
    int nNumberLayers = 0;
    std::vector<std::string> saComponentOptions;
    std::string sFacement;
    std::string sPlacementLyr;
    double dRotation = 0.0;
    CExPtArray aXY;  // not scaled
    std::string sPackageGroup;
    std::string sCellName;
    std::string sDescription;
    CExMounting_HoleArray* pMountingHoleArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPanel_Cell);

class CExPanel_CellArray : public ex::CellArray<CExPanel_Cell> {
public:
    ~CExPanel_CellArray() override;
};
