#pragma once

// The named region records of the layout file (panel board instances, design
// rule areas, contours) share one form: a keyword line whose value names the
// object, then level-2 groups that each set a member, hold texts or shapes,
// or are logged as not used.

#include <memory>
#include <string>
#include <vector>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "layout/ExText.h"
#include "shapes/ShapeGroupActions.h"

namespace ex {

// Creates the object, names it from the first line and hands every level-2
// group of the rest to parse(object, group). One object per non-empty record,
// appended even when no group follows; the record is empty on return.
template <class T, class Array, class GroupParser>
void SetRegionRecord(Array& array, std::vector<std::string>& record, std::string T::*pName, GroupParser&& parse)
{
    if (record.empty())
        return;
    auto owned = std::make_unique<T>();
    T* pObject = owned.get();
    pObject->*pName = KeywordValue(TrimView(record[0]));
    GroupLines(record, 1, GroupRule{2, 0, false},
               [&](std::vector<std::string>& group) { parse(pObject, group); });
    array.Add(pObject);
    owned.release();
}

// The level-2 groups: table rows first, then shape keyword lines; any other
// goes to the not-used log.
inline constexpr GroupMatch kRegionGroups{.isOther = IsShapeLineAt<2>};

} // namespace ex
