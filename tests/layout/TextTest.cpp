#include <gtest/gtest.h>

#include <string>

#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

struct Texts {
    CExTextArray texts;
    test::Logs logs;

    CExText* Parse(int nLevel, Lines record, double dScale = 1.0)
    {
        return test::Take(texts, record, [&](Lines& r) {
            texts.SetTextData(nLevel, r, "ctx", 7, &logs.ignore, &logs.notUsed, dScale);
        });
    }
};

} // namespace

TEST(Text, EveryKeyword)
{
    using T = CExText;
    const test::Row<T> rows[] = {
        {{}, &T::sText, "REF1"},
        {{}, &T::sTextValue, "R1"},
        {{"..TEXT_TYPE \"RefDes\"", "..TEXT_TYPE Other"}, &T::sTextType, "RefDes"},  // the first one wins
        {{"..ROTATION 90"}, &T::dRotation, 90},  // angles are not scaled
        {{"..HEIGHT 2"}, &T::dHeight, 5.0},
        {{"..HEIGHT 1", "..HEIGHT 4"}, &T::dHeight, 10.0},  // later values replace earlier ones
        {{"..STROKE_WIDTH 0.1"}, &T::dStrokeWidth, 0.25},
        {{"..stroke_width 0.1"}, &T::dWidth, 0},  // a stroke width is not a width
        {{"..WIDTH 0.5"}, &T::dWidth, 1.25},
        {{"..HORZ_JUST Center"}, &T::sHorzJust, "Center"},
        {{"..VERT_JUST Bottom"}, &T::sVertJust, "Bottom"},
        {{"..USER_LYR \"Assembly Top\""}, &T::sUserLayer, "Assembly Top"},
        {{"..TEXT_LYR SILK_TOP"}, &T::sTextLayer, "SILK_TOP"},
        {{"..text_lyr Silk"}, &T::sTextLayer, "Silk"},  // not a dropped ".TEXT" line
        {{"..FONT \"Std Font\""}, &T::sFont, "Std Font"},
        {{"..TEXT_OPTIONS Mirrored"}, &T::sTextOptions, "Mirrored"},
        {{"..DISPLAY_ATTR y", "...DISPLAY_CONDITION Visible"}, &T::sDisplayCondition, "Visible"},
        {{"..PID 12", "..SOURCE x"}, &T::sDisplayCondition, ""},
    };
    Texts f;
    test::ExpectRows(".TEXT \"REF1\" R\"1\"", rows, [&](const Lines& r) { return f.Parse(1, r, 2.5); });
    EXPECT_TRUE(f.logs.notUsed.IsEmpty() && f.logs.ignore.IsEmpty());
    EXPECT_EQ(test::Fields(*f.Parse(1, {".TEXT \"A\"", "..XY 1, 1", "..XY (2, 2)"}, 2.0)),
              "sText=A sTextValue=A ptsPosition=(2,2)(4,4)");  // positions accumulate

    // The keyword line: quoted text, and the rest with its quotes removed.
    const struct {
        const char* line;
        const char* expected;
    } lines[] = {
        {".TEXT \"ABC\"", "sText=ABC sTextValue=ABC"},
        {"  .TEXT   \"A B\"   \"x\" y  ", "sText=A B sTextValue=x y"},
        {".TEXT plain words", "sTextValue=plain words"},
        {".TEXT \"open", "sTextValue=open"},  // an unclosed quote: nothing is quoted
    };
    for (const auto& row : lines)
        EXPECT_EQ(test::Fields(*f.Parse(1, {row.line})), row.expected) << row.line;

    // The blank after the keyword stays with a string pair's name.
    EXPECT_EQ(test::Fields(*f.Parse(1, {".TEXT \"A\"", "..STRING_PAIRS \"Name\",\"Value\",\"extra\"",
                                        "..STRING_PAIRS Lonely", "..STRING_PAIRS ,,"})),
              "sText=A sTextValue=A saStringPairNames=[ Name| Lonely| ] saStringPairValues=[Value]");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty());
}

TEST(Text, GroupsAtDeeperLevels)
{
    Texts f;
    // An assembly outline's "..TEXT" group, and a pin's "...TEXT" group.
    EXPECT_EQ(test::Fields(*f.Parse(2, {"..TEXT \"OUT\"", "...TEXT_TYPE Label", "...HEIGHT 1.5",
                                        "....DISPLAY_CONDITION On", "...XY 3, 4"})),
              "sText=OUT sTextValue=OUT sTextType=Label ptsPosition=(3,4) dHeight=1.5 sDisplayCondition=On");
    EXPECT_EQ(test::Fields(*f.Parse(3, {"...TEXT \"1\"", "....ROTATION 45", "....TEXT_LYR PIN_NUM",
                                        ".....DISPLAY_CONDITION Always", "....DISPLAY_CONDITION Never"})),
              "dRotation=45 sText=1 sTextValue=1 sTextLayer=PIN_NUM sDisplayCondition=Always");
    // The level-4 display condition reads at level 1 after the cut: not taken.
    EXPECT_EQ(test::Keywords(f.logs.notUsed), Lines{"....DISPLAY_CONDITION"});
}

TEST(Text, LeftoverLinesAreLoggedOnceInOrder)
{
    Texts f;
    CExText* t = f.Parse(1, {".TEXT \"A\"", "..DISPLAY_CONDITION Low", "..HEIGHT 1", "..UNKNOWN_ONE a", "..FONT F", "",
                             "..UNKNOWN_TWO b"});
    EXPECT_EQ(test::Fields(*t), "sText=A sTextValue=A dHeight=1 sFont=F");
    EXPECT_EQ(test::Entries(f.logs.notUsed),
              Lines{"..DISPLAY_CONDITION|Low|2|ctx|7|..UNKNOWN_ONE a||..UNKNOWN_TWO b"});

    // Many leftovers: all kept in order, nothing lost in the compaction.
    Lines big{".TEXT \"B\""};
    const int n = 200000;
    for (int i = 0; i < n; ++i)
        big.push_back(i % 2 ? "..HEIGHT 2" : "..NOTE " + std::to_string(i));
    EXPECT_DOUBLE_EQ(f.Parse(1, std::move(big))->dHeight, 2.0);
    ASSERT_EQ(f.logs.notUsed.GetSize(), 2);
    const CExTemporary* b = f.logs.notUsed.GetAt(1);
    EXPECT_EQ(b->sKeyword + " " + b->sValue, "..NOTE 0");
    ASSERT_EQ(b->saLines.size(), static_cast<std::size_t>(n / 2 - 1));
    EXPECT_EQ(b->saLines.front(), "..NOTE 2");
    EXPECT_EQ(b->saLines.back(), "..NOTE " + std::to_string(n - 2));
}

TEST(Text, OddInput)
{
    Texts f;
    EXPECT_EQ(f.Parse(1, {}), nullptr);
    EXPECT_EQ(test::Fields(*f.Parse(1, {".TEXT \"A\"", "..HEIGHT abc", "..WIDTH 1e999", "..XY", "..ROTATION",
                                        std::string("..FONT A\0B", 10)},
                                    2.0)),
              "sText=A sTextValue=A ptsPosition=(0,0) dWidth=inf sFont=" + std::string("A\0B", 3));
    // Null logs and a level beyond the line length do not crash.
    Lines record{".TEXT \"Z\"", "..X", "..Y"};
    f.texts.SetTextData(50, record, "ctx", 0, nullptr, nullptr, 1.0);
    EXPECT_TRUE(record.empty());
    EXPECT_EQ(f.texts.GetLastElement()->sText, "Z");
}
