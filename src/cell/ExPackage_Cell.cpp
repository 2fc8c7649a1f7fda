#include "cell/ExPackage_Cell.h"

#include "graphics/ExDimension.h"
#include "graphics/ExDimension_Setting.h"

CExPackage_Cell::CExPackage_Cell()
    : pDimensionSettingArray(new CExDimension_SettingArray), pDimensionArray(new CExDimensionArray)
{
}

CExPackage_Cell::~CExPackage_Cell()
{
    delete pDimensionSettingArray;
    delete pDimensionArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPackage_Cell);

CExPackage_CellArray::~CExPackage_CellArray() = default;
