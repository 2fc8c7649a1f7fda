#pragma once

// What the pad, hole, padstack and custom drill symbol records share: one
// element per record, named by the record's first line, its two-dot
// sub-records handed to the element one by one; the "(x, y)" offset text.

#include <string>
#include <string_view>
#include <vector>

#include "core/ExPt.h"
#include "core/ExTemporary.h"
#include "core/GroupTable.h"
#include "core/StringOps.h"

namespace ex {

inline constexpr GroupRule kElementSubRecordRule{2};
// Sub-records are parsed with this flag, whatever flag the record came with.
inline constexpr int kElementSubRecordFlag = 1;

// The point of an offset line such as `..OFFSET (1.5, -2)`, both values
// times dScale. x is read up to the first ",", y up to the first ")"; a
// missing separator makes its value 0.
CExPt ReadOffset(std::string_view line, double dScale);

} // namespace ex
