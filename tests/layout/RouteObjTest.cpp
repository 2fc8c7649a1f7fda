#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Grouping.h"
#include "jobprefs/ExLayerPair.h"
#include "layout/ExConductive_Area.h"
#include "layout/ExRouteObj.h"
#include "layout/ExTearDrop_Data.h"
#include "layout/ExTestPoint.h"
#include "layout/ExText.h"
#include "layout/ExTrace.h"
#include "layout/ExVia.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExPolyline_Shape.h"
#include "support/TestSupport.h"

namespace {

const char* const kContext = ".NET \"N1\"";

struct RouteFixture {
    CExRouteObjArray routes;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

    template <class T>
    T* Parse(test::Lines record, const char* type, double dScale = 1.0)
    {
        const auto before = routes.GetSize();
        routes.SetRoutingData(record, kContext, 1, type, &ignoreLog, &notUsedLog, dScale);
        EXPECT_TRUE(record.empty());
        EXPECT_EQ(routes.GetSize(), before + 1);
        return dynamic_cast<T*>(routes.GetLastElement());
    }
};

} // namespace

TEST(Trace, PropertiesShapesTextsAndMarkers)
{
    RouteFixture f;
    CExTrace* t = f.Parse<CExTrace>({"..TRACE", "...ROUTE_LYR 2", "...NETNAME \"Net 1\"", "...TRACE_OPTIONS FIXED",
                                     "...trace_options LOCKED", "...DISPLAY_CONDITION \"Always\"", "...POLYLINE_PATH",
                                     "....WIDTH 0.1", "....XY (0, 0) (10, 0)", "...PID 17", "...TEARDROP_DATA",
                                     "....TEARDROP_TEMPLATE_ID 3", "...POLYLINE_PATH", "....WIDTH 0.2",
                                     "....XY (0, 0) (0, 5) (5, 5)", "...TEXT \"REF\"", "....XY 1, 2",
                                     "...SHORTED_MARKERS", "....MARKER_PID 5", "....marker_pid 6",
                                     "....MARKER_PID \"7\"", "..STRAY 1", "...SLD_TRACE", "....FOO 2"},
                                    "TRACE", 2.0);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->sType, "TRACE");
    EXPECT_EQ(t->sRouteLayer, "2");  // layer names stay text
    EXPECT_EQ(t->sNetName, "Net 1");
    EXPECT_EQ(t->saTraceOptions, (test::Lines{"FIXED", "LOCKED"}));
    EXPECT_EQ(t->sDisplayCondition, "Always");

    // The second shape replaced the first.
    auto* path = dynamic_cast<CExPolyline_Path*>(t->pShape);
    ASSERT_NE(path, nullptr);
    EXPECT_DOUBLE_EQ(path->dWidth, 0.4);
    ASSERT_EQ(path->aXY.GetSize(), 3);
    EXPECT_DOUBLE_EQ(path->aXY[2].dX, 10.0);
    EXPECT_DOUBLE_EQ(path->aXY[2].dY, 10.0);

    ASSERT_EQ(t->pTextArray->GetSize(), 1);
    EXPECT_EQ(t->pTextArray->GetAt(0)->sText, "REF");
    ASSERT_EQ(t->pTextArray->GetAt(0)->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(t->pTextArray->GetAt(0)->ptsPosition[0].dY, 4.0);

    // Marker lines are matched as written.
    EXPECT_EQ(t->saMarkerPids, (test::Lines{"5", "7"}));
    // Dropped groups (teardrop data, SLD trace) leave no trace; a shallower
    // line inside the record is skipped.
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
    EXPECT_TRUE(f.ignoreLog.IsEmpty());
}

