#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "layout/ExText.h"
#include "support/TestSupport.h"

namespace {

struct TextFixture {
    CExTextArray texts;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

    CExText* Parse(int nLevel, test::Lines record, double dScale = 1.0)
    {
        texts.SetTextData(nLevel, record, "ctx", 7, &ignoreLog, &notUsedLog, dScale);
        EXPECT_TRUE(record.empty());
        return texts.GetLastElement();
    }
};

} // namespace

TEST(Text, TopLevelRecordFillsEveryField)
{
    TextFixture f;
    CExText* t = f.Parse(1,
                         {".TEXT \"REF1\" R\"1\"", "..TEXT_TYPE \"RefDes\"", "..TEXT_TYPE Other", "..XY (1, 2)",
                          "..ROTATION 90", "..HEIGHT 2", "..STROKE_WIDTH 0.1", "..WIDTH 0.5", "..HORZ_JUST Center",
                          "..VERT_JUST Bottom", "..USER_LYR \"Assembly Top\"", "..TEXT_LYR SILK_TOP",
                          "..FONT \"Std Font\"", "..TEXT_OPTIONS Mirrored", "..PID 12", "..SOURCE x",
                          "..DISPLAY_ATTR y", "...DISPLAY_CONDITION Visible"},
                         25.4);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(f.texts.GetSize(), 1);
    EXPECT_EQ(t->sText, "REF1");
    EXPECT_EQ(t->sTextValue, "R1");
    EXPECT_EQ(t->sTextType, "RefDes");  // the first one wins
    ASSERT_EQ(t->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(t->ptsPosition[0].dX, 25.4);
    EXPECT_DOUBLE_EQ(t->ptsPosition[0].dY, 50.8);
    EXPECT_DOUBLE_EQ(t->dRotation, 90.0);  // angles are not scaled
    EXPECT_DOUBLE_EQ(t->dHeight, 50.8);
    EXPECT_DOUBLE_EQ(t->dStrokeWidth, 0.1 * 25.4);
    EXPECT_DOUBLE_EQ(t->dWidth, 0.5 * 25.4);
    EXPECT_EQ(t->sHorzJust, "Center");
    EXPECT_EQ(t->sVertJust, "Bottom");
    EXPECT_EQ(t->sUserLayer, "Assembly Top");
    EXPECT_EQ(t->sTextLayer, "SILK_TOP");
    EXPECT_EQ(t->sFont, "Std Font");
    EXPECT_EQ(t->sTextOptions, "Mirrored");
    EXPECT_EQ(t->sDisplayCondition, "Visible");
    EXPECT_TRUE(t->pTextArray != nullptr && t->pTextArray->IsEmpty());
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
    EXPECT_TRUE(f.ignoreLog.IsEmpty());
}

TEST(Text, KeywordOrderAndOverwrites)
{
    TextFixture f;
    // A stroke width is not a width; ".TEXT_LYR" is not a dropped ".TEXT"
    // line; keywords match in any case and values keep theirs; later values
    // replace earlier ones; positions accumulate.
    CExText* t = f.Parse(1,
                         {".TEXT \"A\"", "..stroke_width 3", "..text_lyr Silk", "..HEIGHT 1", "..HEIGHT 4", "..XY 1, 1",
                          "..XY (2, 2)"},
                         2.0);
    ASSERT_NE(t, nullptr);
    EXPECT_DOUBLE_EQ(t->dStrokeWidth, 6.0);
    EXPECT_DOUBLE_EQ(t->dWidth, 0.0);
    EXPECT_EQ(t->sTextLayer, "Silk");
    EXPECT_DOUBLE_EQ(t->dHeight, 8.0);
    ASSERT_EQ(t->ptsPosition.GetSize(), 2);
    EXPECT_DOUBLE_EQ(t->ptsPosition[1].dX, 4.0);
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
}

TEST(Text, KeywordLineVariants)
{
    TextFixture f;
    CExText* t = f.Parse(1, {".TEXT \"ABC\""});
    EXPECT_EQ(t->sText, "ABC");
    EXPECT_EQ(t->sTextValue, "ABC");

    t = f.Parse(1, {"  .TEXT   \"A B\"   \"x\" y  "});
    EXPECT_EQ(t->sText, "A B");
    EXPECT_EQ(t->sTextValue, "x y");

    t = f.Parse(1, {".TEXT plain words"});
    EXPECT_EQ(t->sText, "");
    EXPECT_EQ(t->sTextValue, "plain words");

    // An unclosed quote: nothing is quoted.
    t = f.Parse(1, {".TEXT \"open"});
    EXPECT_EQ(t->sText, "");
    EXPECT_EQ(t->sTextValue, "open");

    EXPECT_EQ(f.texts.GetSize(), 4);
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
}

TEST(Text, StringPairs)
{
    TextFixture f;
    CExText* t = f.Parse(
        1, {".TEXT \"A\"", "..STRING_PAIRS \"Name\",\"Value\",\"extra\"", "..STRING_PAIRS Lonely", "..STRING_PAIRS ,,"});
    // The blank after the keyword stays with the name.
    EXPECT_EQ(t->saStringPairNames, (test::Lines{" Name", " Lonely", " "}));
    EXPECT_EQ(t->saStringPairValues, (test::Lines{"Value"}));
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
}

TEST(Text, GroupsAtDeeperLevels)
{
    TextFixture f;
    // An assembly outline's "..TEXT" group.
    CExText* t = f.Parse(
        2, {"..TEXT \"OUT\"", "...TEXT_TYPE Label", "...HEIGHT 1.5", "....DISPLAY_CONDITION On", "...XY 3, 4"});
    EXPECT_EQ(t->sText, "OUT");
    EXPECT_EQ(t->sTextType, "Label");
    EXPECT_DOUBLE_EQ(t->dHeight, 1.5);
    EXPECT_EQ(t->sDisplayCondition, "On");
    ASSERT_EQ(t->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(t->ptsPosition[0].dY, 4.0);

    // A pin's "...TEXT" group.
    t = f.Parse(3, {"...TEXT \"1\"", "....ROTATION 45", "....TEXT_LYR PIN_NUM", ".....DISPLAY_CONDITION Always",
                    "....DISPLAY_CONDITION Never"});
    EXPECT_EQ(t->sText, "1");
    EXPECT_DOUBLE_EQ(t->dRotation, 45.0);
    EXPECT_EQ(t->sTextLayer, "PIN_NUM");
    EXPECT_EQ(t->sDisplayCondition, "Always");
    // The level-4 display condition reads at level 1 after the cut: not taken.
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sKeyword, "....DISPLAY_CONDITION");
    EXPECT_EQ(f.texts.GetSize(), 2);
}

TEST(Text, LeftoverLinesAreLoggedOnceInOrder)
{
    TextFixture f;
    CExText* t = f.Parse(1, {".TEXT \"A\"", "..DISPLAY_CONDITION Low", "..HEIGHT 1", "..UNKNOWN_ONE a", "..FONT F", "",
                             "..UNKNOWN_TWO b"});
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->sDisplayCondition, "");
    EXPECT_EQ(t->sFont, "F");
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    const CExTemporary* e = f.notUsedLog.GetAt(0);
    EXPECT_EQ(e->sKeyword, "..DISPLAY_CONDITION");
    EXPECT_EQ(e->sValue, "Low");
    EXPECT_EQ(e->nLevel, 2);
    EXPECT_EQ(e->sContext, "ctx");
    EXPECT_EQ(e->nFlag, 7);
    EXPECT_EQ(e->saLines, (test::Lines{"..UNKNOWN_ONE a", "", "..UNKNOWN_TWO b"}));
    EXPECT_TRUE(f.ignoreLog.IsEmpty());

    // Many leftovers: all kept in order, nothing lost in the compaction.
    test::Lines big{".TEXT \"B\""};
    const int n = 200000;
    for (int i = 0; i < n; ++i)
        big.push_back(i % 2 ? "..HEIGHT 2" : "..NOTE " + std::to_string(i));
    f.Parse(1, std::move(big));
    ASSERT_EQ(f.notUsedLog.GetSize(), 2);
    const CExTemporary* b = f.notUsedLog.GetAt(1);
    EXPECT_EQ(b->sKeyword, "..NOTE");
    EXPECT_EQ(b->sValue, "0");
    ASSERT_EQ(b->saLines.size(), static_cast<std::size_t>(n / 2 - 1));
    EXPECT_EQ(b->saLines.front(), "..NOTE 2");
    EXPECT_EQ(b->saLines.back(), "..NOTE " + std::to_string(n - 2));
    EXPECT_DOUBLE_EQ(f.texts.GetLastElement()->dHeight, 2.0);
}

TEST(Text, OddInput)
{
    TextFixture f;
    test::Lines empty;
    f.texts.SetTextData(1, empty, "ctx", 0, &f.ignoreLog, &f.notUsedLog, 1.0);
    EXPECT_TRUE(f.texts.IsEmpty());

    CExText* t = f.Parse(1, {".TEXT \"A\"", "..HEIGHT abc", "..WIDTH 1e999", "..XY", "..ROTATION",
                             std::string("..FONT A\0B", 10)},
                         2.0);
    ASSERT_NE(t, nullptr);
    EXPECT_DOUBLE_EQ(t->dHeight, 0.0);
    EXPECT_TRUE(std::isinf(t->dWidth));
    EXPECT_DOUBLE_EQ(t->dRotation, 0.0);
    EXPECT_EQ(t->sFont, std::string("A\0B", 3));

    // Null logs and a level beyond the line length do not crash.
    test::Lines record{".TEXT \"Z\"", "..X", "..Y"};
    f.texts.SetTextData(50, record, "ctx", 0, nullptr, nullptr, 1.0);
    EXPECT_TRUE(record.empty());
    EXPECT_EQ(f.texts.GetLastElement()->sText, "Z");
    EXPECT_EQ(f.texts.GetSize(), 2);
}
