#include "netclass/NetArray.h"

#include "core/ExTemporary.h"
#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"

namespace ex {

template <class T>
NetArray<T>::NetArray() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray)
{
}

template <class T>
NetArray<T>::~NetArray()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
}

template class NetArray<CExNetConnection>;
template class NetArray<CExNetClass>;
template class NetArray<CExNetProp>;

} // namespace ex
