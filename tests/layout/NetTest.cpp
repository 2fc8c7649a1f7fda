#include <gtest/gtest.h>

#include <string>

#include "jobprefs/ExLayerPair.h"
#include "layout/ExConductive_Area.h"
#include "layout/ExNet.h"
#include "layout/ExTestPoint.h"
#include "layout/ExTrace.h"
#include "layout/ExVia.h"
#include "shapes/ExPolyline_Path.h"
#include "support/TestSupport.h"

namespace {

struct NetFixture {
    CExNetArray nets;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

    CExNet* Parse(test::Lines record, double dScale = 1.0)
    {
        nets.SetData(record, "MM", &ignoreLog, &notUsedLog, dScale);
        EXPECT_TRUE(record.empty());
        return nets.GetLastElement();
    }
};

template <class T>
const T* At(const CExNet& net, int i)
{
    static const T fallback;  // keeps a failing check from crashing the run
    const T* p = dynamic_cast<const T*>(net.pRouteObjArray->GetAt(i));
    EXPECT_NE(p, nullptr) << i;
    return p != nullptr ? p : &fallback;
}

std::string Types(const CExNet& net)
{
    std::string types;
    for (const CExRouteObj* p : *net.pRouteObjArray)
        types += p->sType + " ";
    return types;
}

} // namespace

TEST(Net, NameOnly)
{
    NetFixture f;
    test::Lines empty;
    f.nets.SetData(empty, "MM", &f.ignoreLog, &f.notUsedLog, 1.0);
    EXPECT_TRUE(f.nets.IsEmpty());

    CExNet* n = f.Parse({"  .NET \"Clk_In\"  "});
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->sNetName, "Clk_In");  // case kept
    EXPECT_TRUE(n->pRouteObjArray->IsEmpty());
    EXPECT_TRUE(n->saMarkerPids.empty());

    n = f.Parse({".NET \"\""});
    EXPECT_EQ(n->sNetName, "");
    EXPECT_EQ(f.nets.GetSize(), 2);
}

TEST(Net, RouteObjectsMarkersAndDroppedGroups)
{
    NetFixture f;
    CExNet* n = f.Parse({".NET \"Clk_In\"",
                         "..PIN U1-1",
                         "...PID 3",
                         "..TRACE",
                         "...ROUTE_LYR 1",
                         "...POLYLINE_PATH",
                         "....WIDTH 1",
                         "....XY (0,0) (1,1)",
                         ".STRAY",
                         "..VIA",
                         "...XY 5, 5",
                         "...PADSTACK V1",
                         "..TESTPOINT \"tp1\"",
                         "...XY 1, 1",
                         "..testpoint Tp2",
                         "..CONDUCTIVE_AREA",
                         "...ROUTE_LYR 2",
                         "..MARKER",
                         "...PID 11",
                         "...pid 12",
                         "...PID \"13\"",
                         "..MARKER",
                         "...PID 14",
                         "..TRACE",
                         "...BOGUS 1"},
                        3.0);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(Types(*n), "TRACE VIA TESTPOINT TESTPOINT CONDUCTIVE_AREA TRACE ");

    const auto* trace = At<CExTrace>(*n, 0);
    EXPECT_EQ(trace->sRouteLayer, "1");
    auto* path = dynamic_cast<CExPolyline_Path*>(trace->pShape);
    ASSERT_NE(path, nullptr);
    EXPECT_DOUBLE_EQ(path->dWidth, 3.0);

    const auto* via = At<CExVia>(*n, 1);
    EXPECT_EQ(via->sPadstackName, "V1");
    EXPECT_DOUBLE_EQ(via->ptsPosition[0].dX, 5.0);

    // Test point names are upper-cased, unlike the net's.
    const auto* tp = At<CExTestPoint>(*n, 2);
    EXPECT_EQ(tp->sTestPointName, "TP1");
    ASSERT_EQ(tp->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(tp->ptsPosition[0].dY, 1.0);
    EXPECT_EQ(At<CExTestPoint>(*n, 3)->sTestPointName, "TP2");
    EXPECT_EQ(At<CExConductive_Area>(*n, 4)->sRouteLayer, "2");

    // Marker PID lines are matched as written.
    EXPECT_EQ(n->saMarkerPids, (test::Lines{"11", "13", "14"}));

    // Pins and level-1 lines go silently; what a route object does not know
    // is logged with the net's first line.
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sKeyword, ".BOGUS");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sContext, ".NET \"Clk_In\"");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->nFlag, 1);
    EXPECT_TRUE(f.ignoreLog.IsEmpty());
}

