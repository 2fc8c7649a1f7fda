#pragma once

#include <string>
#include <vector>

#include "core/ExTemporary.h"

// Placeholder until the job preferences file is modelled.
class CExJobPreferences {
public:
    CExJobPreferences();
    CExJobPreferences(const CExJobPreferences&) = delete;
    CExJobPreferences& operator=(const CExJobPreferences&) = delete;
    virtual ~CExJobPreferences();

    void SetData(std::vector<std::string>& saRecord);

    std::string sUnits;
    std::string sDesignUnits;
    int nPhysicalLayers = 0;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
