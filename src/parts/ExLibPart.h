#pragma once

#include <string>
#include <vector>

#include "core/ExTemporary.h"

// Placeholder until the parts database is modelled.
class CExLibPart {
public:
    CExLibPart() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}
    CExLibPart(const CExLibPart&) = delete;
    CExLibPart& operator=(const CExLibPart&) = delete;
    virtual ~CExLibPart()
    {
        delete pIgnoreLog;
        delete pNotUsedLog;
    }

    void SetData(std::vector<std::string>& saRecord) { saRecord.clear(); }

    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
