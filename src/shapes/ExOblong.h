#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

class CExOblong : public CExDrawObj {
public:
    CExOblong() : CExDrawObj("OBLONG") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dHeight = 0.0;
    double dWidth = 0.0;
};
