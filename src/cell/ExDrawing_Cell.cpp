#include "cell/ExDrawing_Cell.h"

#include "cell/ExPlacement_Outline.h"
#include "graphics/ExGraphic.h"
#include "graphics/ExMC_SolderMask.h"
#include "graphics/ExObstruct.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "graphics/ExSolder_Paste.h"
#include "layout/ExRouteObj.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"

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

EXLOAD_INSTANTIATE_PTR_ARRAY(CExDrawing_Cell);

CExDrawing_CellArray::~CExDrawing_CellArray() = default;
