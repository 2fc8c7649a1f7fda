#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"

// Placeholder until net class files are modelled.
class CExNetProp {
public:
    virtual ~CExNetProp() = default;
};

// Does not delete its elements: the design root does.
class CExNetPropArray : public CExPtrArray<CExNetProp*, CExNetProp*> {
public:
    CExNetPropArray() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}
    ~CExNetPropArray() override
    {
        delete pIgnoreLog;
        delete pNotUsedLog;
    }

    void SetData(std::vector<std::string>& saRecord) { saRecord.clear(); }

    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