TEST(Trace, UnknownGroupsAndTypes)
{
    RouteFixture f;
    CExTrace* t = f.Parse<CExTrace>({"..TRACE", "...FOO bar", "....BAZ 1", ".....DEEP", "...CIRCLE", "....RADIUS 1"},
                                    "TRACE");
    ASSERT_NE(t, nullptr);
    // Without a shape group the trace keeps its plain draw object.
    ASSERT_NE(t->pShape, nullptr);
    EXPECT_EQ(t->pShape->sShapeType, "");
    // Each group is logged one level up from where it was written.
    ASSERT_EQ(f.notUsedLog.GetSize(), 2);
    const CExTemporary* e = f.notUsedLog.GetAt(0);
    EXPECT_EQ(e->sKeyword, ".FOO");
    EXPECT_EQ(e->sValue, "bar");
    EXPECT_EQ(e->nLevel, 1);
    EXPECT_EQ(e->saLines, (test::Lines{"..BAZ 1", "...DEEP"}));
    EXPECT_EQ(e->sContext, kContext);
    EXPECT_EQ(e->nFlag, 1);
    EXPECT_EQ(f.notUsedLog.GetAt(1)->sKeyword, ".CIRCLE");

    // An unknown type logs the record whole and makes nothing; type names
    // are exact.
    for (const char* type : {"PIN", "TRACEX", "trace", ""}) {
        test::Lines record{"..PIN U1-1", "...XY 1, 2"};
        f.routes.SetRoutingData(record, "ctx", 3, type, &f.ignoreLog, &f.notUsedLog, 1.0);
        EXPECT_TRUE(record.empty());
    }
    EXPECT_EQ(f.routes.GetSize(), 1);
    ASSERT_EQ(f.notUsedLog.GetSize(), 6);
    EXPECT_EQ(f.notUsedLog.GetAt(5)->sKeyword, "..PIN");
    EXPECT_EQ(f.notUsedLog.GetAt(5)->nFlag, 3);
    EXPECT_EQ(f.notUsedLog.GetAt(5)->saLines, (test::Lines{"...XY 1, 2"}));

    test::Lines empty;
    f.routes.SetRoutingData(empty, "ctx", 1, "TRACE", &f.ignoreLog, &f.notUsedLog, 1.0);
    EXPECT_EQ(f.routes.GetSize(), 1);
    EXPECT_EQ(f.notUsedLog.GetSize(), 6);

    // A record of only its keyword line still makes an object.
    CExVia* v = f.Parse<CExVia>({"..VIA"}, "VIA");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->sType, "VIA");
}

TEST(Via, SpanPositionPadstackAndTearDrops)
{
    RouteFixture f;
    CExVia* v = f.Parse<CExVia>({"..VIA", "...NETNAME GND", "...PADSTACK \"VIA20\"", "...LAYER_PAIR 1 4",
                                 "...XY 100, 200", "...VIA_OPTIONS BURIED", "...via_options TENTED", "...TEARDROP_DATA",
                                 "....ROUTE_LYR 1", "....TEARDROP_TEMPLATE_ID 2", "...TEARDROP_DATA",
                                 "....TEARDROP_TEMPLATE_ID x", "...TEXT \"X\"", "....XY 0, 0", "...UNDERSIDE_SPACE 0",
                                 "...PID 4", "...ADVANCED_LAYER_INFO", "....A 1", "...BREAKOUT_DATA"},
                                "VIA", 2.0);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->sNetName, "GND");
    EXPECT_EQ(v->sPadstackName, "VIA20");
    EXPECT_EQ(v->pLayerPair->sFromLayer, "1");
    EXPECT_EQ(v->pLayerPair->sToLayer, "4");
    // Via positions keep the layout file's unit.
    ASSERT_EQ(v->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(v->ptsPosition[0].dX, 100.0);
    EXPECT_DOUBLE_EQ(v->ptsPosition[0].dY, 200.0);
    EXPECT_EQ(v->saViaOptions, (test::Lines{"BURIED", "TENTED"}));
    ASSERT_EQ(v->pTearDropDataArray->GetSize(), 2);
    EXPECT_EQ(v->pTearDropDataArray->GetAt(0)->nTemplateId, 2);
    EXPECT_EQ(v->pTearDropDataArray->GetAt(0)->sRouteLayer, "1");
    EXPECT_EQ(v->pTearDropDataArray->GetAt(1)->nTemplateId, 0);
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
}

TEST(Via, LayerPairForms)
{
    RouteFixture f;
    // One word is the to-layer; a later bare keyword empties the to-layer
    // once a from-layer is known; quotes go.
    CExVia* v = f.Parse<CExVia>({"..VIA", "...LAYER_PAIR 3"}, "VIA");
    EXPECT_EQ(v->pLayerPair->sFromLayer, "");
    EXPECT_EQ(v->pLayerPair->sToLayer, "3");

    v = f.Parse<CExVia>({"..VIA", "...LAYER_PAIR"}, "VIA");
    EXPECT_EQ(v->pLayerPair->sFromLayer, "");
    EXPECT_EQ(v->pLayerPair->sToLayer, "");

    v = f.Parse<CExVia>({"..VIA", "...LAYER_PAIR \"1\"   \"6\"", "...LAYER_PAIR"}, "VIA");
    EXPECT_EQ(v->pLayerPair->sFromLayer, "1");
    EXPECT_EQ(v->pLayerPair->sToLayer, "");

    v = f.Parse<CExVia>({"..VIA", "...LAYER_PAIR 2   5", "...XY 1, 2", "...XY (3, 4)"}, "VIA");
    EXPECT_EQ(v->pLayerPair->sFromLayer, "2");
    EXPECT_EQ(v->pLayerPair->sToLayer, "5");
    // Several position lines append.
    ASSERT_EQ(v->ptsPosition.GetSize(), 2);
    EXPECT_DOUBLE_EQ(v->ptsPosition[1].dX, 3.0);
}

