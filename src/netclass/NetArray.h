#pragma once

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

namespace ex {

// Base of the three arrays of the net class file. Each owns its two logs but
// not its elements: the design root deletes those before it deletes the array.
template <class T>
class NetArray : public CExPtrArray<T*, T*> {
public:
    NetArray();
    ~NetArray() override;

    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};

// Compiled once, in NetArray.cpp.
extern template class NetArray<CExNetConnection>;
extern template class NetArray<CExNetClass>;
extern template class NetArray<CExNetProp>;

} // namespace ex
