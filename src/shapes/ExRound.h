#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

class CExRound : public CExDrawObj {
public:
    CExRound() : CExDrawObj("ROUND") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dDiameter = 0.0;
};
