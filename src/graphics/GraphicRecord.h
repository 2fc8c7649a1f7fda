#pragma once

// How graphic object records and dimensions are read. Such a record stands at
// any keyword level (1 in the layout file, 2 in a cell); its children are cut
// so that they always read at level 1, and each child sub-record is looked up
// in its element class's table of keywords, which says what to do with it.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "layout/TextActions.h"
#include "shapes/ShapeGroupActions.h"

namespace ex {

// A class's keywords in test order (one leading dot, upper case; a null
// action drops the sub-record), and what a sub-record headed by a shape
// keyword does (null: it is logged as not used). No keyword of these tables
// begins a shape keyword or is begun by one, so testing the shapes after the
// rows gives the same result wherever the shapes stand in the order.
template <class E>
struct SubRecordTable {
    TableView<E> rows;
    GroupAction<E> shapes = nullptr;
    bool bWithDimensionData = true;
};

// Applies the table to one sub-record (its first line at one dot, deeper
// lines with more); the sub-record is empty on return.
template <class E>
void SetSubRecord(E& element, const SubRecordTable<E>& table, Group& sub, const ParseContext& ctx)
{
    const GroupMatch match{.isOther = table.bWithDimensionData ? IsShapeLineAt<1> : IsShapeLineAt<1, false>};
    ParseGroup(table.rows, element, sub, ctx, match, table.shapes);
}

// A record whose keyword line stands at nLevel: a line one level deeper
// opens a sub-record, deeper lines join it, and every line loses its first
// nLevel characters, so that each sub-record reads at level 1.
inline GroupRule LevelRecordRule(int nLevel) { return GroupRule{.nLevel = nLevel + 1, .nCut = nLevel}; }

} // namespace ex
