#pragma once

// Table rows that take shapes: the shape keyword line test at a given level,
// and the row actions that make shapes out of a group.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "shapes/ExDrawObj.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"

namespace ex {

// The keyword of a row that matches a shape keyword line, with the matcher
// below as the table's GroupMatch::isOther.
inline constexpr std::string_view kAnyShape{};

template <int nDots, bool bWithDimensionData = true>
bool IsShapeLineAt(std::string_view line)
{
    return IsShapeLine(line, nDots, bWithDimensionData);
}

// A shape group whose keyword line has nLevel dots: every line loses its
// first nLevel characters, then the shape is made (null for an unknown
// keyword). The group is empty afterwards.
inline CExDrawObj* MakeLevelShape(int nLevel, Group& group, const ParseContext& ctx)
{
    CutLines(group, static_cast<std::size_t>(nLevel));
    return CExDrawObjArray::SetMakeDObj(nLevel, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                        ctx.dScale);
}

// A shape group whose keyword line has nLevel dots: the shape replaces the
// one held, unless the keyword makes none.
template <auto M, int nLevel = 1>
void ReplaceShape(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    CExDrawObj* shape = MakeLevelShape(nLevel, group, ctx);
    if (shape == nullptr)
        return;
    DeleteDrawObj(object.*M);
    object.*M = shape;
}

// Every shape of the group, at nLevel, appended to an owned shape array.
template <auto M, int nLevel>
void AddShapes(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    (object.*M)->SetDObjData_InCell(nLevel, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                     ctx.dScale);
}

// One shape of the group at nLevel appended to an owned shape array, when
// the keyword makes one.
template <auto M, int nLevel>
void AddLevelShape(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    if (CExDrawObj* shape = MakeLevelShape(nLevel, group, ctx))
        (object.*M)->Add(shape);
}

} // namespace ex
