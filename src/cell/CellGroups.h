#pragma once

// What the cell parsers share when they route a property group: the value of
// a property line and the end of a group's handling.

#include <string>
#include <vector>

#include "core/ExTemporary.h"

namespace ex {

// A group that no keyword took goes whole to the not-used log; the group is
// empty afterwards either way.
inline void CloseGroup(bool bTaken, std::vector<std::string>& group, const std::string& context, int flag,
                       CExTemporaryArray* notUsedLog)
{
    if (!bTaken && notUsedLog != nullptr)
        notUsedLog->SetNoUsedArray(group, context, flag);
    group.clear();
}

} // namespace ex
