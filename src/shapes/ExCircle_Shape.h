#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "shapes/ExDrawObj.h"

class CExCircle_Shape : public CExDrawObj {
public:
    CExCircle_Shape() : CExDrawObj("CIRCLE_SHAPE") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    std::vector<std::string> saShapeOptions;
    CExPtArray aXY;
    double dRadius = 0.0;
};
