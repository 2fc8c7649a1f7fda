#pragma once

#include <string>
#include <vector>

#include "expedition_fwd.h"

// The parts database file: its parts, units and logs.
class CExLibPart {
public:
    CExLibPart();
    CExLibPart(const CExLibPart&) = delete;
    CExLibPart& operator=(const CExLibPart&) = delete;
    virtual ~CExLibPart();

    // The record dispatcher of the file; empties the record.
    void SetData(std::vector<std::string>& saRecord);

    CExPartDataArray* pPartDataArray;
    std::string sUnits;  // upper case, quotes kept
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
