#include <gtest/gtest.h>

#include <string>

#include "core/Grouping.h"
#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

const char* const kContext = ".NET \"N1\"";

struct Routes {
    CExRouteObjArray routes;
    test::Logs logs;

    // The route object one record of the type makes, as text; "" for none.
    std::string Parse(Lines record, const char* type, double dScale = 1.0)
    {
        const CExRouteObj* made = test::Take(routes, record, [&](Lines& r) {
            routes.SetRoutingData(r, kContext, 1, type, &logs.ignore, &logs.notUsed, dScale);
        });
        return made ? test::Object(*made) : "";
    }
};

} // namespace

TEST(Trace, PropertiesShapesTextsAndMarkers)
{
    Routes f;
    // The second shape replaces the first; marker lines are matched as
    // written; dropped groups (teardrop data, SLD trace) leave no trace; a
    // shallower line inside the record is skipped; layer names stay text.
    EXPECT_EQ(f.Parse({"..TRACE", "...ROUTE_LYR 2", "...NETNAME \"Net 1\"", "...TRACE_OPTIONS FIXED",
                       "...trace_options LOCKED", "...DISPLAY_CONDITION \"Always\"", "...POLYLINE_PATH",
                       "....WIDTH 0.1", "....XY (0, 0) (10, 0)", "...PID 17", "...TEARDROP_DATA",
                       "....TEARDROP_TEMPLATE_ID 3", "...POLYLINE_PATH", "....WIDTH 0.2",
                       "....XY (0, 0) (0, 5) (5, 5)", "...TEXT \"REF\"", "....XY 1, 2", "...SHORTED_MARKERS",
                       "....MARKER_PID 5", "....marker_pid 6", "....MARKER_PID \"7\"", "..STRAY 1", "...SLD_TRACE",
                       "....FOO 2"},
                      "TRACE", 2.0),
              "CExTrace{sType=TRACE pShape=CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(0,10)(10,10) "
              "dWidth=0.4} saTraceOptions=[FIXED|LOCKED] sRouteLayer=2 sNetName=Net 1 "
              "pTextArray=[CExText{sText=REF sTextValue=REF ptsPosition=(2,4)}] sDisplayCondition=Always "
              "saMarkerPids=[5|7]}");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty() && f.logs.ignore.IsEmpty());

    // Without a shape group a trace keeps its plain draw object; each unknown
    // group is logged one level up from where it was written.
    EXPECT_EQ(f.Parse({"..TRACE", "...FOO bar", "....BAZ 1", ".....DEEP", "...CIRCLE", "....RADIUS 1"}, "TRACE"),
              "CExTrace{sType=TRACE pShape=CExDrawObj{}}");
    EXPECT_EQ(test::Entries(f.logs.notUsed),
              (Lines{".FOO|bar|1|.NET \"N1\"|1|..BAZ 1|...DEEP", ".CIRCLE||1|.NET \"N1\"|1|..RADIUS 1"}));
}

TEST(RouteObj, UnknownTypesAndEmptyRecordsMakeNothing)
{
    Routes f;
    // An unknown type logs the record whole; type names are exact.
    for (const char* type : {"PIN", "TRACEX", "trace", ""}) {
        Lines record{"..PIN U1-1", "...XY 1, 2"};
        f.routes.SetRoutingData(record, "ctx", 3, type, &f.logs.ignore, &f.logs.notUsed, 1.0);
        EXPECT_TRUE(record.empty());
    }
    Lines empty;
    f.routes.SetRoutingData(empty, "ctx", 1, "TRACE", &f.logs.ignore, &f.logs.notUsed, 1.0);
    EXPECT_TRUE(f.routes.IsEmpty());
    ASSERT_EQ(f.logs.notUsed.GetSize(), 4);
    EXPECT_EQ(test::Entry(*f.logs.notUsed.GetAt(3)), "..PIN|U1-1|2|ctx|3|...XY 1, 2");
    // A record of only its keyword line still makes an object.
    EXPECT_EQ(f.Parse({"..VIA"}, "VIA"), "CExVia{sType=VIA pLayerPair=CExLayerPair{}}");
}

