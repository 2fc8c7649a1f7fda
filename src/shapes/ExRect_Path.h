#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "shapes/ExDrawObj.h"

class CExRect_Path : public CExDrawObj {
public:
    CExRect_Path() : CExDrawObj("RECT_PATH") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    CExPtArray aXY;
    double dWidth = 0.0;
};
