#include "cell/ExMechanical_Cell.h"

#include "cell/ExPlacement_Outline.h"
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

CExMechanical_Cell::CExMechanical_Cell()
    : pSilkScreenOutlineArray(new CExSilkScreen_OutlineArray), pSolderMaskArray(new CExMC_SolderMaskArray),
      pSolderPasteArray(new CExSolder_PasteArray), pMountingHoleArray(new CExMounting_HoleArray),
      pFiducialArray(new CExFiducialArray), pObstructArray(new CExObstructArray), pTextArray(new CExTextArray),
      pPlacementOutline(new CExPlacement_Outline), pGraphicArray(new CExGraphicArray),
      pAssemblyOutlineArray(new CExAssembly_OutlineArray), pRouteObjArray(new CExRouteObjArray)
{
}

CExMechanical_Cell::~CExMechanical_Cell()
{
    delete pPlacementKeepout;
    delete pSilkScreenOutlineArray;
    delete pSolderMaskArray;
    delete pSolderPasteArray;
    delete pMountingHoleArray;
    delete pFiducialArray;
    delete pObstructArray;
    delete pTextArray;
    delete pPlacementOutline;
    delete pGraphicArray;
    delete pAssemblyOutlineArray;
    delete pRouteObjArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExMechanical_Cell);

CExMechanical_CellArray::~CExMechanical_CellArray() = default;
