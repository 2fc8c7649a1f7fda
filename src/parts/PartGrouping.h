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

} // namespace ex
