#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "shapes/ExDrawObj.h"

class CExPolyarc_Path : public CExDrawObj {
public:
    CExPolyarc_Path() : CExDrawObj("POLYARC_PATH") {}

    void SetData(std::vector<std::string>& record, std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);

    CExPtArray aXYR;
    double dWidth = 0.0;
};
