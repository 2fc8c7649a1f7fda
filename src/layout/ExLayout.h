#pragma once

#include <string>
#include <vector>

#include "core/ExTemporary.h"

// Placeholder until the layout file is modelled.
class CExLayout {
public:
    CExLayout();
    CExLayout(const CExLayout&) = delete;
    CExLayout& operator=(const CExLayout&) = delete;
    virtual ~CExLayout();

    void SetData(std::vector<std::string>& saRecord, std::string sUnits, int bRemoveNet);

    std::string sVersion;
    std::string sUnits;
    std::string sJobName;
    std::string sDate;
    double dScale = 1.0;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
