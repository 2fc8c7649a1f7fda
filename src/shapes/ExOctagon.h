#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

// Also made for the elongated octagon keyword.
class CExOctagon : public CExDrawObj {
public:
    CExOctagon() : CExDrawObj("OCTAGON") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dHeight = 0.0;
    double dWidth = 0.0;
};
