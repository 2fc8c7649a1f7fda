#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

class CExRadius_Corner_Rectangle : public CExDrawObj {
public:
    CExRadius_Corner_Rectangle() : CExDrawObj("RADIUS_CORNER_RECTANGLE") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dRadius = 0.0;
    double dHeight = 0.0;
    double dWidth = 0.0;
};
