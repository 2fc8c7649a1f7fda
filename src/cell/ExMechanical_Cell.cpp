#include "cell/ExMechanical_Cell.h"

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
