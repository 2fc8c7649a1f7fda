#pragma once

// How a part record is cut: its sub-records open at two dots, the groups of a
// slot, swap group or symbol sub-record at three.

#include <string>
#include <vector>

#include "core/ExTemporary.h"
#include "core/GroupTable.h"

namespace ex {

inline constexpr GroupRule kPartSubRecordRule{2, 0, false};
inline constexpr GroupRule kPartGroupRule{3, 0, false};

// Hands each group of a slot, swap group or symbol sub-record to the
// element's SetSubRecordData.
template <class E>
auto ToPartGroups(const std::string& sContext, int nFlag, CExTemporaryArray* pIgnoreLog,
                  CExTemporaryArray* pNotUsedLog)
{
    return [&sContext, nFlag, pIgnoreLog, pNotUsedLog](E& element, std::vector<std::string>& saGroup) {
        element.SetSubRecordData(saGroup, sContext, nFlag, pIgnoreLog, pNotUsedLog);
    };
}

} // namespace ex
