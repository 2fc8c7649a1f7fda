#pragma once

#include <string>
#include <vector>

#include "core/ExTemporary.h"

// Placeholder until padstack library files are modelled.
class CExPadstack_Library {
public:
    CExPadstack_Library();
    CExPadstack_Library(const CExPadstack_Library&) = delete;
    CExPadstack_Library& operator=(const CExPadstack_Library&) = delete;
    virtual ~CExPadstack_Library();

    void SetData(std::vector<std::string>& saRecord, std::string sUnitsString);

    std::string sVersion;
    std::string sUnits;
    std::string sOutputInDbUnits;
    std::string sPadstackTechnology;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
    double dScale = 1.0;
};
