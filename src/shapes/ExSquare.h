#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

class CExSquare : public CExDrawObj {
public:
    CExSquare() : CExDrawObj("SQUARE") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dWidth = 0.0;
};
