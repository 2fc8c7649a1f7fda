#pragma once

#include "cell/CellArray.h"
#include "cell/PackageCellMembers.h"

// The footprint of a part: pins, outlines, masks, texts and copper, and its
// dimensions.
class CExPackage_Cell : public ex::PackageCellMembers {
public:
    CExPackage_Cell();
    ~CExPackage_Cell() override;

    CExDimension_SettingArray* pDimensionSettingArray;
    CExDimensionArray* pDimensionArray;
};

class CExPackage_CellArray : public ex::CellArray<CExPackage_Cell> {};
