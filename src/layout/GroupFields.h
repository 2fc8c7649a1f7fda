#pragma once

// The group parsers of route objects and planes: the first line of a group
// is looked up in an ordered table (first match wins) whose rows store the
// line's value in a member, hand the group to a parser of their own, or drop
// it (null action). A group that no row takes goes to the not-used log.
// Included by .cpp files only.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ExPt.h"
#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObj.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"

namespace ex {

// The trailing arguments every group parser receives and hands on.
struct ParseContext {
    const std::string& sContext;
    int nFlag;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
    double dScale;

    void LogNotUsed(std::vector<std::string>& group) const
    {
        if (pNotUsedLog != nullptr)
            pNotUsedLog->SetNoUsedArray(group, sContext, nFlag);
        group.clear();
    }
};

using Group = std::vector<std::string>;

template <class T>
using GroupAction = void (*)(T& object, Group& group, const ParseContext& ctx);

template <class T>
using GroupRow = KeywordRow<GroupAction<T>>;

// The keyword of a row that matches a shape keyword line (at the dots the
// parse is given) where the row stands in the table.
inline constexpr std::string_view kAnyShape{};

// Parses one group and empties it.
template <class T, std::size_t N>
void ParseGroup(const GroupRow<T> (&table)[N], T& object, Group& group, const ParseContext& ctx, int nShapeDots = 1,
                Case c = Case::Insensitive)
{
    if (group.empty())
        return;
    const std::string_view line = TrimView(group[0]);
    for (const GroupRow<T>& row : table) {
        const bool hit = row.sKeyword.empty() ? IsShapeLine(line, nShapeDots)
                         : c == Case::Insensitive ? StartsWithNoCase(line, row.sKeyword)
                                                  : StartsWith(line, row.sKeyword);
        if (hit) {
            if (row.action != nullptr)
                row.action(object, group, ctx);
            group.clear();
            return;
        }
    }
    ctx.LogNotUsed(group);
}

// The same with the parser's own arguments: the record parsers of the
// classes are this one call. A null object drops the group.
template <class T, std::size_t N>
void ParseGroup(const GroupRow<T> (&table)[N], T* pObject, Group& group, const std::string& context, int flag,
                CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale, int nShapeDots = 1,
                Case c = Case::Insensitive)
{
    if (pObject != nullptr)
        ParseGroup(table, *pObject, group, ParseContext{context, flag, ignoreLog, notUsedLog, dScale}, nShapeDots, c);
    group.clear();
}

// Values of every line of the group that begins with prefix, matched as
// written (marker lists).
inline void AppendValuesOf(const Group& group, std::string_view prefix, std::vector<std::string>& values)
{
    for (const std::string& line : group) {
        const std::string_view trimmed = TrimView(line);
        if (StartsWith(trimmed, prefix))
            values.push_back(KeywordValue(trimmed));
    }
}

template <class>
struct MemberTraits;
template <class C, class V>
struct MemberTraits<V C::*> {
    using Class = C;
};
template <auto M>
using ClassOf = typename MemberTraits<decltype(M)>::Class;

// Row actions shared by the object kinds. The value of a line is its keyword
// value without double quotes.

template <auto M>
void StoreValue(ClassOf<M>& object, Group& group, const ParseContext&)
{
    object.*M = KeywordValue(TrimView(group[0]));
}

template <auto M>
void AppendValue(ClassOf<M>& object, Group& group, const ParseContext&)
{
    (object.*M).push_back(KeywordValue(TrimView(group[0])));
}

template <auto M>
void StoreLength(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    object.*M = Atof(KeywordValue(TrimView(group[0]))) * ctx.dScale;
}

template <auto M>
void StoreInteger(ClassOf<M>& object, Group& group, const ParseContext&)
{
    object.*M = Atoi(KeywordValue(TrimView(group[0])));
}

// ".XY x, y": positions of vias and test points stay in the file's unit.
template <auto M>
void StorePosition(ClassOf<M>& object, Group& group, const ParseContext&)
{
    std::string& line = group[0];
    Trim(line);
    line.erase(0, 3);
    Trim(line);
    (object.*M).SetPtDatas(std::move(line), 1.0);
}

// A shape group whose keyword line has one dot: the shape replaces the one
// held, unless the keyword makes none.
template <auto M>
void ReplaceShape(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    CutLines(group, 1);
    CExDrawObj* shape = CExDrawObjArray::SetMakeDObj(1, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog,
                                                     ctx.pNotUsedLog, ctx.dScale);
    if (shape == nullptr)
        return;
    DeleteDrawObj(object.*M);
    object.*M = shape;
}

template <auto M, int nLevel>
void AddShapes(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    (object.*M)->SetDObjData_InCell(nLevel, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                     ctx.dScale);
}

template <auto M>
void AddText(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    (object.*M)->SetTextData(1, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

} // namespace ex
