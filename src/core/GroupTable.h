#pragma once

// Keyword tables applied to groups of lines. The trimmed first line of a
// group is looked up in an ordered table (first match wins); the row found
// decides what becomes of the group, and a group that no row takes goes
// whole to the not-used log. The group is empty afterwards in any case.

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"

namespace ex {

using Group = std::vector<std::string>;

// The trailing arguments every group parser receives and hands on.
struct ParseContext {
    const std::string& sContext;
    int nFlag;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
    double dScale;

    void LogNotUsed(Group& group) const
    {
        if (pNotUsedLog != nullptr)
            pNotUsedLog->SetNoUsedArray(group, sContext, nFlag);
        group.clear();
    }
};

// Recognises lines that a table does not spell out keyword by keyword (the
// shape keyword lines at some level).
using LineTest = bool (*)(std::string_view line);

// How a table is matched. A row with an empty keyword stands for the lines
// isOther accepts, where it stands in the order. Rows that have
// TestedBy(nKind) are passed over when it is false (tables shared by kinds).
struct GroupMatch {
    Case c = Case::Insensitive;
    LineTest isOther = nullptr;
    Quotes head = Quotes::Keep;  // Remove: double quotes are taken out of the line before the tests
    unsigned nKind = 0;
    // Above 0: the rows are written without dots and take only lines with
    // exactly this many (tables shared by levels).
    int nDots = 0;
};

template <class Row>
const Row* FindGroupRow(std::span<const Row> rows, std::string_view line, const GroupMatch& match)
{
    for (const Row& row : rows) {
        if constexpr (requires { row.TestedBy(match.nKind); })
            if (!row.TestedBy(match.nKind))
                continue;
        const bool hit = row.sKeyword.empty() ? match.isOther != nullptr && match.isOther(line)
                         : match.c == Case::Insensitive ? StartsWithNoCase(line, row.sKeyword)
                                                        : StartsWith(line, row.sKeyword);
        if (hit)
            return &row;
    }
    return nullptr;
}

// The row that takes the group, or null when none does: the group is then
// logged as not used (and emptied). pOtherwise takes the lines isOther
// accepts that no row took (tables tested before the other lines).
template <class Row>
const Row* FindRowOrLog(std::span<const Row> rows, Group& group, const ParseContext& ctx, const GroupMatch& match = {},
                        const Row* pOtherwise = nullptr)
{
    if (group.empty())
        return nullptr;
    std::string_view line = TrimView(group[0]);
    std::string unquoted;
    if (match.head == Quotes::Remove) {
        unquoted = WithoutChar(line, '"');
        line = unquoted;
    }
    const Row* row = nullptr;
    if (match.nDots <= 0)
        row = FindGroupRow(rows, line, match);
    else if (LeadingDots(line) == match.nDots)
        row = FindGroupRow(rows, line.substr(static_cast<std::size_t>(match.nDots)), match);
    if (row == nullptr && pOtherwise != nullptr && match.isOther != nullptr && match.isOther(line))
        row = pOtherwise;
    if (row == nullptr)
        ctx.LogNotUsed(group);
    return row;
}

template <class Row, std::size_t N>
const Row* FindRowOrLog(const Row (&rows)[N], Group& group, const ParseContext& ctx, const GroupMatch& match = {})
{
    return FindRowOrLog(std::span<const Row>(rows, N), group, ctx, match);
}

// Parses one group: take(row, trimmed first line) for the row found, the
// not-used log otherwise; the group is empty on return.
template <class Row, class Take>
void TakeGroup(std::span<const Row> rows, Group& group, const ParseContext& ctx, Take&& take,
               const GroupMatch& match = {}, const Row* pOtherwise = nullptr)
{
    if (const Row* row = FindRowOrLog(rows, group, ctx, match, pOtherwise))
        take(*row, TrimView(group[0]));
    group.clear();
}

template <class Row, std::size_t N, class Take>
void TakeGroup(const Row (&rows)[N], Group& group, const ParseContext& ctx, Take&& take, const GroupMatch& match = {})
{
    TakeGroup(std::span<const Row>(rows, N), group, ctx, take, match);
}

// Tables whose rows are function pointers; a null action drops the group.
template <class T>
using GroupAction = void (*)(T& object, Group& group, const ParseContext& ctx);

template <class T>
using GroupRow = KeywordRow<GroupAction<T>>;

// otherwise: the action for the lines match.isOther accepts that no row took
// (null: they are logged like any other).
template <class T>
void ParseGroup(std::span<const GroupRow<T>> rows, T& object, Group& group, const ParseContext& ctx,
                const GroupMatch& match = {}, GroupAction<T> otherwise = nullptr)
{
    const GroupRow<T> other{{}, otherwise};
    TakeGroup(
        rows, group, ctx,
        [&](const GroupRow<T>& row, std::string_view) {
            if (row.action != nullptr)
                row.action(object, group, ctx);
        },
        match, otherwise != nullptr ? &other : nullptr);
}

template <class T, std::size_t N>
void ParseGroup(const GroupRow<T> (&rows)[N], T& object, Group& group, const ParseContext& ctx,
                const GroupMatch& match = {})
{
    ParseGroup(std::span<const GroupRow<T>>(rows, N), object, group, ctx, match);
}

// The same with the parser's own arguments: the record parsers of the
// classes are this one call. A null object drops the group.
template <class T, std::size_t N>
void ParseGroup(const GroupRow<T> (&rows)[N], T* pObject, Group& group, const std::string& context, int flag,
                CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale,
                const GroupMatch& match = {})
{
    if (pObject != nullptr)
        ParseGroup(rows, *pObject, group, ParseContext{context, flag, ignoreLog, notUsedLog, dScale}, match);
    group.clear();
}

template <class>
struct MemberTraits;
template <class C, class V>
struct MemberTraits<V C::*> {
    using Class = C;
};
template <auto M>
using ClassOf = typename MemberTraits<decltype(M)>::Class;

// Row actions that read the group's first line. Its value is its keyword
// value, double quotes removed unless told otherwise.

template <auto M, Quotes q = Quotes::Remove>
void StoreValue(ClassOf<M>& object, Group& group, const ParseContext&)
{
    object.*M = KeywordValue(TrimView(group[0]), q);
}

template <auto M>
void AppendValue(ClassOf<M>& object, Group& group, const ParseContext&)
{
    (object.*M).push_back(KeywordValue(TrimView(group[0])));
}

template <auto M>
void StoreInteger(ClassOf<M>& object, Group& group, const ParseContext&)
{
    object.*M = Atoi(KeywordValue(TrimView(group[0])));
}

// The leading number of the value, as written.
template <auto M, Quotes q = Quotes::Remove>
void StoreNumber(ClassOf<M>& object, Group& group, const ParseContext&)
{
    object.*M = Atof(KeywordValue(TrimView(group[0]), q));
}

// The same times the unit scale.
template <auto M>
void StoreLength(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    object.*M = Atof(KeywordValue(TrimView(group[0]))) * ctx.dScale;
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

enum class Unit { Scaled, AsWritten };

// ".XY x, y, ...": the points after the keyword's nCut characters (".XY",
// "..XY", "...XY"), whatever follows them, appended.
template <auto M, Unit u = Unit::Scaled, std::size_t nCut = 3>
void AddPoints(ClassOf<M>& object, Group& group, const ParseContext& ctx)
{
    std::string_view line = TrimView(group[0]);
    line.remove_prefix(std::min(nCut, line.size()));
    (object.*M).SetPtDatas(std::string(TrimView(line)), u == Unit::Scaled ? ctx.dScale : 1.0);
}

// Positions of vias and test points stay in the file's unit.
template <auto M>
inline constexpr GroupAction<ClassOf<M>> StorePosition = AddPoints<M, Unit::AsWritten>;

} // namespace ex
