#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// One via span the design may use: a padstack and the layers it connects.
class CExJobPreferenceVia {
public:
    CExJobPreferenceVia();
    CExJobPreferenceVia(const CExJobPreferenceVia&) = delete;
    CExJobPreferenceVia& operator=(const CExJobPreferenceVia&) = delete;
    virtual ~CExJobPreferenceVia();

    CExLayerPair* pLayerPair;
    std::vector<std::string> saSpanLines;  // other deeper lines, every dot removed
    std::string sPadstackName;
};

EXLOAD_EXTERN_PTR_ARRAY(CExJobPreferenceVia);

// The spans of the via spans sections, in file order, duplicates included.
class CExJobPreferenceViaArray : public CExPtrArray<CExJobPreferenceVia*, CExJobPreferenceVia*> {
public:
    ~CExJobPreferenceViaArray() override;

    // A whole ".VIA_SPANS_SECTION" record, its keyword line included.
    void SetData(std::vector<std::string>& saRecord, CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);
    // One level-2 line and its deeper lines.
    void SetViaData(std::vector<std::string>& saGroup, CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);
};
