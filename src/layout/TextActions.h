#pragma once

// The row action of the tables whose groups hold texts.

#include "core/GroupTable.h"
#include "layout/ExText.h"

namespace ex {

// The group is one text at nLevel, appended to an owned text array.
template <auto M, int nLevel = 1>
inline constexpr GroupAction<ClassOf<M>> AddText = HandOn<M, &CExTextArray::SetTextData, nLevel>;

} // namespace ex