TEST(TestPoint, PropertiesAndTexts)
{
    RouteFixture f;
    CExTestPoint* p = f.Parse<CExTestPoint>(
        {"..TESTPOINT tp1", "...PADSTACK TP40", "...FACEMENT \"Top\"", "...ROTATION 90.5", "...XY 3, 4",
         "...TEXT \"ALLOWED_MOUNT_SIDE\" \"Top\"", "....XY 0, 0", "...TEXT \"x_sbx_ac_y\"", "...TEXT \"TP1\"",
         "....XY 1, 1", "...ROUND", "....DIAMETER 1", "...PID 2"},
        "TESTPOINT", 10.0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->sType, "TESTPOINT");
    EXPECT_EQ(p->sPadstackName, "TP40");
    EXPECT_EQ(p->sFacement, "Top");
    EXPECT_EQ(p->sRotation, "90.5");
    ASSERT_EQ(p->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(p->ptsPosition[0].dX, 3.0);  // not scaled
    EXPECT_DOUBLE_EQ(p->ptsPosition[0].dY, 4.0);
    // Only the net record names a test point.
    EXPECT_EQ(p->sTestPointName, "");

    ASSERT_EQ(p->pTextArray->GetSize(), 1);
    EXPECT_EQ(p->pTextArray->GetAt(0)->sText, "TP1");
    EXPECT_DOUBLE_EQ(p->pTextArray->GetAt(0)->ptsPosition[0].dX, 10.0);  // text positions are scaled

    // Property texts and shapes are not taken; the shape stays plain.
    ASSERT_EQ(f.notUsedLog.GetSize(), 3);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sValue, "\"ALLOWED_MOUNT_SIDE\" \"Top\"");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->saLines, (test::Lines{"..XY 0, 0"}));
    EXPECT_EQ(f.notUsedLog.GetAt(1)->sValue, "\"x_sbx_ac_y\"");
    EXPECT_EQ(f.notUsedLog.GetAt(2)->sKeyword, ".ROUND");
    EXPECT_EQ(p->pShape->sShapeType, "");
}

TEST(ConductiveArea, HatchOptionsAndShape)
{
    RouteFixture f;
    CExConductive_Area* a = f.Parse<CExConductive_Area>(
        {"..CONDUCTIVE_AREA", "...HATCH_WIDTH 10", "...HATCH_SPACING 4", "...HATCH_PATTERN \"Diagonal\"",
         "...PLANE_ID 7", "...ROUTE_LYR 3", "...NETNAME VCC", "...DISPLAY_CONDITION x",
         "...CONDUCTIVE_AREA_OPTIONS A B C", "...CONDUCTIVE_AREA_OPTIONS ONE", "...CONDUCTIVE_AREA_OPTIONS \"X  Y\"",
         "...POLYLINE_SHAPE", "....XY (0,0) (1,0) (1,1)", "...ROUND", "...PLANEHASOVERRIDES", "...TEXT \"t\"",
         "...BOGUS"},
        "CONDUCTIVE_AREA", 0.5);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->sType, "CONDUCTIVE_AREA");
    EXPECT_DOUBLE_EQ(a->dHatchWidth, 5.0);
    EXPECT_DOUBLE_EQ(a->dHatchSpacing, 2.0);
    EXPECT_EQ(a->sHatchPattern, "Diagonal");
    EXPECT_EQ(a->nPlaneId, 7);
    EXPECT_EQ(a->sRouteLayer, "3");
    EXPECT_EQ(a->sNetName, "VCC");
    EXPECT_EQ(a->sDisplayCondition, "x");
    EXPECT_EQ(a->saAreaOptions, (test::Lines{"A", "B", "C", "ONE", "X", "", "Y"}));
    // A shape group replaces the shape, even one without parameters.
    EXPECT_EQ(a->pShape->sShapeType, "ROUND");
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sKeyword, ".BOGUS");

    a = f.Parse<CExConductive_Area>({"..CONDUCTIVE_AREA", "...POLYLINE_SHAPE", "....XY (0,0) (1,0) (1,1)"},
                                    "CONDUCTIVE_AREA", 0.5);
    auto* outline = dynamic_cast<CExPolyline_Shape*>(a->pShape);
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->aXY.GetSize(), 3);
    EXPECT_DOUBLE_EQ(outline->aXY[2].dY, 0.5);
    EXPECT_EQ(a->nPlaneId, 0);
    EXPECT_TRUE(a->saAreaOptions.empty());
}

