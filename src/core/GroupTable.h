#pragma once

// Keyword tables held as data, one row form for every parser. The trimmed
// first line of a group (or a record, or one line) is looked up in an ordered
// table, first match wins; the row found names the function that takes the
// group, and a group that no row takes goes whole to the not-used log.

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/Grouping.h"
#include "core/KeywordIndex.h"
#include "core/ParseContext.h"
#include "core/StringOps.h"

namespace ex {

// Recognises lines that a table does not spell out keyword by keyword (the
// shape keyword lines at some level).
using LineTest = bool (*)(std::string_view line);

// How a table is matched. A row with an empty keyword stands for the lines
// isOther accepts, where it stands in the order. Rows whose kinds leave out
// nKind are passed over (tables shared by kinds).
struct GroupMatch {
    Case c = Case::Insensitive;
    LineTest isOther = nullptr;
    Quotes head = Quotes::Keep;  // Remove: double quotes are taken out of the line before the tests
    unsigned nKind = 0;
    // Above 0: the rows are written without dots and take only lines with
    // exactly this many (tables shared by levels).
    int nDots = 0;
};

// What a row says beyond its keyword and action.
struct RowOptions {
    unsigned nKinds = 0;           // the kinds that test the row (a mask); 0: every kind
    bool bAnywhere = false;        // the keyword may stand anywhere in the line
    std::string_view sContext{};   // the log context of a record; empty: its first line
    bool bDropKeywordLine = false; // a record loses its keyword line before the action
};

// Parses a group (or record) whose first line the row matched; null drops it.
template <class T>
using GroupAction = void (*)(T& object, Group& group, const ParseContext& ctx);

template <class T>
struct GroupRow {
    std::string_view sKeyword;  // upper case for case-insensitive tables
    GroupAction<T> action = nullptr;
    RowOptions options{};
    // Set for records that may be parsed on a helper thread into a T of its
    // own: moves what the action added there to the real object, in order.
    void (*moveParsed)(T& parsed, T& target) = nullptr;

    // Whether a record of this row may go to a helper thread.
    constexpr bool ParsedOnHelper() const { return moveParsed != nullptr; }

    constexpr bool TestedBy(unsigned nKind) const { return options.nKinds == 0 || (options.nKinds & nKind) != 0; }

    constexpr KeySpec Key() const
    {
        if (sKeyword.empty())
            return {sKeyword, KeyForm::Always, options.nKinds};
        return {sKeyword, options.bAnywhere ? KeyForm::Anywhere : KeyForm::Prefix, options.nKinds};
    }

    bool Matches(std::string_view line, const GroupMatch& match) const
    {
        if (!TestedBy(match.nKind))
            return false;
        if (sKeyword.empty())
            return match.isOther != nullptr && match.isOther(line);
        if (options.bAnywhere)
            return ContainsNoCase(line, sKeyword);
        return BeginsWith(line, sKeyword, match.c);
    }
};

// A table as lookups see it, whatever its length.
template <class T>
struct TableView {
    std::span<const GroupRow<T>> rows;
    const KeywordIndex* pIndex;
};

// The rows and their index, built once when the program is compiled.
template <class T, std::size_t N>
struct GroupTable {
    std::array<GroupRow<T>, N> rows;
    KeywordIndex index;

