#pragma once

#include <string>
#include <vector>

#include "shapes/ExDrawObj.h"

// Also made for RECT and any other word that begins with it.
class CExRectangle : public CExDrawObj {
public:
    CExRectangle() : CExDrawObj("RECTANGLE") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    double dHeight = 0.0;
    double dWidth = 0.0;
};
