#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

// Also made for the square four-web thermal keyword.
class CExF4_web_round_thermal_45 : public CExDrawObj {
public:
    CExF4_web_round_thermal_45() : CExDrawObj("F4_WEB_ROUND_THERMAL_45") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dThermalClearance = 0.0;
    double dTieLegWidth = 0.0;
    double dDiameter = 0.0;
};
