#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"
#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

// A shape group after the caller cut its dots: the keyword line, then its
// parameters one level down. Checks that the lines were all taken and that
// nothing was logged; "" when no shape was made.
std::string Make(Lines record, double dScale = 2.0)
{
    test::Logs logs;
    std::unique_ptr<CExDrawObj> shape(
        CExDrawObjArray::SetMakeDObj(2, record, "MM", 0, &logs.ignore, &logs.notUsed, dScale));
    EXPECT_TRUE(record.empty());
    EXPECT_TRUE(logs.ignore.IsEmpty() && logs.notUsed.IsEmpty());
    return shape ? test::Object(*shape) : "";
}

// Every keyword makes its class, whose own parameters are read and scaled;
// one row per case.
TEST(Shape, KeywordsMakeTheirClassAndReadTheirParameters)
{
    const Lines dimensioned = {".CENTER_POINT (1, 1)", ".DIMENSION_POINT (2, 2)", ".DIMENSIONED_BY 3",
                               ".END_POINT (3, 3)",    ".FEATURE EDGE",           ".START_POINT (4, 4)",
                               ".TRAVERSE X"};
    auto with = [](Lines head, const Lines& tail) {
        head.insert(head.end() - 1, tail.begin(), tail.end());
        return head;
    };
    const struct {
        Lines record;
        const char* expected;
    } rows[] = {
        {{"4_WEB_ROUND_THERMAL_45", ".THERMAL_CLEARANCE 0.5", ".TIE_LEG_WIDTH 0.25", ".DIAMETER 3"},
         "CExF4_web_round_thermal_45{sShapeType=F4_WEB_ROUND_THERMAL_45 dThermalClearance=1 dTieLegWidth=0.5 "
         "dDiameter=6}"},
        {{"4_WEB_SQUARE_THERMAL_45", ".DIAMETER 2"},
         "CExF4_web_round_thermal_45{sShapeType=F4_WEB_ROUND_THERMAL_45 dDiameter=4}"},
        {{"CHAMFERED_RECTANGLE", ".CHAMFER 0.25", ".HEIGHT 1", ".WIDTH 2"},
         "CExChamfered_Rect{sShapeType=CHAMFERED_RECT dHeight=2 dWidth=4 dChamfer=0.5}"},
        {{"CIRCLE_PATH", ".RADIUS 1", ".XY (1, 2)", ".WIDTH 0.5"},
         "CExCircle_Path{sShapeType=CIRCLE_PATH dRadius=2 aXY=(2,4) dWidth=1}"},
        {{"CIRCLE_SHAPE", ".SHAPE_OPTIONS FILLED", ".XY (1, 2)", ".RADIUS 3"},
         "CExCircle_Shape{sShapeType=CIRCLE_SHAPE saShapeOptions=[FILLED] aXY=(2,4) dRadius=6}"},
        // Case and quotes of texts as written; a count is not scaled.
        {{"DIMENSION_DATA", ".TRAVERSE Horizontal", ".FEATURE \"Pad Edge\"", ".DIMENSION_POINT (1, 2)",
          ".CENTER_POINT (1.0, 2.0)", ".END_POINT 5, 6", ".START_POINT (7,8)", ".DIMENSIONED_BY 7.9"},
         "CExDimension_Data{sShapeType=DIMENSION_DATA sTraverse=Horizontal sFeature=\"Pad Edge\" "
         "ptDimensionPoint=(2,4) ptCenterPoint=(2,4) ptEndPoint=(10,12) ptStartPoint=(14,16) nDimensionedBy=7}"},
        // Oblongs and octagons read past dimension lines.
        {with({"OBLONG", ".HEIGHT 1.5", ".WIDTH 2.5"}, dimensioned), "CExOblong{sShapeType=OBLONG dHeight=3 dWidth=5}"},
        {with({"OCTAGON", ".HEIGHT 1.5", ".WIDTH 2.5"}, dimensioned), "CExOctagon{sShapeType=OCTAGON dHeight=3 dWidth=5}"},
        {with({"OCTAGONAL_FINGER", ".HEIGHT 1.5", ".WIDTH 2.5"}, dimensioned),
         "CExOctagonal_Finger{sShapeType=OCTAGONAL_FINGER dHeight=3 dWidth=5}"},
        {{"ELONGATED_OCTAGON", ".WIDTH 3"}, "CExOctagon{sShapeType=OCTAGON dWidth=6}"},
        {{"POLYARC_PATH", ".XYR (0, 0, 0) (1, 1, 0.5)", ".WIDTH 0.5"},
         "CExPolyarc_Path{sShapeType=POLYARC_PATH aXYR=(0,0)(2,2,1) dWidth=1}"},
        {{"POLYARC_SHAPE", ".SHAPE_OPTIONS B", ".XYR (1, 2, 3)"},
         "CExPolyarc_Shape{sShapeType=POLYARC_SHAPE saShapeOptions=[B] aXYR=(2,4,6)}"},
        {{"POLYLINE_PATH", ".XY (0, 0) (1, 1)", ".WIDTH 0.5", ".DISPLAY_WIDTH 1"},
         "CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(2,2) dWidth=1 dDisplayWidth=2 bDisplayWidth=1}"},
        {{"POLYLINE_SHAPE", ".SHAPE_OPTIONS A", ".XY (0, 0) (1, 1) (0, 1)"},
         "CExPolyline_Shape{sShapeType=POLYLINE_SHAPE saShapeOptions=[A] aXY=(0,0)(2,2)(0,2)}"},
        {{"RADIUS_CORNER_RECTANGLE", ".RADIUS 0.25", ".HEIGHT 1", ".WIDTH 2"},
         "CExRadius_Corner_Rectangle{sShapeType=RADIUS_CORNER_RECTANGLE dRadius=0.5 dHeight=2 dWidth=4}"},
        {{"RECT_PATH", ".XY (0, 0) (4, 3)", ".WIDTH 0.5"}, "CExRect_Path{sShapeType=RECT_PATH aXY=(0,0)(8,6) dWidth=1}"},
        // A rect shape reads past a display width; point lines append in order.
        {{"RECT_SHAPE", ".XY (0, 0)", ".DISPLAY_WIDTH 1", ".SHAPE_OPTIONS C", ".XY (4, 3)"},
         "CExRect_Shape{sShapeType=RECT_SHAPE saShapeOptions=[C] aXY=(0,0)(8,6)}"},
        {{"RECTANGLE", ".HEIGHT 1.5", ".WIDTH 2.5"}, "CExRectangle{sShapeType=RECTANGLE dHeight=3 dWidth=5}"},
        {{"RECT", ".HEIGHT 1"}, "CExRectangle{sShapeType=RECTANGLE dHeight=2}"},
        {{"ROUND_DONUT", ".DIAMETER 1", ".THERMAL_CLEARANCE 0.25"},
         "CExRoundDonut{sShapeType=ROUND_DOUNT dDiameter=2 dThermalClearance=0.5}"},
        {{"ROUND_FINGER", ".HEIGHT 1.5", ".WIDTH 2.5"}, "CExRound_Finger{sShapeType=ROUND_FINGER dHeight=3 dWidth=5}"},
        {{"ROUND", ".DIAMETER 2"}, "CExRound{sShapeType=ROUND dDiameter=4}"},
        {{"SLOT", ".HEIGHT 1.5", ".WIDTH 2.5"}, "CExSlot{sShapeType=SLOT dHeight=3 dWidth=5}"},
        {{"SQUARE_DONUT", ".WIDTH 1", ".THERMAL_CLEARANCE 0.25"},
         "CExSquare_Dount{sShapeType=SQUARE_DOUNT dWidth=2 dThermalClearance=0.5}"},
        {{"SQUARE", ".WIDTH 2"}, "CExSquare{sShapeType=SQUARE dWidth=4}"},
        // The first keyword that begins the line wins; keywords in any case.
        {{"RECTX", ".height 1"}, "CExRectangle{sShapeType=RECTANGLE dHeight=2}"},
        {{"ROUND_DOUNT"}, "CExRound{sShapeType=ROUND}"},
        {{"SQUARE_DOUNT"}, "CExSquare{sShapeType=SQUARE}"},
        {{"  polyline_shape  ", ".xy (4, 5)", ".XY(6,7)"}, "CExPolyline_Shape{sShapeType=POLYLINE_SHAPE aXY=(8,10)(12,14)}"},
        // ".XYR" is not an ".XY" line, nor the other way round.
        {{"POLYLINE_PATH", ".XYR (1, 2, 3)", ".XY (4, 5)"}, "CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(8,10)}"},
        {{"POLYARC_PATH", ".XY (1, 2)", ".xyr(3, 4, 5)"}, "CExPolyarc_Path{sShapeType=POLYARC_PATH aXYR=(6,8,10)}"},
        // The ten common keywords are accepted by every class, stored by some.
        {{"CHAMFERED_RECTANGLE", ".DIAMETER 9", ".HEIGHT 1", ".RADIUS 9", ".SHAPE_OPTIONS X", ".XYR (9, 9, 9)",
          ".XY (9, 9)", ".WIDTH 1", ".TIE_LEG_WIDTH 9", ".THERMAL_CLEARANCE 9", ".STYLE SOLID", ".CHAMFER 1"},
         "CExChamfered_Rect{sShapeType=CHAMFERED_RECT dHeight=2 dWidth=2 dChamfer=2}"},
        {{"ROUND", ".WIDTH 3", ".HEIGHT 4", ".DIAMETER 2"}, "CExRound{sShapeType=ROUND dDiameter=4}"},
        // The first keyword a class does not know drops the rest.
        {{"RECTANGLE", ".HEIGHT 2", ".NOT_A_SHAPE_KEYWORD 1", ".WIDTH 3"},
         "CExRectangle{sShapeType=RECTANGLE dHeight=4}"},
        {{"ROUND", ".CHAMFER 1", ".DIAMETER 2"}, "CExRound{sShapeType=ROUND}"},
        {{"RECT_PATH", ".DISPLAY_WIDTH 1", ".XY (1, 1)"}, "CExRect_Path{sShapeType=RECT_PATH}"},
        {{"OBLONG", ".CHAMFER 1", ".WIDTH 2"}, "CExOblong{sShapeType=OBLONG}"},
        {{"SQUARE", ".FEATURE a", ".WIDTH 2"}, "CExSquare{sShapeType=SQUARE}"},
        {{"ROUND", "DIAMETER 1", ".DIAMETER 2"}, "CExRound{sShapeType=ROUND}"},
        // A display width of 0 still sets the flag.
        {{"POLYLINE_PATH", ".DISPLAY_WIDTH 0"}, "CExPolyline_Path{sShapeType=POLYLINE_PATH bDisplayWidth=1}"},
        // Bad values read as 0, or infinite; a bare keyword is its own value.
        {{"RECTANGLE", ".HEIGHT", ".WIDTH abc"}, "CExRectangle{sShapeType=RECTANGLE}"},
        {{"ROUND", ".DIAMETER 1e999"}, "CExRound{sShapeType=ROUND dDiameter=inf}"},
        {{"ROUND", ".DIAMETER  1.5mm  "}, "CExRound{sShapeType=ROUND dDiameter=3}"},
        {{"ROUND", std::string(".DIAMETER 4\0junk", 16)}, "CExRound{sShapeType=ROUND dDiameter=8}"},
        {{"DIMENSION_DATA", ".DIMENSIONED_BY 99999999999", ".CENTER_POINT", ".FEATURE"},
         "CExDimension_Data{sShapeType=DIMENSION_DATA sFeature=.FEATURE nDimensionedBy=2147483647}"},
        // Empty parentheses and a missing comma add no point; a bare keyword
        // reads as one point at the origin.
        {{"POLYLINE_SHAPE", ".XY ()", ".XY (1 2)", ".XY ( )"}, "CExPolyline_Shape{sShapeType=POLYLINE_SHAPE}"},
        {{"POLYLINE_SHAPE", ".XY"}, "CExPolyline_Shape{sShapeType=POLYLINE_SHAPE aXY=(0,0)}"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Make(row.record), row.expected) << row.record[0];

    // No shape for an empty or unknown group; the dots are the caller's to remove.
    for (const Lines& record : {Lines{}, Lines{"CIRCLE", ".RADIUS 1"}, Lines{"..ROUND", ".DIAMETER 1"}, Lines{""}})
        EXPECT_EQ(Make(record), "") << (record.empty() ? "" : record[0]);
}

TEST(Shape, BlocksOfShapesAtTheirLevel)
{
    CExDrawObjArray array;
    test::Logs logs;
    Lines one = {".ROUND", "..DIAMETER 1", ".TEXT abc", ".SQUARE", "..WIDTH 2"};
    array.SetDObjData_InCell(1, one, "MM", 0, &logs.ignore, &logs.notUsed, 1.0);
    EXPECT_TRUE(one.empty());
    EXPECT_TRUE(logs.ignore.IsEmpty() && logs.notUsed.IsEmpty());
    EXPECT_EQ(test::Items(array), "CExRound{sShapeType=ROUND dDiameter=1} CExSquare{sShapeType=SQUARE dWidth=2}");

    CExDrawObjArray two;
    Lines block = {
        "  ..RECTANGLE  ", "...HEIGHT 2", "...FOO", "...WIDTH 3",  // the stop rule ends only this shape
        "", "..round", ".SIDE TOP", "...DIAMETER 1",                // a shallower line is skipped, not a break
        "..CIRCLE", "...RADIUS 1",                                  // no such shape
        "..POLYLINE_PATH", "...XY (0, 0) (1,", "ab5)",              // continuation: cut, then joined
        "..SLOT",
    };
    two.SetDObjData_InCell(2, block, "MM", 0, nullptr, nullptr, 10.0);
    Lines more = {"..OBLONG"}, none;  // appends; an empty block adds nothing
    two.SetDObjData_InCell(2, more, "", 0, nullptr, nullptr, 1.0);
    two.SetDObjData_InCell(2, none, "", 0, nullptr, nullptr, 1.0);
    EXPECT_TRUE(block.empty());
    // "ab5)" lost two characters before the join.
    EXPECT_EQ(test::Items(two), "CExRectangle{sShapeType=RECTANGLE dHeight=20} CExRound{sShapeType=ROUND dDiameter=10} "
                           "CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(10,50)} CExSlot{sShapeType=SLOT} "
                           "CExOblong{sShapeType=OBLONG}");

    // An assembly outline's shapes all get its side.
    CExDrawObjArray sided;
    Lines first = {"...ROUND"};
    sided.SetDObjData_InCell(3, first, "", 0, nullptr, nullptr, 1.0);
    Lines assembly = {"...POLYLINE_PATH", "....XY (0, 0) (1, 1)", "....WIDTH 0.5", "...RECT_SHAPE",
                      "....XY (0, 0) (2, 2)", "...UNKNOWN"};
    sided.SetDObjData_Assembly(3, "TOP", assembly, "MM", 0, nullptr, nullptr, 2.0);
    EXPECT_TRUE(assembly.empty());
    EXPECT_EQ(test::Items(sided), "CExRound{sShapeType=ROUND} "
                             "CExPolyline_Path{sSide=TOP sShapeType=POLYLINE_PATH aXY=(0,0)(2,2) dWidth=1} "
                             "CExRect_Shape{sSide=TOP sShapeType=RECT_SHAPE aXY=(0,0)(4,4)}");
}

TEST(ShapeKeywords, MatchingRules)
{
    // Every keyword finds itself, so longer ones come before their prefixes.
    for (int i = 0; i < ex::kShapeKeywordCount; ++i) {
        const std::string keyword(ex::ShapeKeyword(i));
        EXPECT_EQ(ex::MatchShapeKeyword(keyword, 0), i) << keyword;
        EXPECT_EQ(ex::MatchShapeKeyword("  .." + keyword + " x", 2), i) << keyword;
    }
    EXPECT_EQ(ex::ShapeKeyword(-1), "");
    EXPECT_EQ(ex::ShapeKeyword(ex::kShapeKeywordCount), "");
    for (const char* line : {"CIRCLE", "", "...", "."})
        EXPECT_EQ(ex::MatchShapeKeyword(line, 3), -1) << line;
    EXPECT_EQ(ex::MatchShapeKeyword("ROUND", -1), -1);

    // Exactly the given number of dots.
    EXPECT_TRUE(ex::IsShapeLine("..round", 2));
    EXPECT_TRUE(ex::IsShapeLine("....SLOT", 4));
    EXPECT_FALSE(ex::IsShapeLine("..ROUND", 3));
    EXPECT_FALSE(ex::IsShapeLine("...ROUND", 2));
    EXPECT_FALSE(ex::IsShapeLine(".ROUND", 0));
    EXPECT_FALSE(ex::IsShapeLine("ROUND", 1));

    // Dimension data can be left out.
    EXPECT_EQ(ex::MatchShapeKeyword(".DIMENSION_DATA", 1), ex::kDimensionDataKeyword);
    EXPECT_EQ(ex::ShapeKeyword(ex::kDimensionDataKeyword), "DIMENSION_DATA");
    EXPECT_TRUE(ex::IsShapeLine(".DIMENSION_DATA", 1));
    EXPECT_FALSE(ex::IsShapeLine(".dimension_data x", 1, false));
    EXPECT_TRUE(ex::IsShapeLine(".POLYARC_SHAPE", 1, false));
}

} // namespace
