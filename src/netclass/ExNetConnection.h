#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"

// Placeholder until net class files are modelled.
class CExNetConnection {
public:
    virtual ~CExNetConnection() = default;
};

// Does not delete its elements: the design root does.
class CExNetConnectionArray : public CExPtrArray<CExNetConnection*, CExNetConnection*> {
public:
    CExNetConnectionArray() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}
    ~CExNetConnectionArray() override
    {
        delete pIgnoreLog;
        delete pNotUsedLog;
    }

    void SetData(std::vector<std::string>& saRecord) { saRecord.clear(); }

    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
