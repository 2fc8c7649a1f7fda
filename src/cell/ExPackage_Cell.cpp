#include "cell/ExPackage_Cell.h"

CExPackage_Cell::CExPackage_Cell()
    : pDimensionSettingArray(new CExDimension_SettingArray), pDimensionArray(new CExDimensionArray)
{
}

CExPackage_Cell::~CExPackage_Cell()
{
    delete pDimensionSettingArray;
    delete pDimensionArray;
}
