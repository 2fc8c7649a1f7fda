#pragma once

#include <string>
#include <vector>

#include "cell/CellArray.h"
#include "core/ExPt.h"
#include "expedition_fwd.h"

// A drawing: graphics, drill graphics, texts and one placement outline that
// gathers every outline group.
class CExDrawing_Cell {
public:
    CExDrawing_Cell();
    CExDrawing_Cell(const CExDrawing_Cell&) = delete;
    CExDrawing_Cell& operator=(const CExDrawing_Cell&) = delete;
    virtual ~CExDrawing_Cell();

    CExGraphicArray* pGraphicArray;
    std::string sCellName;
    CExPtArray aXY;  // not scaled
    double dRotation = 0.0;
    std::vector<std::string> saComponentOptions;
    CExDrawObjArray* pDrillGraphicArray;
    CExTextArray* pTextArray;
    CExSilkScreen_OutlineArray* pSilkScreenOutlineArray;
    CExPlacement_Outline* pPlacementOutline;
    std::vector<std::string> saHistory;
    CExMC_SolderMaskArray* pSolderMaskArray;
    CExSolder_PasteArray* pSolderPasteArray;
    CExObstructArray* pObstructArray;
    CExRouteObjArray* pRouteObjArray;
    int nNumberLayers = 0;
};

EXLOAD_EXTERN_PTR_ARRAY(CExDrawing_Cell);

class CExDrawing_CellArray : public ex::CellArray<CExDrawing_Cell> {
public:
    ~CExDrawing_CellArray() override;
};
