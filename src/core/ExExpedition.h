#pragma once

#include "expedition_fwd.h"

// Root of a loaded design: one object per file kind, filled by the file
// workers, owned here. Not copyable: a copy would share what it deletes.
class CExExpedition {
public:
    CExExpedition() = default;
    CExExpedition(const CExExpedition&) = delete;
    CExExpedition& operator=(const CExExpedition&) = delete;
    virtual ~CExExpedition();

    CExNetConnectionArray* pNetConnectionArray = nullptr;
    CExNetClassArray* pNetClassArray = nullptr;
    CExNetPropArray* pNetPropArray = nullptr;
    CExPadstack_Library* pPadstackLibrary = nullptr;
    CExCell_Library* pCellLibrary = nullptr;
    CExLayout* pLayout = nullptr;
    CExJobPreferences* pJobPreferences = nullptr;
    CExLibPart* pLibPart = nullptr;
};