TEST(Via, SpanPositionPadstackAndTearDrops)
{
    Routes f;
    // Via positions keep the layout file's unit.
    EXPECT_EQ(f.Parse({"..VIA", "...NETNAME GND", "...PADSTACK \"VIA20\"", "...LAYER_PAIR 1 4", "...XY 100, 200",
                       "...VIA_OPTIONS BURIED", "...via_options TENTED", "...TEARDROP_DATA", "....ROUTE_LYR 1",
                       "....TEARDROP_TEMPLATE_ID 2", "...TEARDROP_DATA", "....TEARDROP_TEMPLATE_ID x", "...TEXT \"X\"",
                       "....XY 0, 0", "...UNDERSIDE_SPACE 0", "...PID 4", "...ADVANCED_LAYER_INFO", "....A 1",
                       "...BREAKOUT_DATA"},
                      "VIA", 2.0),
              "CExVia{sType=VIA pLayerPair=CExLayerPair{sFromLayer=1 sToLayer=4} saViaOptions=[BURIED|TENTED] "
              "sPadstackName=VIA20 ptsPosition=(100,200) pTearDropDataArray=[CExTearDrop_Data{nTemplateId=2 "
              "dRatio=1 sRouteLayer=1} CExTearDrop_Data{dRatio=1}] sNetName=GND}");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty());

    // One word is the to-layer; a later bare keyword empties the to-layer
    // once a from-layer is known; quotes go; position lines append.
    const struct {
        Lines record;
        const char* expected;
    } pairs[] = {
        {{"..VIA", "...LAYER_PAIR 3"}, "sToLayer=3"},
        {{"..VIA", "...LAYER_PAIR"}, ""},
        {{"..VIA", "...LAYER_PAIR \"1\"   \"6\"", "...LAYER_PAIR"}, "sFromLayer=1"},
        {{"..VIA", "...LAYER_PAIR 2   5"}, "sFromLayer=2 sToLayer=5"},
    };
    for (const auto& row : pairs) {
        f.Parse(row.record, "VIA");
        EXPECT_EQ(test::Fields(*dynamic_cast<CExVia*>(f.routes.GetLastElement())->pLayerPair), row.expected)
            << row.record[1];
    }
    EXPECT_EQ(f.Parse({"..VIA", "...XY 1, 2", "...XY (3, 4)"}, "VIA"),
              "CExVia{sType=VIA pLayerPair=CExLayerPair{} ptsPosition=(1,2)(3,4)}");
}

TEST(TestPoint, PropertiesAndTexts)
{
    Routes f;
    // The position is not scaled, texts are; only the net record names a
    // test point; property texts and shapes are not taken.
    EXPECT_EQ(f.Parse({"..TESTPOINT tp1", "...PADSTACK TP40", "...FACEMENT \"Top\"", "...ROTATION 90.5", "...XY 3, 4",
                       "...TEXT \"ALLOWED_MOUNT_SIDE\" \"Top\"", "....XY 0, 0", "...TEXT \"x_sbx_ac_y\"",
                       "...TEXT \"TP1\"", "....XY 1, 1", "...ROUND", "....DIAMETER 1", "...PID 2"},
                      "TESTPOINT", 10.0),
              "CExTestPoint{sType=TESTPOINT pShape=CExDrawObj{} sFacement=Top sPadstackName=TP40 sRotation=90.5 "
              "pTextArray=[CExText{sText=TP1 sTextValue=TP1 ptsPosition=(10,10)}] ptsPosition=(3,4)}");
    EXPECT_EQ(test::Entries(f.logs.notUsed),
              (Lines{".TEXT|\"ALLOWED_MOUNT_SIDE\" \"Top\"|1|.NET \"N1\"|1|..XY 0, 0",
                     ".TEXT|\"x_sbx_ac_y\"|1|.NET \"N1\"|1", ".ROUND||1|.NET \"N1\"|1|..DIAMETER 1"}));
}

