#include "core/ExExpedition.h"

#include "cell/ExCell_Library.h"
#include "jobprefs/ExJobPreferences.h"
#include "layout/ExLayout.h"
#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"
#include "padstack/ExPadstack_Library.h"
#include "parts/ExLibPart.h"

namespace {

// The net arrays do not delete their elements themselves: the root does.
template <class Array>
void DeleteNetArray(Array*& p)
{
    if (!p)
        return;
    p->DeleteAll();
    delete p;
    p = nullptr;
}

} // namespace

CExExpedition::~CExExpedition()
{
    delete pPadstackLibrary;
    delete pCellLibrary;
    delete pLayout;
    delete pJobPreferences;
    DeleteNetArray(pNetConnectionArray);
    DeleteNetArray(pNetClassArray);
    DeleteNetArray(pNetPropArray);
    delete pLibPart;
}
