#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"

// Placeholder until net class files are modelled.
class CExNetClass {
public:
    virtual ~CExNetClass() = default;
};

// Does not delete its elements: the design root does.
class CExNetClassArray : public CExPtrArray<CExNetClass*, CExNetClass*> {
public:
    CExNetClassArray() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}
    ~CExNetClassArray() override
    {
        delete pIgnoreLog;
        delete pNotUsedLog;
    }

    void SetData(std::vector<std::string>& saRecord) { saRecord.clear(); }

    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
