#include "cell/PackageCellMembers.h"

#include "cell/ExPackage_Pin.h"
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

namespace ex {

PackageCellMembers::PackageCellMembers()
    : pGraphicArray(new CExGraphicArray), pObstructArray(new CExObstructArray),
      pAssemblyOutlineArray(new CExAssembly_OutlineArray), pTextArray(new CExTextArray),
      pSilkScreenOutlineArray(new CExSilkScreen_OutlineArray), pPlacementKeepoutArray(new CExPlacement_KeepoutArray),
      pPlacementOutlineArray(new CExPlacement_OutlineArray), pPinArray(new CExPackage_PinArray),
      pMountingHoleArray(new CExMounting_HoleArray), pSolderMaskArray(new CExMC_SolderMaskArray),
      pSolderPasteArray(new CExSolder_PasteArray), pRouteObjArray(new CExRouteObjArray),
      pFiducialArray(new CExFiducialArray)
{
}

PackageCellMembers::~PackageCellMembers()
{
    delete pGraphicArray;
    delete pObstructArray;
    delete pAssemblyOutlineArray;
    delete pTextArray;
    delete pSilkScreenOutlineArray;
    delete pPlacementKeepoutArray;
    delete pPlacementOutlineArray;
    delete pPinArray;
    delete pMountingHoleArray;
    delete pSolderMaskArray;
    delete pSolderPasteArray;
    delete pRouteObjArray;
    delete pFiducialArray;
}

} // namespace ex
