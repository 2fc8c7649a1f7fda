#pragma once

#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"

namespace ex {

// Base of the three arrays of the net class file. Each owns its two logs but
// not its elements: the design root deletes those before it deletes the array.
template <class T>
class NetArray : public CExPtrArray<T*, T*> {
public:
    NetArray() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}
    ~NetArray() override
    {
        delete pIgnoreLog;
        delete pNotUsedLog;
    }

    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};

} // namespace ex