TEST(RouteObj, OddInputNeitherCrashesNorSticks)
{
    RouteFixture f;
    const test::Lines odd{"...", "....", "   ", "", "...XY", "...LAYER_PAIR", "...HATCH_WIDTH 1e999",
                          "...PLANE_ID 99999999999999", std::string("...NETNAME a\0b", 14), "...POLYLINE_PATH",
                          "....XY (1,", "...TEXT", "no dot at all", "...CONDUCTIVE_AREA_OPTIONS", "...TRACE_OPTIONS"};
    for (const char* type : {"TRACE", "VIA", "TESTPOINT", "CONDUCTIVE_AREA"}) {
        test::Lines record{std::string("..") + type};
        record.insert(record.end(), odd.begin(), odd.end());
        f.routes.SetRoutingData(record, kContext, 1, type, &f.ignoreLog, &f.notUsedLog, 1.0);
        EXPECT_TRUE(record.empty());
    }
    ASSERT_EQ(f.routes.GetSize(), 4);
    auto* a = dynamic_cast<CExConductive_Area*>(f.routes.GetAt(3));
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(std::isinf(a->dHatchWidth));
    EXPECT_EQ(a->sNetName, std::string("a\0b", 3));
    EXPECT_GT(a->nPlaneId, 0);  // clamped, not wrapped
    // A bare options line has no blank: its value is the line itself.
    EXPECT_EQ(a->saAreaOptions, (test::Lines{".CONDUCTIVE_AREA_OPTIONS"}));
    auto* v = dynamic_cast<CExVia*>(f.routes.GetAt(1));
    ASSERT_EQ(v->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(v->ptsPosition[0].dX, 0.0);
}

// Callers other than the record reader may hand over lines that continue
// the one before them; they join before the level is cut off.
TEST(RouteObj, LinesWithoutDotContinueTheLineBefore)
{
    RouteFixture f;
    auto* v = f.Parse<CExVia>({"..VIA", "...XY 1,", "2", "...PADSTACK \"V", "IA10\""}, "VIA");
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(v->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(v->ptsPosition[0].dX, 1.0);
    EXPECT_DOUBLE_EQ(v->ptsPosition[0].dY, 2.0);
    EXPECT_EQ(v->sPadstackName, "VIA10");

    auto* t = f.Parse<CExTrace>({"..TRACE", "...POLYLINE_PATH", "....WIDTH 1", "....XY (0, 0) (3, 0)", " (3, 4)"},
                                "TRACE");
    auto* path = dynamic_cast<CExPolyline_Path*>(t->pShape);
    ASSERT_NE(path, nullptr);
    ASSERT_EQ(path->aXY.GetSize(), 3);
    EXPECT_DOUBLE_EQ(path->aXY[2].dY, 4.0);
    EXPECT_EQ(f.notUsedLog.GetSize(), 0);
}

TEST(RouteObj, DeleteRouteObjOnlyDeletesTheFourTypes)
{
    struct Probe : CExTrace {
        explicit Probe(bool& deleted) : m_deleted(deleted) {}
        ~Probe() override { m_deleted = true; }
        bool& m_deleted;
    };
    bool deleted = false;
    auto* trace = new Probe(deleted);
    trace->sType = "OTHER";
    CExRouteObj::DeleteRouteObj(trace);
    EXPECT_FALSE(deleted);
    for (const char* type : {"TRACE", "VIA", "TESTPOINT", "CONDUCTIVE_AREA"}) {
        deleted = false;
        auto* probe = new Probe(deleted);
        probe->sType = type;
        CExRouteObj::DeleteRouteObj(probe);
        EXPECT_TRUE(deleted) << type;
    }
    CExRouteObj::DeleteRouteObj(nullptr);
    delete trace;
}

TEST(RouteObj, RegroupCutsTheLevelAndOpensOneDeeper)
{
    test::Lines lines{"..HEAD", "....A 1", ".....B", "....C", "...D", "no dot", "....E"};
    std::vector<test::Lines> groups;
    ex::Regroup(3, lines, 1, [&](test::Lines& g) { groups.push_back(g); });
    EXPECT_TRUE(lines.empty());
    // ...D is shallower than a group's line: dropped; the dotless line,
    // cut like the others, continues the line before it.
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0], (test::Lines{".A 1", "..B"}));
    EXPECT_EQ(groups[1], (test::Lines{".Cdot"}));
    EXPECT_EQ(groups[2], (test::Lines{".E"}));
}
