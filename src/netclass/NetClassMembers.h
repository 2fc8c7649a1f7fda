#pragma once

// Member tables of the net class file's classes. Its three arrays list their
// elements under "elements", beside their two logs.

#include <tuple>

#include "core/MemberTable.h"
#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"
#include "netclass/ExRefPin.h"

namespace ex {

template <>
struct ModelTable<CExNetClass> : TableDefaults {
    EX_CLASS(CExNetClass);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(sName), EX_MEMBER(sNetNames)};
};

template <>
struct ModelTable<CExRefPin> : TableDefaults {
    EX_CLASS(CExRefPin);
    static constexpr auto kMembers = std::tuple{};
};

template <>
struct ModelTable<CExNetConnection> : TableDefaults {
    EX_CLASS(CExNetConnection);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(pRefPinArray), EX_MEMBER(sName)};
};

template <>
struct ModelTable<CExNetProp> : TableDefaults {
    EX_CLASS(CExNetProp);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(sNetName), EX_MEMBER(saPropNames), EX_MEMBER(saPropValues)};
};

template <>
struct ModelTable<CExNetConnectionArray> : TableDefaults {
    EX_CLASS(CExNetConnectionArray);
    static constexpr auto kMembers = std::tuple{Elements{"elements"}, EX_MEMBER(pIgnoreLog), EX_MEMBER(pNotUsedLog)};
};

template <>
struct ModelTable<CExNetClassArray> : TableDefaults {
    EX_CLASS(CExNetClassArray);
    static constexpr auto kMembers = std::tuple{Elements{"elements"}, EX_MEMBER(pIgnoreLog), EX_MEMBER(pNotUsedLog)};
};

template <>
struct ModelTable<CExNetPropArray> : TableDefaults {
    EX_CLASS(CExNetPropArray);
    static constexpr auto kMembers = std::tuple{Elements{"elements"}, EX_MEMBER(pIgnoreLog), EX_MEMBER(pNotUsedLog)};
};

} // namespace ex
