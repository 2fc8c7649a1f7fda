#include <gtest/gtest.h>

#include <string>

#include "core/ExTemporary.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

TEST(CExTemporaryArray, LogsTheFirstLineAndKeepsTheRest)
{
    CExTemporaryArray log;
    Lines record{"..FOO 1 2", "...BAR x", "  raw line  "};
    log.SetNoUsedArray(record, ".CELL \"c1\"", 1);
    EXPECT_TRUE(record.empty());
    ASSERT_EQ(log.GetSize(), 1);
    const CExTemporary* e = log.GetAt(0);
    EXPECT_EQ(e->sKeyword, "..FOO");
    EXPECT_EQ(e->sValue, "1 2");
    EXPECT_EQ(e->nLevel, 2);
    EXPECT_EQ(e->sContext, ".CELL \"c1\"");
    EXPECT_EQ(e->nFlag, 1);
    EXPECT_EQ(e->saLines, (Lines{"...BAR x", "  raw line  "}));  // as they were

    Lines one{".X"};
    log.SetIgnoreArray(one, "", 0);
    EXPECT_TRUE(one.empty());
    ASSERT_EQ(log.GetSize(), 2);
    EXPECT_EQ(log.GetAt(1)->sKeyword, ".X");
    EXPECT_EQ(log.GetAt(1)->sValue, "");
    EXPECT_EQ(log.GetAt(1)->nLevel, 1);
    EXPECT_TRUE(log.GetAt(1)->saLines.empty());

    // The first line is trimmed before it is taken apart.
    Lines padded{" \t ...LAYER   3 \r", "x"};
    log.SetNoUsedArray(padded, "ctx", 7);
    EXPECT_EQ(log.GetAt(2)->sKeyword, "...LAYER");
    EXPECT_EQ(log.GetAt(2)->sValue, "3");
    EXPECT_EQ(log.GetAt(2)->nLevel, 3);
    EXPECT_EQ(log.GetAt(2)->nFlag, 7);

    Lines six{"......DEEP value"};
    log.SetNoUsedArray(six, "", 0);
    EXPECT_EQ(log.GetAt(3)->nLevel, 5);
    Lines noDot{"plain text here"};
    log.SetNoUsedArray(noDot, "", 0);
    EXPECT_EQ(log.GetAt(4)->nLevel, 1);
    EXPECT_EQ(log.GetAt(4)->sKeyword, "plain");
    EXPECT_EQ(log.GetAt(4)->sValue, "text here");
    Lines blankOnly{"   "};
    log.SetNoUsedArray(blankOnly, "", 0);
    EXPECT_EQ(log.GetAt(5)->sKeyword, "");
    EXPECT_EQ(log.GetAt(5)->nLevel, 1);
}

TEST(CExTemporaryArray, EmptyRecordLogsNothing)
{
    CExTemporaryArray log;
    Lines empty;
    log.SetNoUsedArray(empty, "ctx", 1);
    log.SetIgnoreArray(empty, "ctx", 1);
    EXPECT_EQ(log.GetSize(), 0);
}

TEST(CExTemporaryArray, EntriesKeepTheirOrderAndAreOwned)
{
    auto* log = new CExTemporaryArray;
    for (int i = 0; i < 1000; ++i) {
        Lines r{".K" + std::to_string(i), std::string(200, 'x')};
        log->SetNoUsedArray(r, "", i);
    }
    ASSERT_EQ(log->GetSize(), 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(log->GetAt(i)->nFlag, i);
    delete log;  // the sanitizer build catches entries left behind
}

} // namespace
