#pragma once

// The named region records of the layout file (panel board instances, design
// rule areas, contours) share one form: a keyword line whose value names the
// object, then level-2 groups that each set a member, hold texts or shapes,
// or are logged as not used.

#include <string>
#include <vector>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "layout/TextActions.h"
#include "shapes/ShapeGroupActions.h"

namespace ex {

inline constexpr GroupRule kRegionRule{2};

// The level-2 groups: table rows first, then shape keyword lines; any other
// goes to the not-used log.
inline constexpr GroupMatch kRegionGroups{.isOther = IsShapeLineAt<2>};

} // namespace ex
