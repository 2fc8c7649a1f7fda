#pragma once

#include <string>
#include <vector>

#include "cell/CellArray.h"
#include "core/ExPt.h"
#include "expedition_fwd.h"

// A mechanical part without pins: a mounting hole, a bracket.
class CExMechanical_Cell {
public:
    CExMechanical_Cell();
    CExMechanical_Cell(const CExMechanical_Cell&) = delete;
    CExMechanical_Cell& operator=(const CExMechanical_Cell&) = delete;
    virtual ~CExMechanical_Cell();

    CExPlacement_Keepout* pPlacementKeepout = nullptr;  // the last keepout group's; null before one
    CExSilkScreen_OutlineArray* pSilkScreenOutlineArray;
    CExMC_SolderMaskArray* pSolderMaskArray;
    CExSolder_PasteArray* pSolderPasteArray;
    CExMounting_HoleArray* pMountingHoleArray;
    CExFiducialArray* pFiducialArray;
    CExObstructArray* pObstructArray;
    std::vector<std::string> saHistory;
    CExTextArray* pTextArray;
    CExPlacement_Outline* pPlacementOutline;  // the last outline group's
    CExGraphicArray* pGraphicArray;
    CExAssembly_OutlineArray* pAssemblyOutlineArray;
    std::string sPackageGroup;
    std::vector<std::string> saComponentOptions;
    std::string sFacement;
    std::string sPlacementLyr;
    double dRotation = 0.0;
    CExPtArray aXY;  // not scaled
    int nNumberLayers = 0;
    std::string sCellName;
    std::string sDescription;
    CExRouteObjArray* pRouteObjArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExMechanical_Cell);

class CExMechanical_CellArray : public ex::CellArray<CExMechanical_Cell> {
public:
    ~CExMechanical_CellArray() override;

    // The first cell of this name, or null.
    CExMechanical_Cell* GetMC_Cell(std::string name) const { return FindCell(name); }
};