TEST(Net, MultiviaSplitsIntoRouteObjects)
{
    NetFixture f;
    CExNet* n = f.Parse({".NET GND",
                         "..MULTIVIA",
                         "...VIA_OPTIONS STACKED",
                         "...PID 9",
                         "....XY 9, 9",
                         "...VIA",
                         "....XY 1, 2",
                         "....PADSTACK A",
                         "....VIA_OPTIONS KEEP",
                         "...VIA_OPTIONS DROPPED",
                         "...VIA",
                         "....XY 3, 4",
                         "....PADSTACK B",
                         "....LAYER_PAIR 1 2",
                         "...TRACE",
                         "....ROUTE_LYR 2",
                         "....POLYLINE_PATH",
                         ".....WIDTH 1",
                         ".....XY (0,0) (1,0)",
                         "...CONDUCTIVE_AREA",
                         "....PLANE_ID 4",
                         "..VIA",
                         "...PADSTACK C"},
                        2.0);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(Types(*n), "VIA VIA TRACE CONDUCTIVE_AREA VIA ");

    const auto* first = At<CExVia>(*n, 0);
    const auto* second = At<CExVia>(*n, 1);
    EXPECT_EQ(first->sPadstackName, "A");
    ASSERT_EQ(first->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(first->ptsPosition[0].dX, 1.0);
    // Options of the multivia itself are not kept; those of a via are.
    EXPECT_EQ(first->saViaOptions, (test::Lines{"KEEP"}));
    EXPECT_EQ(second->sPadstackName, "B");
    ASSERT_EQ(second->ptsPosition.GetSize(), 1);
    EXPECT_DOUBLE_EQ(second->ptsPosition[0].dY, 4.0);
    EXPECT_TRUE(second->saViaOptions.empty());
    EXPECT_EQ(second->pLayerPair->sToLayer, "2");

    const auto* trace = At<CExTrace>(*n, 2);
    EXPECT_EQ(trace->sRouteLayer, "2");
    auto* path = dynamic_cast<CExPolyline_Path*>(trace->pShape);
    ASSERT_NE(path, nullptr);
    EXPECT_DOUBLE_EQ(path->dWidth, 2.0);
    EXPECT_EQ(At<CExConductive_Area>(*n, 3)->nPlaneId, 4);
    EXPECT_EQ(At<CExVia>(*n, 4)->sPadstackName, "C");
    EXPECT_TRUE(f.notUsedLog.IsEmpty());

    // A multivia without a type line makes nothing.
    n = f.Parse({".NET X", "..MULTIVIA", "...VIA_OPTIONS S", "...PID 1", "....XY 1, 1"});
    EXPECT_TRUE(n->pRouteObjArray->IsEmpty());
}

TEST(Net, OddRecords)
{
    NetFixture f;
    // Deep lines before any level-2 line, a bare test point, a marker
    // without PIDs, NUL bytes and empty lines.
    CExNet* n = f.Parse({".NET", "....XY 1, 1", "", "..TESTPOINT", "..MARKER", "..VIA",
                         std::string("...PADSTACK a\0", 14), "   ", "...XY 1e999, -1e999"});
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(Types(*n), "TESTPOINT VIA ");
    EXPECT_EQ(At<CExTestPoint>(*n, 0)->sTestPointName, "..TESTPOINT");
    const auto* via = At<CExVia>(*n, 1);
    EXPECT_EQ(via->sPadstackName, std::string("a\0", 2));
    ASSERT_EQ(via->ptsPosition.GetSize(), 1);
    EXPECT_GT(via->ptsPosition[0].dX, 1e308);
    EXPECT_LT(via->ptsPosition[0].dY, -1e308);
    EXPECT_TRUE(n->saMarkerPids.empty());
}
