#include <string>

#include <gtest/gtest.h>

#include "shapes/ShapeKeywords.h"

namespace {

int IndexOf(std::string_view keyword)
{
    for (int i = 0; i < ex::kShapeKeywordCount; ++i)
        if (ex::ShapeKeyword(i) == keyword)
            return i;
    return -1;
}

TEST(ShapeKeywords, EveryKeywordFindsItselfSoLongerOnesComeFirst)
{
    for (int i = 0; i < ex::kShapeKeywordCount; ++i) {
        const std::string keyword(ex::ShapeKeyword(i));
        EXPECT_EQ(ex::MatchShapeKeyword(keyword, 0), i) << keyword;
        EXPECT_EQ(ex::MatchShapeKeyword(".." + keyword + " x", 2), i) << keyword;
    }
    EXPECT_EQ(ex::ShapeKeyword(-1), "");
    EXPECT_EQ(ex::ShapeKeyword(ex::kShapeKeywordCount), "");
}

TEST(ShapeKeywords, PrefixesAndCase)
{
    EXPECT_EQ(ex::MatchShapeKeyword("RECTX", 0), IndexOf("RECT"));
    EXPECT_EQ(ex::MatchShapeKeyword("ROUND_DOUNT", 0), IndexOf("ROUND"));
    EXPECT_EQ(ex::MatchShapeKeyword("SQUARE_DOUNT", 0), IndexOf("SQUARE"));
    EXPECT_EQ(ex::MatchShapeKeyword("OCTAGONAL_FINGER", 0), IndexOf("OCTAGONAL_FINGER"));
    EXPECT_EQ(ex::MatchShapeKeyword("octagon", 0), IndexOf("OCTAGON"));
    EXPECT_EQ(ex::MatchShapeKeyword("  ...Polyline_Path  ", 3), IndexOf("POLYLINE_PATH"));
    EXPECT_EQ(ex::MatchShapeKeyword("CIRCLE", 0), -1);
    EXPECT_EQ(ex::MatchShapeKeyword("", 0), -1);
    EXPECT_EQ(ex::MatchShapeKeyword("...", 3), -1);
    EXPECT_EQ(ex::MatchShapeKeyword("ROUND", -1), -1);
}

TEST(ShapeKeywords, ExactlyTheGivenNumberOfDots)
{
    EXPECT_TRUE(ex::IsShapeLine(".ROUND", 1));
    EXPECT_TRUE(ex::IsShapeLine("..round", 2));
    EXPECT_TRUE(ex::IsShapeLine("....SLOT", 4));
    EXPECT_FALSE(ex::IsShapeLine("..ROUND", 3));
    EXPECT_FALSE(ex::IsShapeLine("...ROUND", 2));
    EXPECT_FALSE(ex::IsShapeLine(".ROUND", 0));
    EXPECT_FALSE(ex::IsShapeLine("ROUND", 1));
}

TEST(ShapeKeywords, DimensionDataCanBeLeftOut)
{
    EXPECT_EQ(ex::MatchShapeKeyword(".DIMENSION_DATA", 1), ex::kDimensionDataKeyword);
    EXPECT_EQ(ex::ShapeKeyword(ex::kDimensionDataKeyword), "DIMENSION_DATA");
    EXPECT_FALSE(ex::IsShapeLine(".DIMENSION_DATA", 1, false));
    EXPECT_FALSE(ex::IsShapeLine(".dimension_data x", 1, false));
    EXPECT_TRUE(ex::IsShapeLine(".POLYARC_SHAPE", 1, false));
}

} // namespace
