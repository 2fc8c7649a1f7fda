#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/ExTemporary.h"
#include "shapes/ExChamfered_Rect.h"
#include "shapes/ExCircle_Path.h"
#include "shapes/ExCircle_Shape.h"
#include "shapes/ExDimension_Data.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExF4_web_round_thermal_45.h"
#include "shapes/ExOblong.h"
#include "shapes/ExOctagon.h"
#include "shapes/ExOctagonal_Finger.h"
#include "shapes/ExPolyarc_Path.h"
#include "shapes/ExPolyarc_Shape.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExPolyline_Shape.h"
#include "shapes/ExRadius_Corner_Rectangle.h"
#include "shapes/ExRect_Path.h"
#include "shapes/ExRect_Shape.h"
#include "shapes/ExRectangle.h"
#include "shapes/ExRound.h"
#include "shapes/ExRoundDonut.h"
#include "shapes/ExRound_Finger.h"
#include "shapes/ExSlot.h"
#include "shapes/ExSquare.h"
#include "shapes/ExSquare_Dount.h"
#include "support/TestSupport.h"

namespace {

// Runs SetData over the lines and checks that it took them all.
template <class T>
std::unique_ptr<T> Parse(test::Lines lines, double dScale = 1.0)
{
    auto shape = std::make_unique<T>();
    CExTemporaryArray ignoreLog, notUsedLog;
    shape->SetData(lines, "TH", 3, &ignoreLog, &notUsedLog, dScale);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(ignoreLog.IsEmpty());
    EXPECT_TRUE(notUsedLog.IsEmpty());
    return shape;
}

void ExpectPoint(const CExPt& pt, double x, double y, double r = 0.0)
{
    EXPECT_DOUBLE_EQ(pt.dX, x);
    EXPECT_DOUBLE_EQ(pt.dY, y);
    EXPECT_DOUBLE_EQ(pt.dR, r);
}

// A shape that counts its destructions, to see deletion go through the base.
struct Probe : CExDrawObj {
    explicit Probe(int& n) : count(n) {}
    ~Probe() override { ++count; }
    int& count;
};

TEST(DrawObj, DeletionThroughTheBase)
{
    int deleted = 0;
    DeleteDrawObj(nullptr);
    DeleteDrawObj(new Probe(deleted));
    EXPECT_EQ(deleted, 1);
    {
        CExDrawObjArray array;
        array.Add(new Probe(deleted));
        array.Add(nullptr);
        array.Add(new Probe(deleted));
    }
    EXPECT_EQ(deleted, 3);
}

template <class T>
void ExpectHeightWidth(test::Lines lines)
{
    const auto shape = Parse<T>(std::move(lines), 2.0);
    EXPECT_DOUBLE_EQ(shape->dHeight, 3.0);
    EXPECT_DOUBLE_EQ(shape->dWidth, 5.0);
}

TEST(DrawObj, EachClassStoresItsOwnKeywordsScaled)
{
    EXPECT_DOUBLE_EQ(Parse<CExRound>({".DIAMETER 2"}, 25.4)->dDiameter, 50.8);
    EXPECT_DOUBLE_EQ(Parse<CExSquare>({".WIDTH 2"}, 3.0)->dWidth, 6.0);

    const test::Lines heightWidth = {".HEIGHT 1.5", ".WIDTH 2.5"};
    ExpectHeightWidth<CExRectangle>(heightWidth);
    ExpectHeightWidth<CExRound_Finger>(heightWidth);
    ExpectHeightWidth<CExSlot>(heightWidth);
    // Oblongs and octagons read past dimension lines.
    const test::Lines dimensioned = {".HEIGHT 1.5",          ".CENTER_POINT (1, 1)", ".DIMENSION_POINT (2, 2)",
                                     ".DIMENSIONED_BY 3",    ".END_POINT (3, 3)",    ".FEATURE EDGE",
                                     ".START_POINT (4, 4)",  ".TRAVERSE X",          ".WIDTH 2.5"};
    ExpectHeightWidth<CExOblong>(dimensioned);
    ExpectHeightWidth<CExOctagon>(dimensioned);
    ExpectHeightWidth<CExOctagonal_Finger>(dimensioned);

    const auto chamfered = Parse<CExChamfered_Rect>({".CHAMFER 0.25", ".HEIGHT 1", ".WIDTH 2"}, 2.0);
    EXPECT_DOUBLE_EQ(chamfered->dChamfer, 0.5);
    EXPECT_DOUBLE_EQ(chamfered->dHeight, 2.0);
    EXPECT_DOUBLE_EQ(chamfered->dWidth, 4.0);

    const auto radius = Parse<CExRadius_Corner_Rectangle>({".RADIUS 0.25", ".HEIGHT 1", ".WIDTH 2"}, 2.0);
    EXPECT_DOUBLE_EQ(radius->dRadius, 0.5);
    EXPECT_DOUBLE_EQ(radius->dHeight, 2.0);
    EXPECT_DOUBLE_EQ(radius->dWidth, 4.0);

    const auto roundDonut = Parse<CExRoundDonut>({".DIAMETER 1", ".THERMAL_CLEARANCE 0.25"}, 2.0);
    EXPECT_DOUBLE_EQ(roundDonut->dDiameter, 2.0);
    EXPECT_DOUBLE_EQ(roundDonut->dThermalClearance, 0.5);

    const auto squareDonut = Parse<CExSquare_Dount>({".WIDTH 1", ".THERMAL_CLEARANCE 0.25"}, 2.0);
    EXPECT_DOUBLE_EQ(squareDonut->dWidth, 2.0);
    EXPECT_DOUBLE_EQ(squareDonut->dThermalClearance, 0.5);

    const auto thermal =
        Parse<CExF4_web_round_thermal_45>({".THERMAL_CLEARANCE 0.5", ".TIE_LEG_WIDTH 0.25", ".DIAMETER 3"}, 2.0);
    EXPECT_DOUBLE_EQ(thermal->dThermalClearance, 1.0);
    EXPECT_DOUBLE_EQ(thermal->dTieLegWidth, 0.5);
    EXPECT_DOUBLE_EQ(thermal->dDiameter, 6.0);

    const auto circlePath = Parse<CExCircle_Path>({".RADIUS 1", ".XY (1, 2)", ".WIDTH 0.5"}, 2.0);
    EXPECT_DOUBLE_EQ(circlePath->dRadius, 2.0);
    EXPECT_DOUBLE_EQ(circlePath->dWidth, 1.0);
    ASSERT_EQ(circlePath->aXY.GetSize(), 1);
    ExpectPoint(circlePath->aXY[0], 2.0, 4.0);

    const auto circleShape = Parse<CExCircle_Shape>({".SHAPE_OPTIONS FILLED", ".XY (1, 2)", ".RADIUS 3"}, 2.0);
    EXPECT_EQ(circleShape->saShapeOptions, test::Lines{"FILLED"});
    ASSERT_EQ(circleShape->aXY.GetSize(), 1);
    ExpectPoint(circleShape->aXY[0], 2.0, 4.0);
    EXPECT_DOUBLE_EQ(circleShape->dRadius, 6.0);

    const auto polylinePath = Parse<CExPolyline_Path>({".XY (0, 0) (1, 1)", ".WIDTH 0.5", ".DISPLAY_WIDTH 1"}, 2.0);
    ASSERT_EQ(polylinePath->aXY.GetSize(), 2);
    ExpectPoint(polylinePath->aXY[1], 2.0, 2.0);
    EXPECT_DOUBLE_EQ(polylinePath->dWidth, 1.0);
    EXPECT_DOUBLE_EQ(polylinePath->dDisplayWidth, 2.0);
    EXPECT_EQ(polylinePath->bDisplayWidth, 1);

    const auto polylineShape = Parse<CExPolyline_Shape>({".SHAPE_OPTIONS A", ".XY (0, 0) (1, 1) (0, 1)"});
    EXPECT_EQ(polylineShape->saShapeOptions, test::Lines{"A"});
    EXPECT_EQ(polylineShape->aXY.GetSize(), 3);

    const auto polyarcPath = Parse<CExPolyarc_Path>({".XYR (0, 0, 0) (1, 1, 0.5)", ".WIDTH 0.5"}, 2.0);
    ASSERT_EQ(polyarcPath->aXYR.GetSize(), 2);
    ExpectPoint(polyarcPath->aXYR[1], 2.0, 2.0, 1.0);
    EXPECT_DOUBLE_EQ(polyarcPath->dWidth, 1.0);

    const auto polyarcShape = Parse<CExPolyarc_Shape>({".SHAPE_OPTIONS B", ".XYR (1, 2, 3)"});
    EXPECT_EQ(polyarcShape->saShapeOptions, test::Lines{"B"});
    ASSERT_EQ(polyarcShape->aXYR.GetSize(), 1);
    ExpectPoint(polyarcShape->aXYR[0], 1.0, 2.0, 3.0);

    const auto rectPath = Parse<CExRect_Path>({".XY (0, 0) (4, 3)", ".WIDTH 0.5"}, 2.0);
    EXPECT_EQ(rectPath->aXY.GetSize(), 2);
    EXPECT_DOUBLE_EQ(rectPath->dWidth, 1.0);

    // A rect shape reads past a display width; two point lines append in order.
    const auto rectShape =
        Parse<CExRect_Shape>({".XY (0, 0)", ".DISPLAY_WIDTH 1", ".SHAPE_OPTIONS C", ".XY (4, 3)"});
    EXPECT_EQ(rectShape->saShapeOptions, test::Lines{"C"});
    ASSERT_EQ(rectShape->aXY.GetSize(), 2);
    ExpectPoint(rectShape->aXY[0], 0.0, 0.0);
    ExpectPoint(rectShape->aXY[1], 4.0, 3.0);
}

TEST(DrawObj, DimensionDataKeepsTextAndReadsPoints)
{
    const auto dim = Parse<CExDimension_Data>({".TRAVERSE Horizontal", ".FEATURE \"Pad Edge\"",
                                               ".DIMENSION_POINT (1, 2)", ".CENTER_POINT (1.0, 2.0)",
                                               ".END_POINT 5, 6", ".START_POINT (7,8)", ".DIMENSIONED_BY 7.9"},
                                              2.0);
    EXPECT_EQ(dim->sTraverse, "Horizontal");
    EXPECT_EQ(dim->sFeature, "\"Pad Edge\"");  // case and quotes as written
    ExpectPoint(dim->ptDimensionPoint, 2.0, 4.0);
    ExpectPoint(dim->ptCenterPoint, 2.0, 4.0);
    ExpectPoint(dim->ptEndPoint, 10.0, 12.0);
    ExpectPoint(dim->ptStartPoint, 14.0, 16.0);
    EXPECT_EQ(dim->nDimensionedBy, 7);  // an integer, not scaled
}

TEST(DrawObj, TheTenCommonKeywordsAreAcceptedByEveryClass)
{
    const test::Lines common = {".DIAMETER 9",     ".HEIGHT 9",         ".RADIUS 9",
                                ".SHAPE_OPTIONS X", ".XYR (9, 9, 9)",   ".XY (9, 9)",
                                ".WIDTH 9",        ".TIE_LEG_WIDTH 9", ".THERMAL_CLEARANCE 9",
                                ".STYLE SOLID"};
    test::Lines lines = common;
    lines.push_back(".FEATURE f");
    const auto dim = Parse<CExDimension_Data>(lines);
    EXPECT_EQ(dim->sFeature, "f");  // read after all ten

    lines = common;
    lines.push_back(".CHAMFER 1");
    const auto chamfered = Parse<CExChamfered_Rect>(lines);
    EXPECT_DOUBLE_EQ(chamfered->dChamfer, 1.0);

    // Stored by another class, merely accepted here.
    const auto round = Parse<CExRound>({".WIDTH 3", ".HEIGHT 4", ".DIAMETER 2"});
    EXPECT_DOUBLE_EQ(round->dDiameter, 2.0);
}

TEST(DrawObj, FirstUnknownKeywordDropsTheRest)
{
    const auto rect = Parse<CExRectangle>({".HEIGHT 2", ".NOT_A_SHAPE_KEYWORD 1", ".WIDTH 3"});
    EXPECT_DOUBLE_EQ(rect->dHeight, 2.0);
    EXPECT_DOUBLE_EQ(rect->dWidth, 0.0);

    // Keywords that other classes know stop a class that does not.
    EXPECT_DOUBLE_EQ(Parse<CExRound>({".CHAMFER 1", ".DIAMETER 2"})->dDiameter, 0.0);
    EXPECT_EQ(Parse<CExRect_Path>({".DISPLAY_WIDTH 1", ".XY (1, 1)"})->aXY.GetSize(), 0);
    EXPECT_DOUBLE_EQ(Parse<CExOblong>({".CHAMFER 1", ".WIDTH 2"})->dWidth, 0.0);
    EXPECT_DOUBLE_EQ(Parse<CExSquare>({".FEATURE a", ".WIDTH 2"})->dWidth, 0.0);
    // A line without a dot is no keyword either.
    EXPECT_DOUBLE_EQ(Parse<CExRound>({"DIAMETER 1", ".DIAMETER 2"})->dDiameter, 0.0);
}

TEST(DrawObj, KeywordTestsIgnoreCaseAndXYRComesBeforeXY)
{
    EXPECT_DOUBLE_EQ(Parse<CExRound>({".diameter 1"}, 2.0)->dDiameter, 2.0);

    const auto path = Parse<CExPolyline_Path>({".XYR (1, 2, 3)", ".xy (4, 5)", ".XY(6,7)"});
    ASSERT_EQ(path->aXY.GetSize(), 2);
    ExpectPoint(path->aXY[0], 4.0, 5.0);
    ExpectPoint(path->aXY[1], 6.0, 7.0);

    const auto arc = Parse<CExPolyarc_Path>({".XY (1, 2)", ".xyr(3, 4, 5)"});
    ASSERT_EQ(arc->aXYR.GetSize(), 1);
    ExpectPoint(arc->aXYR[0], 3.0, 4.0, 5.0);
}

TEST(DrawObj, DisplayWidthZeroStillSetsTheFlag)
{
    const auto path = Parse<CExPolyline_Path>({".DISPLAY_WIDTH 0"});
    EXPECT_EQ(path->bDisplayWidth, 1);
    EXPECT_DOUBLE_EQ(path->dDisplayWidth, 0.0);
    EXPECT_EQ(Parse<CExPolyline_Path>({".WIDTH 1"})->bDisplayWidth, 0);
}

TEST(DrawObj, BadValuesReadAsZeroWithoutHarm)
{
    // No parameters at all.
    const auto empty = Parse<CExRectangle>({});
    EXPECT_DOUBLE_EQ(empty->dHeight, 0.0);

    const auto rect = Parse<CExRectangle>({".HEIGHT", ".WIDTH abc"}, 2.0);
    EXPECT_DOUBLE_EQ(rect->dHeight, 0.0);
    EXPECT_DOUBLE_EQ(rect->dWidth, 0.0);

    EXPECT_EQ(Parse<CExRound>({".DIAMETER 1e999"})->dDiameter, std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(Parse<CExRound>({".DIAMETER  1.5mm  "})->dDiameter, 1.5);
    EXPECT_DOUBLE_EQ(Parse<CExRound>({std::string(".DIAMETER 4\0junk", 16)})->dDiameter, 4.0);

    // Point lists: empty parentheses and a missing comma add nothing; a bare
    // keyword reads as one point at the origin.
    EXPECT_EQ(Parse<CExPolyline_Shape>({".XY ()", ".XY (1 2)", ".XY ( )"})->aXY.GetSize(), 0);
    const auto bare = Parse<CExPolyline_Shape>({".XY"});
    ASSERT_EQ(bare->aXY.GetSize(), 1);
    ExpectPoint(bare->aXY[0], 0.0, 0.0);

    const auto dim = Parse<CExDimension_Data>({".DIMENSIONED_BY 99999999999", ".CENTER_POINT", ".FEATURE"});
    EXPECT_EQ(dim->nDimensionedBy, std::numeric_limits<int>::max());
    ExpectPoint(dim->ptCenterPoint, 0.0, 0.0);
    EXPECT_EQ(dim->sFeature, ".FEATURE");  // no blank: the whole line is the value
}

} // namespace
