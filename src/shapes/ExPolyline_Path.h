#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "shapes/ExDrawObj.h"

class CExPolyline_Path : public CExDrawObj {
public:
    CExPolyline_Path() : CExDrawObj("POLYLINE_PATH") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    CExPtArray aXY;
    double dWidth = 0.0;
    double dDisplayWidth = 0.0;
    int bDisplayWidth = 0;  // 1 once a display width was read, even 0
};
