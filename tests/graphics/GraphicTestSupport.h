#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/ExTemporary.h"
#include "support/TestSupport.h"

namespace gfxtest {

// The same lines written nDeeper keyword levels deeper, as a cell holds them.
inline test::Lines Deeper(test::Lines lines, int nDeeper)
{
    for (std::string& line : lines)
        if (!line.empty() && line[0] == '.')
            line.insert(0, static_cast<std::size_t>(nDeeper), '.');
    return lines;
}

struct Logs {
    CExTemporaryArray ignore;
    CExTemporaryArray notUsed;
};

// Runs a record operation on the layout form of a record moved to nLevel;
// returns the element it appended (null when none).
template <class Array, class Op>
auto Read(Array& array, Op op, int nLevel, const test::Lines& layoutForm, Logs& logs, double dScale = 1.0)
{
    const auto before = array.GetSize();
    test::Lines record = Deeper(layoutForm, nLevel - 1);
    (array.*op)(nLevel, record, "CTX", 3, &logs.ignore, &logs.notUsed, dScale);
    EXPECT_TRUE(record.empty());
    return array.GetSize() > before ? array.GetLastElement() : nullptr;
}

inline void ExpectLogged(const CExTemporaryArray& log, std::int64_t i, const std::string& keyword,
                         const std::string& value, const test::Lines& lines)
{
    const CExTemporary* entry = log.GetAt(i);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->sKeyword, keyword);
    EXPECT_EQ(entry->sValue, value);
    EXPECT_EQ(entry->nLevel, 1);
    EXPECT_EQ(entry->saLines, lines);
    EXPECT_EQ(entry->sContext, "CTX");
    EXPECT_EQ(entry->nFlag, 3);
}

} // namespace gfxtest
