#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

// sShapeType keeps the spelling DOUNT: hosts compare against it.
class CExRoundDonut : public CExDrawObj {
public:
    CExRoundDonut() : CExDrawObj("ROUND_DOUNT") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dDiameter = 0.0;
    double dThermalClearance = 0.0;
};
