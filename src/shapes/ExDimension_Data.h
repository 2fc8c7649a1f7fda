#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "shapes/ExDrawObj.h"

class CExDimension_Data : public CExDrawObj {
public:
    CExDimension_Data() : CExDrawObj("DIMENSION_DATA") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    std::string sTraverse;
    std::string sFeature;
    CExPt ptDimensionPoint;
    CExPt ptCenterPoint;
    CExPt ptEndPoint;
    CExPt ptStartPoint;
    int nDimensionedBy = 0;
};
