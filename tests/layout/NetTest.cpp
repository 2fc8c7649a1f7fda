#include <gtest/gtest.h>

#include <string>

#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

struct Nets {
    CExNetArray nets;
    test::Logs logs;

    // The net the record makes, as text.
    std::string Parse(Lines record, double dScale = 1.0)
    {
        const CExNet* net = test::Take(
            nets, record, [&](Lines& r) { nets.SetData(r, "MM", &logs.ignore, &logs.notUsed, dScale); });
        return net ? test::Fields(*net) : "";
    }
};

} // namespace

TEST(Net, NameOnly)
{
    Nets f;
    EXPECT_EQ(f.Parse({}), "");
    EXPECT_EQ(f.Parse({"  .NET \"Clk_In\"  "}), "sNetName=Clk_In");  // case kept
    EXPECT_EQ(f.Parse({".NET \"\""}), "");
    EXPECT_EQ(f.nets.GetSize(), 2);
}

TEST(Net, RouteObjectsMarkersAndDroppedGroups)
{
    Nets f;
    // Test point names are upper-cased, unlike the net's; marker PID lines
    // are matched as written; pins and level-1 lines go silently.
    EXPECT_EQ(f.Parse({".NET \"Clk_In\"", "..PIN U1-1", "...PID 3", "..TRACE", "...ROUTE_LYR 1", "...POLYLINE_PATH",
                       "....WIDTH 1", "....XY (0,0) (1,1)", ".STRAY", "..VIA", "...XY 5, 5", "...PADSTACK V1",
                       "..TESTPOINT \"tp1\"", "...XY 1, 1", "..testpoint Tp2", "..CONDUCTIVE_AREA", "...ROUTE_LYR 2",
                       "..MARKER", "...PID 11", "...pid 12", "...PID \"13\"", "..MARKER", "...PID 14", "..TRACE",
                       "...BOGUS 1"},
                      3.0),
              "sNetName=Clk_In pRouteObjArray=[CExTrace{sType=TRACE pShape=CExPolyline_Path{"
              "sShapeType=POLYLINE_PATH aXY=(0,0)(3,3) dWidth=3} sRouteLayer=1} CExVia{sType=VIA "
              "pLayerPair=CExLayerPair{} sPadstackName=V1 ptsPosition=(5,5)} CExTestPoint{sType=TESTPOINT "
              "pShape=CExDrawObj{} sTestPointName=TP1 ptsPosition=(1,1)} CExTestPoint{sType=TESTPOINT "
              "pShape=CExDrawObj{} sTestPointName=TP2} CExConductive_Area{sType=CONDUCTIVE_AREA pShape=CExDrawObj{} "
              "sRouteLayer=2} CExTrace{sType=TRACE pShape=CExDrawObj{}}] saMarkerPids=[11|13|14]");
    // What a route object does not know is logged with the net's first line.
    EXPECT_EQ(test::Entries(f.logs.notUsed), Lines{".BOGUS|1|1|.NET \"Clk_In\"|1"});
    EXPECT_TRUE(f.logs.ignore.IsEmpty());
}

TEST(Net, MultiviaSplitsIntoRouteObjects)
{
    Nets f;
    // Options of the multivia itself are not kept; those of a via are.
    EXPECT_EQ(f.Parse({".NET GND", "..MULTIVIA", "...VIA_OPTIONS STACKED", "...PID 9", "....XY 9, 9", "...VIA",
                       "....XY 1, 2", "....PADSTACK A", "....VIA_OPTIONS KEEP", "...VIA_OPTIONS DROPPED", "...VIA",
                       "....XY 3, 4", "....PADSTACK B", "....LAYER_PAIR 1 2", "...TRACE", "....ROUTE_LYR 2",
                       "....POLYLINE_PATH", ".....WIDTH 1", ".....XY (0,0) (1,0)", "...CONDUCTIVE_AREA",
                       "....PLANE_ID 4", "..VIA", "...PADSTACK C"},
                      2.0),
              "sNetName=GND pRouteObjArray=[CExVia{sType=VIA pLayerPair=CExLayerPair{} saViaOptions=[KEEP] "
              "sPadstackName=A ptsPosition=(1,2)} CExVia{sType=VIA pLayerPair=CExLayerPair{sFromLayer=1 sToLayer=2} "
              "sPadstackName=B ptsPosition=(3,4)} CExTrace{sType=TRACE pShape=CExPolyline_Path{"
              "sShapeType=POLYLINE_PATH aXY=(0,0)(2,0) dWidth=2} sRouteLayer=2} CExConductive_Area{"
              "sType=CONDUCTIVE_AREA nPlaneId=4 pShape=CExDrawObj{}} CExVia{sType=VIA pLayerPair=CExLayerPair{} "
              "sPadstackName=C}]");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty());

    // A multivia without a type line makes nothing.
    EXPECT_EQ(f.Parse({".NET X", "..MULTIVIA", "...VIA_OPTIONS S", "...PID 1", "....XY 1, 1"}), "sNetName=X");
}

TEST(Net, OddRecords)
{
    Nets f;
    // Deep lines before any level-2 line, a bare test point, a marker
    // without PIDs, NUL bytes and empty lines; a bare keyword line names the
    // net with itself.
    EXPECT_EQ(f.Parse({".NET", "....XY 1, 1", "", "..TESTPOINT", "..MARKER", "..VIA", std::string("...PADSTACK a\0", 14),
                       "   ", "...XY 1e999, -1e999"}),
              "sNetName=.NET pRouteObjArray=[CExTestPoint{sType=TESTPOINT pShape=CExDrawObj{} sTestPointName=..TESTPOINT} "
              "CExVia{sType=VIA pLayerPair=CExLayerPair{} sPadstackName=" +
                  std::string("a\0", 2) + " ptsPosition=(inf,-inf)}]");
}
