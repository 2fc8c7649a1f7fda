#include "cell/ExPanel_Cell.h"

#include "cell/ExPackage_Pin.h"
#include "cell/ExPlacement_Outline.h"
#include "cell/ExTooling_Hole.h"
#include "graphics/ExAssembly_Outline.h"
#include "graphics/ExFiducial.h"
#include "graphics/ExGraphic.h"
#include "graphics/ExMC_SolderMask.h"
#include "graphics/ExMounting_Hole.h"
#include "graphics/ExObstruct.h"
#include "graphics/ExPlacement_Keepout.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "graphics/ExSolder_Paste.h"
#include "layout/ExRouteObj.h"
#include "layout/ExText.h"

CExPanel_Cell::CExPanel_Cell()
    : pGraphicArray(new CExGraphicArray), pObstructArray(new CExObstructArray),
      pAssemblyOutlineArray(new CExAssembly_OutlineArray), pTextArray(new CExTextArray),
      pSilkScreenOutlineArray(new CExSilkScreen_OutlineArray), pPlacementKeepout(new CExPlacement_Keepout),
      pPlacementOutline(new CExPlacement_Outline), pPinArray(new CExPackage_PinArray),
      pToolingHoleArray(new CExTooling_HoleArray), pSolderMaskArray(new CExMC_SolderMaskArray),
      pSolderPasteArray(new CExSolder_PasteArray), pRouteObjArray(new CExRouteObjArray),
      pFiducialArray(new CExFiducialArray), pMountingHoleArray(new CExMounting_HoleArray)
{
}

CExPanel_Cell::~CExPanel_Cell()
{
    delete pGraphicArray;
    delete pObstructArray;
    delete pAssemblyOutlineArray;
    delete pTextArray;
    delete pSilkScreenOutlineArray;
    delete pPlacementKeepout;
    delete pPlacementOutline;
    delete pPinArray;
    delete pToolingHoleArray;
    delete pSolderMaskArray;
    delete pSolderPasteArray;
    delete pRouteObjArray;
    delete pFiducialArray;
    delete pMountingHoleArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPanel_Cell);

CExPanel_CellArray::~CExPanel_CellArray() = default;
