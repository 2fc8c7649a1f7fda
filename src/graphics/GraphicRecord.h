#pragma once

// How graphic object records and dimensions are read. Such a record stands at
// any keyword level (1 in the layout file, 2 in a cell); its children are cut
// so that they always read at level 1, and each child sub-record is looked up
// in its element class's table of keywords, which says what to do with it.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "layout/ExText.h"
#include "shapes/ShapeGroupActions.h"

namespace ex {

// Hands the sub-record, at level 1, to a record operation of an array that
// the element owns (pArray), such as the graphics of a dimension.
template <auto pArray, auto pSetData>
void HandOn(ClassOf<pArray>& element, Group& sub, const ParseContext& ctx)
{
    ((element.*pArray)->*pSetData)(1, sub, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

// A class's keywords in test order (one leading dot, upper case; a null
// action drops the sub-record), and what a sub-record headed by a shape
// keyword does (null: it is logged as not used). No keyword of these tables
// begins a shape keyword or is begun by one, so testing the shapes after the
// rows gives the same result wherever the shapes stand in the order.
template <class E>
struct SubRecordTable {
    std::span<const GroupRow<E>> rows;
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

// Fills an element from the child lines of a record whose keyword line stands
// at nLevel: a line one level deeper opens a sub-record, deeper lines join it,
// and every line loses its first nLevel characters, so that each sub-record
// reaches SetSubRecordData at level 1. The keyword line is the caller's;
// the record is empty on return.
template <class E>
void SetLevelRecordData(E& element, int nLevel, std::vector<std::string>& record, const ParseContext& args)
{
    const GroupRule rule{.nLevel = nLevel + 1, .nCut = nLevel};
    GroupLines(record, 1, rule, [&](std::vector<std::string>& sub) {
        element.SetSubRecordData(sub, args.sContext, args.nFlag, args.pIgnoreLog, args.pNotUsedLog, args.dScale);
    });
}

struct IgnoreKeywordLine {
    template <class E>
    void operator()(E&, std::string_view) const
    {
    }
};

// One new element per non-empty record, appended also when nothing was set.
// readKeywordLine(element, trimmed keyword line) keeps what the class keeps
// of the record's own line.
template <class Array, class ReadKeywordLine = IgnoreKeywordLine>
void AddLevelRecord(Array& array, int nLevel, std::vector<std::string>& record, const ParseContext& args,
                    ReadKeywordLine readKeywordLine = {})
{
    if (record.empty())
        return;
    using E = std::remove_pointer_t<typename Array::value_type>;
    auto element = std::make_unique<E>();
    readKeywordLine(*element, TrimView(record[0]));
    SetLevelRecordData(*element, nLevel, record, args);
    array.Add(element.get());
    element.release();
}

} // namespace ex
