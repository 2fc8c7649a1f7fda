#include <gtest/gtest.h>

#include <string>

#include "support/Records.h"

namespace {

using test::Lines;

// The first line, trimmed, gives keyword, value and level; the others are
// kept as they were; the record is taken; an empty record logs nothing.
TEST(CExTemporaryArray, LogsTheFirstLineAndKeepsTheRest)
{
    const struct {
        Lines record;
        const char* entry;
    } rows[] = {
        {{"..FOO 1 2", "...BAR x", "  raw line  "}, "..FOO|1 2|2|ctx|4|...BAR x|  raw line  "},
        {{".X"}, ".X||1|ctx|4"},
        {{" \t ...LAYER   3 \r", "x"}, "...LAYER|3|3|ctx|4|x"},
        {{"......DEEP value"}, "......DEEP|value|5|ctx|4"},
        {{"plain text here"}, "plain|text here|1|ctx|4"},
        {{"   "}, "||1|ctx|4"},
    };
    for (const auto& row : rows)
        for (bool ignore : {false, true}) {
            CExTemporaryArray log;
            Lines record = row.record, empty;
            if (ignore)
                log.SetIgnoreArray(record, "ctx", 4);
            else
                log.SetNoUsedArray(record, "ctx", 4);
            log.SetNoUsedArray(empty, "ctx", 1);
            log.SetIgnoreArray(empty, "ctx", 1);
            EXPECT_TRUE(record.empty());
            EXPECT_EQ(test::Entries(log), Lines{row.entry});
        }
}

} // namespace