TEST(ConductiveArea, HatchOptionsAndShape)
{
    Routes f;
    // A shape group replaces the shape, even one without parameters.
    EXPECT_EQ(f.Parse({"..CONDUCTIVE_AREA", "...HATCH_WIDTH 10", "...HATCH_SPACING 4", "...HATCH_PATTERN \"Diagonal\"",
                       "...PLANE_ID 7", "...ROUTE_LYR 3", "...NETNAME VCC", "...DISPLAY_CONDITION x",
                       "...CONDUCTIVE_AREA_OPTIONS A B C", "...CONDUCTIVE_AREA_OPTIONS ONE",
                       "...CONDUCTIVE_AREA_OPTIONS \"X  Y\"", "...POLYLINE_SHAPE", "....XY (0,0) (1,0) (1,1)",
                       "...ROUND", "...PLANEHASOVERRIDES", "...TEXT \"t\"", "...BOGUS"},
                      "CONDUCTIVE_AREA", 0.5),
              "CExConductive_Area{sType=CONDUCTIVE_AREA nPlaneId=7 sHatchPattern=Diagonal dHatchWidth=5 "
              "dHatchSpacing=2 pShape=CExRound{sShapeType=ROUND} saAreaOptions=[A|B|C|ONE|X||Y] sRouteLayer=3 "
              "sNetName=VCC sDisplayCondition=x}");
    EXPECT_EQ(test::Keywords(f.logs.notUsed), Lines{".BOGUS"});
    EXPECT_EQ(f.Parse({"..CONDUCTIVE_AREA", "...POLYLINE_SHAPE", "....XY (0,0) (1,0) (1,1)"}, "CONDUCTIVE_AREA", 0.5),
              "CExConductive_Area{sType=CONDUCTIVE_AREA pShape=CExPolyline_Shape{sShapeType=POLYLINE_SHAPE "
              "aXY=(0,0)(0.5,0)(0.5,0.5)}}");
}

TEST(RouteObj, OddInputNeitherCrashesNorSticks)
{
    Routes f;
    const Lines odd{"...", "....", "   ", "", "...XY", "...LAYER_PAIR", "...HATCH_WIDTH 1e999",
                    "...PLANE_ID 99999999999999", std::string("...NETNAME a\0b", 14), "...POLYLINE_PATH",
                    "....XY (1,", "...TEXT", "no dot at all", "...CONDUCTIVE_AREA_OPTIONS", "...TRACE_OPTIONS"};
    std::string made;
    for (const char* type : {"TRACE", "VIA", "TESTPOINT", "CONDUCTIVE_AREA"}) {
        Lines record{std::string("..") + type};
        record.insert(record.end(), odd.begin(), odd.end());
        made = f.Parse(record, type);
        EXPECT_NE(made, "") << type;
    }
    // Infinite, clamped rather than wrapped, NUL kept; a bare options line
    // has no blank: its value is the line itself.
    EXPECT_NE(made.find("nPlaneId=2147483647 "), std::string::npos) << made;
    EXPECT_NE(made.find("dHatchWidth=inf "), std::string::npos) << made;
    EXPECT_NE(made.find("saAreaOptions=[.CONDUCTIVE_AREA_OPTIONS] "), std::string::npos) << made;
    EXPECT_EQ(dynamic_cast<CExConductive_Area*>(f.routes.GetAt(3))->sNetName, std::string("a\0b", 3));
    EXPECT_EQ(dynamic_cast<CExVia*>(f.routes.GetAt(1))->ptsPosition.GetSize(), 1);
}

// Callers other than the record reader may hand over lines that continue
// the one before them; they join before the level is cut off.
TEST(RouteObj, LinesWithoutDotContinueTheLineBefore)
{
    Routes f;
    EXPECT_EQ(f.Parse({"..VIA", "...XY 1,", "2", "...PADSTACK \"V", "IA10\""}, "VIA"),
              "CExVia{sType=VIA pLayerPair=CExLayerPair{} sPadstackName=VIA10 ptsPosition=(1,2)}");
    EXPECT_EQ(f.Parse({"..TRACE", "...POLYLINE_PATH", "....WIDTH 1", "....XY (0, 0) (3, 0)", " (3, 4)"}, "TRACE"),
              "CExTrace{sType=TRACE pShape=CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(3,0)(3,4) dWidth=1}}");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty());
}

TEST(RouteObj, RegroupCutsTheLevelAndOpensOneDeeper)
{
    Lines lines{"..HEAD", "....A 1", ".....B", "....C", "...D", "no dot", "....E"};
    std::vector<Lines> groups;
    ex::Regroup(3, lines, 1, [&](Lines& g) { groups.push_back(g); });
    EXPECT_TRUE(lines.empty());
    // ...D is shallower than a group's line: dropped; the dotless line,
    // cut like the others, continues the line before it.
    EXPECT_EQ(groups, (std::vector<Lines>{{".A 1", "..B"}, {".Cdot"}, {".E"}}));
}
