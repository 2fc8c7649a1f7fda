#pragma once

#include <string>
#include <vector>

#include "expedition_fwd.h"

// The design-wide settings of the job preferences file: units, layer count,
// layer stackup and via spans. Values are kept as written, never scaled.
class CExJobPreferences {
public:
    CExJobPreferences();
    CExJobPreferences(const CExJobPreferences&) = delete;
    CExJobPreferences& operator=(const CExJobPreferences&) = delete;
    virtual ~CExJobPreferences();

    // Dispatches one record of the file; the record is empty on return.
    void SetData(std::vector<std::string>& saRecord);

    CExLayer_StackupArray* pLayerStackupArray;
    std::string sUnits;         // upper case
    std::string sDesignUnits;   // upper case
    int nPhysicalLayers = 0;
    CExJobPreferenceViaArray* pViaArray;
    CExTemporaryArray* pIgnoreLog;   // stays empty: every entry of this file is a not-used one
    CExTemporaryArray* pNotUsedLog;
};
