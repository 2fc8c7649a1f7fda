#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "shapes/ExDrawObj.h"

class CExCircle_Path : public CExDrawObj {
public:
    CExCircle_Path() : CExDrawObj("CIRCLE_PATH") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dRadius = 0.0;
    CExPtArray aXY;
    double dWidth = 0.0;
};
