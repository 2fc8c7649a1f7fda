#pragma once

// Member tables of the design root and of a log entry.

#include <tuple>

#include "core/MemberTable.h"
#include "core/ExExpedition.h"
#include "core/ExTemporary.h"

namespace ex {

template <>
struct ModelTable<CExTemporary> : TableDefaults {
    EX_CLASS(CExTemporary);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(nFlag), EX_MEMBER(sContext), EX_MEMBER(sKeyword), EX_MEMBER(sValue), EX_MEMBER(nLevel),
        EX_MEMBER(saLines)};
};

template <>
struct ModelTable<CExExpedition> : TableDefaults {
    EX_CLASS(CExExpedition);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pNetConnectionArray), EX_MEMBER(pNetClassArray), EX_MEMBER(pNetPropArray),
        EX_MEMBER(pPadstackLibrary), EX_MEMBER(pCellLibrary), EX_MEMBER(pLayout), EX_MEMBER(pJobPreferences),
        EX_MEMBER(pLibPart)};
};

} // namespace ex
