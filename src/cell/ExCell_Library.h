#pragma once

#include <string>
#include <vector>

#include "core/ExTemporary.h"

// Placeholder until cell library files are modelled.
class CExCell_Library {
public:
    CExCell_Library();
    CExCell_Library(const CExCell_Library&) = delete;
    CExCell_Library& operator=(const CExCell_Library&) = delete;
    virtual ~CExCell_Library();

    void SetData(std::vector<std::string>& saRecord, std::string sUnitsString);

    std::string sVersion;
    std::string sOutputInDbUnits;
    std::string sUnits;
    double dScale = 1.0;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
