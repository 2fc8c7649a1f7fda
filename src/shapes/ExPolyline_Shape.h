#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "shapes/ExDrawObj.h"

class CExPolyline_Shape : public CExDrawObj {
public:
    CExPolyline_Shape() : CExDrawObj("POLYLINE_SHAPE") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    std::vector<std::string> saShapeOptions;
    CExPtArray aXY;
};
