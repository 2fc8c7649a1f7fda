#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "expedition_fwd.h"

namespace ex {

// The members a package cell shares with a reusable circuit, in their order.
class PackageCellMembers {
public:
    PackageCellMembers();
    PackageCellMembers(const PackageCellMembers&) = delete;
    PackageCellMembers& operator=(const PackageCellMembers&) = delete;
    virtual ~PackageCellMembers();

    std::string sMountType;
    CExGraphicArray* pGraphicArray;
    CExObstructArray* pObstructArray;
    CExAssembly_OutlineArray* pAssemblyOutlineArray;
    CExTextArray* pTextArray;
    CExSilkScreen_OutlineArray* pSilkScreenOutlineArray;
    CExPlacement_KeepoutArray* pPlacementKeepoutArray;
    CExPlacement_OutlineArray* pPlacementOutlineArray;
    CExPackage_PinArray* pPinArray;
    CExMounting_HoleArray* pMountingHoleArray;
    CExMC_SolderMaskArray* pSolderMaskArray;
    CExSolder_PasteArray* pSolderPasteArray;
    CExRouteObjArray* pRouteObjArray;
    std::vector<std::string> saHistory;
    int nNumberLayers = 0;
    std::vector<std::string> saComponentOptions;
    std::string sFacement;
    std::string sPlacementLyr;
    double dRotation = 0.0;
    CExPtArray aXY;  // the cell's origin, not scaled
    std::string sPackageGroup;
    std::string sCellName;
    std::string sDescription;
    CExFiducialArray* pFiducialArray;
};

} // namespace ex
