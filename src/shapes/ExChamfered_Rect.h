#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

class CExChamfered_Rect : public CExDrawObj {
public:
    CExChamfered_Rect() : CExDrawObj("CHAMFERED_RECT") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dHeight = 0.0;
    double dWidth = 0.0;
    double dChamfer = 0.0;
};
