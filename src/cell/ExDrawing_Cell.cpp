#include "cell/ExDrawing_Cell.h"

CExDrawing_Cell::CExDrawing_Cell()
    : pGraphicArray(new CExGraphicArray), pDrillGraphicArray(new CExDrawObjArray), pTextArray(new CExTextArray),
      pSilkScreenOutlineArray(new CExSilkScreen_OutlineArray), pPlacementOutline(new CExPlacement_Outline),
      pSolderMaskArray(new CExMC_SolderMaskArray), pSolderPasteArray(new CExSolder_PasteArray),
      pObstructArray(new CExObstructArray), pRouteObjArray(new CExRouteObjArray)
{
}

CExDrawing_Cell::~CExDrawing_Cell()
{
    delete pGraphicArray;
    delete pDrillGraphicArray;
    delete pTextArray;
    delete pSilkScreenOutlineArray;
    delete pPlacementOutline;
    delete pSolderMaskArray;
    delete pSolderPasteArray;
    delete pObstructArray;
    delete pRouteObjArray;
}
