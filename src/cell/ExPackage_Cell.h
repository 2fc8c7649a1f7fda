#pragma once

#include "cell/CellArray.h"
#include "cell/PackageCellMembers.h"
#include "expedition_fwd.h"

// The footprint of a part: pins, outlines, masks, texts and copper, and its
// dimensions.
class CExPackage_Cell : public ex::PackageCellMembers {
public:
    CExPackage_Cell();
    ~CExPackage_Cell() override;

    CExDimension_SettingArray* pDimensionSettingArray;
    CExDimensionArray* pDimensionArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPackage_Cell);

class CExPackage_CellArray : public ex::CellArray<CExPackage_Cell> {
public:
    ~CExPackage_CellArray() override;
};
