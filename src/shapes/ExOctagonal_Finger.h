#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

class CExOctagonal_Finger : public CExDrawObj {
public:
    CExOctagonal_Finger() : CExDrawObj("OCTAGONAL_FINGER") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dHeight = 0.0;
    double dWidth = 0.0;
};
