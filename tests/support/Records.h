#pragma once

// What the parser tests share: the two logs a parser writes to, a log entry
// as one line of text, and keyword tables run by one loop.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <type_traits>
#include <variant>

#include "core/ExTemporary.h"
#include "support/TestSupport.h"

namespace test {

struct Logs {
    CExTemporaryArray ignore;
    CExTemporaryArray notUsed;
};

// The same lines written nDeeper keyword levels deeper, as a cell holds them.
Lines Deeper(Lines lines, int nDeeper);

// An entry as "keyword|value|level|context|flag", then "|line" for each of
// its further lines.
std::string Entry(const CExTemporary& entry);
Lines Entries(const CExTemporaryArray& log);
Lines Keywords(const CExTemporaryArray& log);

// Hands the record to parse, checks that it was taken whole and returns the
// element the array gained (null when none).
template <class Array, class Parse>
auto Take(Array& array, Lines record, Parse&& parse)
{
    const auto before = array.GetSize();
    parse(record);
    EXPECT_TRUE(record.empty()) << "the record was not taken whole";
    return array.GetSize() > before ? array.GetLastElement() : nullptr;
}

// A record operation that takes the keyword level first, run on the layout
// form of a record moved to nLevel, with context "CTX" and flag 3.
template <class Array, class Op>
auto ReadAtLevel(Array& array, Op op, int nLevel, const Lines& layoutForm, Logs& logs, double dScale = 1.0)
{
    return Take(array, Deeper(layoutForm, nLevel - 1),
                [&](Lines& r) { (array.*op)(nLevel, r, "CTX", 3, &logs.ignore, &logs.notUsed, dScale); });
}

// One row of a keyword table: lines that follow a record's first line, the
// member they set and the value it must hold then.
using Value = std::variant<std::string, int, double, Lines>;
template <class T>
using Member = std::variant<std::string T::*, int T::*, double T::*, Lines T::*>;
template <class T>
struct Row {
    Lines lines;
    Member<T> member;
    Value expected;
};

template <class T>
void ExpectMember(const T& object, const Member<T>& member, const Value& expected, const std::string& row)
{
    std::visit(
        [&](auto pointer) {
            using M = std::remove_cvref_t<decltype(object.*pointer)>;
            const M& got = object.*pointer;
            if constexpr (std::is_same_v<M, double>) {
                if (const int* n = std::get_if<int>(&expected))
                    EXPECT_DOUBLE_EQ(got, *n) << "row " << row;
                else if (const double* d = std::get_if<double>(&expected))
                    EXPECT_DOUBLE_EQ(got, *d) << "row " << row;
                else
                    ADD_FAILURE() << row << ": a number is expected";
            } else if (const M* want = std::get_if<M>(&expected)) {
                EXPECT_EQ(got, *want) << "row " << row;
            } else {
                ADD_FAILURE() << row << ": the expected value has another type than the member";
            }
        },
        member);
}

// Each row's lines after `first`, parsed as a record of their own by
// parse(Lines) -> const T*; the element must hold the row's value.
template <class T, std::size_t N, class Parse>
void ExpectRows(const std::string& first, const Row<T> (&rows)[N], Parse&& parse)
{
    for (const Row<T>& row : rows) {
        std::string name;
        for (const std::string& line : row.lines)
            name += (name.empty() ? "" : " / ") + line;
        Lines record{first};
        record.insert(record.end(), row.lines.begin(), row.lines.end());
        const T* object = parse(record);
        if (object == nullptr)
            ADD_FAILURE() << name << ": nothing was made";
        else
            ExpectMember(*object, row.member, row.expected, name);
    }
}

} // namespace test