    constexpr operator TableView<T>() const { return {rows, &index}; }
};

// The table of the rows in test order. A row that an earlier one would
// always take first (a longer keyword after a shorter one that begins it)
// does not compile.
template <class T, std::size_t N>
consteval GroupTable<T, N> MakeTable(const GroupRow<T> (&rows)[N])
{
    const auto describe = [&](std::size_t i) { return rows[i].Key(); };
    if (FirstShadowedRow(N, describe) >= 0)
        throw "a row listed after one that takes all its lines is never reached";
    return {std::to_array(rows), KeywordIndex(N, describe)};
}

// Parameters through which a table is passed while the object deduces T.
template <class T>
using TableOf = std::type_identity_t<TableView<T>>;

template <class T>
const GroupRow<T>* FindGroupRow(TableView<T> table, std::string_view line, const GroupMatch& match = {})
{
    const int i = table.pIndex->Find(line, [&](std::size_t r) { return table.rows[r].Matches(line, match); });
    return i < 0 ? nullptr : &table.rows[static_cast<std::size_t>(i)];
}

template <class T, std::size_t N>
const GroupRow<T>* FindGroupRow(const GroupTable<T, N>& table, std::string_view line, const GroupMatch& match = {})
{
    return FindGroupRow(TableView<T>(table), line, match);
}

// The row for a trimmed first line, the match's dots and quotes applied.
template <class T>
const GroupRow<T>* FindLineRow(TableView<T> table, std::string_view line, const GroupMatch& match)
{
    if (match.head == Quotes::Remove && line.find('"') != std::string_view::npos) {
        GroupMatch unquoted = match;
        unquoted.head = Quotes::Keep;
        return FindLineRow(table, WithoutChar(line, '"'), unquoted);
    }
    if (match.nDots <= 0)
        return FindGroupRow(table, line, match);
    if (LeadingDots(line) == match.nDots)
        return FindGroupRow(table, line.substr(static_cast<std::size_t>(match.nDots)), match);
    return nullptr;
}

// Parses one group: the action of the row its first line matches, the
// not-used log when none does. otherwise: the action for the lines
// match.isOther accepts that no row took. The group is empty on return.
template <class T>
void ParseGroup(TableOf<T> table, T& object, Group& group, const ParseContext& ctx, const GroupMatch& match = {},
                GroupAction<T> otherwise = nullptr)
{
    if (group.empty())
        return;
    const std::string_view head = TrimView(group[0]);
    const GroupRow<T>* row = FindLineRow(table, head, match);
    GroupAction<T> action = row != nullptr ? row->action : nullptr;
    if (row == nullptr && otherwise != nullptr && match.isOther != nullptr && match.isOther(head))
        action = otherwise;
    else if (row == nullptr)
        ctx.LogNotUsed(group);
    if (action != nullptr)
        action(object, group, ctx);
    group.clear();
}

// The same for an object given by pointer: a null one drops the group.
template <class T>
void ParseGroup(TableOf<T> table, T* pObject, Group& group, const ParseContext& ctx, const GroupMatch& match = {})
{
    if (pObject != nullptr)
        ParseGroup(table, *pObject, group, ctx, match);
    group.clear();
}

// Each line of group[first..] as a one-line group through the table, the
// line tested and taken with its first nCut characters off. A line no row takes goes
// to unmatched(line, index), which may take it and returns false to stop
// there. Returns the index it stopped at (the group's size when it did not).
template <class T, class Unmatched>
std::size_t ParseEachLine(TableOf<T> table, T& object, Group& group, std::size_t first, const ParseContext& ctx,
                          Unmatched&& unmatched, const GroupMatch& match = {}, std::size_t nCut = 0)
{
    Group one(1);
    for (std::size_t i = first; i < group.size(); ++i) {
        std::string_view line = TrimView(group[i]);
        line.remove_prefix(std::min(nCut, line.size()));
        const GroupRow<T>* row = FindGroupRow(table, line, match);
        if (row == nullptr) {
            if (!unmatched(group[i], i))
                return i;
            continue;
        }
        if (row->action == nullptr)
            continue;
        if (nCut > 0)
            group[i].assign(line);  // the action reads the line as tested
        one[0].swap(group[i]);
        row->action(object, one, ctx);
        one.resize(1);
        one[0].swap(group[i]);
    }
    return group.size();
}

// Lines no row takes are passed over.
inline constexpr auto kPassOver = [](std::string&, std::size_t) { return true; };

// A file's record table: its rows and how they are matched.
template <class T>
struct RecordTable {
    TableView<T> view;
    GroupMatch match{};
};

template <class T>
const GroupRow<T>* FindRecordRow(const RecordTable<T>& table, const Group& record)
{
    return record.empty() ? nullptr : FindLineRow(table.view, TrimView(record[0]), table.match);
}

// A whole record through the table: the row's action gets the row's context
// text, or the record's first line as the context; a record no row takes is
// logged as not used. The record is empty on return.
template <class T>
void TakeRecord(const RecordTable<T>& table, T& object, Group& record, const ParseContext& base)
{
    if (record.empty())
        return;
    const GroupRow<T>* row = FindRecordRow(table, record);
    const std::string context =
        row != nullptr && !row->options.sContext.empty() ? std::string(row->options.sContext) : std::string(TrimView(record[0]));
    const ParseContext ctx = base.WithContext(context);
    if (row == nullptr) {
        ctx.LogNotUsed(record);
    } else if (row->action != nullptr) {
        // Once per record: linear in its lines however large it is.
        if (row->options.bDropKeywordLine)
            record.erase(record.begin());
        row->action(object, record, ctx);
    }
    record.clear();
}

// What helper threads parsed into `parsed` goes to `target`, row by row.
template <class T>
void MoveParsed(const RecordTable<T>& table, T& parsed, T& target)
{
    for (const GroupRow<T>& row : table.view.rows)
        if (row.moveParsed != nullptr)
            row.moveParsed(parsed, target);
}

// One element per record (or group), named by its first line, the rest cut
// into groups by rule and each handed to parse(element, group). The element
// is appended even when no group follows; the record is empty on return.
// name is a string member that takes the first line's value, a function
// that reads the trimmed first line, or null.
template <class Array, class Name, class Parse>
void AddNamedRecord(Array& array, Group& record, Name name, GroupRule rule, Parse&& parse)
{
    using Element = std::remove_pointer_t<typename Array::value_type>;
    if (record.empty())
        return;
    auto element = std::make_unique<Element>();
    if constexpr (std::is_member_object_pointer_v<Name>)
        (*element).*name = KeywordValue(TrimView(record[0]));
    else if constexpr (!std::is_null_pointer_v<Name>)
        name(*element, TrimView(record[0]));
    GroupLines(record, 1, rule, [&](Group& group) { parse(*element, group); });
    array.Add(element.get());
    element.release();
}

// The parse of AddNamedRecord for elements that read their groups with
// SetSubRecordData (with the scale, where it takes one).
inline auto ToSubRecords(const ParseContext& ctx)
{
    return [ctx](auto& element, Group& group) {
        if constexpr (requires { element.SetSubRecordData(group, ctx.sContext, 0, nullptr, nullptr, 1.0); })
            element.SetSubRecordData(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
        else
            element.SetSubRecordData(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog);
    };
}

template <class>
struct MemberTraits;
template <class C, class V>
struct MemberTraits<V C::*> {
    using Class = C;
    using Value = V;
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

// Header values: upper case, quotes kept unless told otherwise.
template <auto M, Quotes q = Quotes::Keep>
void StoreUpper(ClassOf<M>& object, Group& group, const ParseContext&)
{
    object.*M = ToUpper(KeywordValueView(TrimView(group[0])));
    if constexpr (q == Quotes::Remove)
        RemoveChar(object.*M, '"');
}

template <auto M, Quotes q = Quotes::Remove>
void AppendValue(ClassOf<M>& object, Group& group, const ParseContext&)
{
    (object.*M).push_back(KeywordValue(TrimView(group[0]), q));
}

template <auto M, Quotes q = Quotes::Remove>
void StoreInteger(ClassOf<M>& object, Group& group, const ParseContext&)
{
    object.*M = Atoi(KeywordValue(TrimView(group[0]), q));
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

// A ".UNITS" record: the file's unit word, upper case, and the factor from
// it to the design's unit, for the records that follow.
template <auto pUnits, auto pScale, double (*scaleOf)(std::string, std::string)>
void ReadUnits(ClassOf<pUnits>& object, Group& record, const ParseContext& ctx)
{
    StoreUpper<pUnits>(object, record, ctx);
    const std::string design(ctx.sDesignUnits);
    object.*pScale = design == object.*pUnits ? 1.0 : scaleOf(design, object.*pUnits);
}

// Hands the group to a parse operation of an owned array (pArray) that
// takes the level of the group's keyword line first.
template <auto pArray, auto pSetData, int nLevel = 1>
void HandOn(ClassOf<pArray>& object, Group& group, const ParseContext& ctx)
{
    ((object.*pArray)->*pSetData)(nLevel, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                  ctx.dScale);
}

// A record that adds one element to an owned array (nets, cells: their
// SetData takes a unit word it does not read).
template <auto pArray>
void AddElement(ClassOf<pArray>& object, Group& record, const ParseContext& ctx)
{
    (object.*pArray)->SetData(record, std::string(), ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

// Moves the elements of one owned array to the end of another's.
template <auto pArray>
void MoveElements(ClassOf<pArray>& from, ClassOf<pArray>& to)
{
    for (auto* element : *(from.*pArray))
        (to.*pArray)->Add(element);
    (from.*pArray)->RemoveAll();
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
