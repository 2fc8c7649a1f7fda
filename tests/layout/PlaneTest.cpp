#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

// A plane data record as the layout hands it over: without its first line.
const Lines kPlaneRecord = {
    "..ACTUAL_PLANE_SHAPE",  // before any plane layer
    "...PLANE_ID 1", "..PLANE_LYR \"2\"", "...PLANE_TYPE \"Positive\"", "...plane_type X", "...TEXT abc",
    "...PLANE_NET \"GND\"", "....POLYLINE_SHAPE", ".....XY (0,0) (10,0) (10,10)", "....round", ".....DIAMETER 2",
    "....ACTUAL_PLANE_SHAPE", ".....PLANE_ID 5", ".....POLYLINE_SHAPE", "......XY (0,0) (1,0) (1,1)",
    ".....APS_TIE_LEG", "......POLYLINE_PATH", ".......WIDTH 0.5", ".......XY (0,0) (2,2)", ".....APS_HATCH_DATA",
    "......POLYLINE_PATH", ".......XY (0,0) (3,3)", "......POLYLINE_PATH", ".......XY (1,1) (4,4)", "....FOO 1",
    "...PLANE_NET VCC",
    "..ACTUAL_PLANE_SHAPE",  // at layer level: the last plane net's
    "...PLANE_ID x", "...POLYLINE_SHAPE", "....XY (0,0) (5,0) (5,5)", "...APS_TIE_LEG", "....BOGUS 1",
    "...APS_HATCH_DATA", "..TEXT \"note\"", "...XY 1, 1", "..PLANE_LYR 3",
    "..ACTUAL_PLANE_SHAPE",  // the layer has no plane net yet
    "...POLYLINE_SHAPE", "....XY (0,0) (1,1) (2,0)", "..PLANE_LYR 4", "...PLANE_NET SIG", "....ACTUAL_PLANE_SHAPE"};

struct Planes {
    CExPlane_LyrArray layers;
    test::Logs logs;

    void Parse(Lines record, const char* context, double dScale = 1.0)
    {
        layers.SetPlaneLayerData(record, context, 1, &logs.ignore, &logs.notUsed, dScale);
        EXPECT_TRUE(record.empty());
    }
};

} // namespace

TEST(Plane, LayersNetsAndActualShapes)
{
    Planes f;
    f.Parse(kPlaneRecord, ".GENERATED_DATA", 2.0);
    EXPECT_EQ(test::Items(f.layers),
              "CExPlane_Lyr{sPlaneLayer=2 sPlaneType=Positive pPlaneNetArray=[CExPlane_Net{sNetName=GND "
              "pPlaneShapes=[CExPolyline_Shape{sShapeType=POLYLINE_SHAPE aXY=(0,0)(20,0)(20,20)} "
              "CExRound{sShapeType=ROUND dDiameter=4}] pActualShapeArray=[CExPlane_ActualShape{"
              "pShapeArray=[CExPolyline_Shape{sShapeType=POLYLINE_SHAPE aXY=(0,0)(2,0)(2,2)}] "
              "pTieLegArray=[CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(4,4) dWidth=1}] "
              "pHatchArray=[CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(6,6)} "
              "CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(2,2)(8,8)}] nPlaneId=5}]} "
              "CExPlane_Net{sNetName=VCC pActualShapeArray=[CExPlane_ActualShape{"
              "pShapeArray=[CExPolyline_Shape{sShapeType=POLYLINE_SHAPE aXY=(0,0)(10,0)(10,10)}]}]}]} "
              "CExPlane_Lyr{sPlaneLayer=3} "
              "CExPlane_Lyr{sPlaneLayer=4 pPlaneNetArray=[CExPlane_Net{sNetName=SIG "
              "pActualShapeArray=[CExPlane_ActualShape{nPlaneId=-1}]}]}");
    // Unknown groups at every level, and the lines of a tie leg without a
    // shape, are logged; the plane type is matched as written.
    EXPECT_EQ(test::Entries(f.logs.notUsed),
              (Lines{"...plane_type|X|3|.GENERATED_DATA|1", "....FOO|1|4|.GENERATED_DATA|1",
                     "..BOGUS|1|2|.GENERATED_DATA|1"}));
    EXPECT_TRUE(f.logs.ignore.IsEmpty());
}

TEST(Plane, GeneratedAndUpgradedDataReadAlike)
{
    Planes generated, upgraded;
    generated.Parse(kPlaneRecord, ".GENERATED_DATA");
    upgraded.Parse(kPlaneRecord, ".UPG_APS_DATA");
    EXPECT_EQ(test::Items(generated.layers), test::Items(upgraded.layers));
    EXPECT_EQ(test::Keywords(generated.logs.notUsed), test::Keywords(upgraded.logs.notUsed));
    EXPECT_EQ(upgraded.logs.notUsed.GetAt(0)->sContext, ".UPG_APS_DATA");

    // A second record appends; an empty one adds nothing.
    generated.Parse({"..PLANE_LYR 9"}, ".GENERATED_DATA");
    generated.Parse({}, ".GENERATED_DATA");
    ASSERT_EQ(generated.layers.GetSize(), 4);
    EXPECT_EQ(generated.layers.GetAt(3)->sPlaneLayer, "9");
}

TEST(Plane, ArrayOperationsOnTheirOwn)
{
    CExTemporaryArray log;
    CExPlane_LyrArray layers;
    Lines group;
    EXPECT_EQ(layers.SetData(group, "c", 1, nullptr, &log, 1.0), nullptr);
    // SetData builds a layer without appending it.
    group = {"..LYR \"Top Plane\"", "...PLANE_NET N", "....ACTUAL_PLANE_SHAPE", ".....PLANE_ID 3"};
    std::unique_ptr<CExPlane_Lyr> lyr(layers.SetData(group, "c", 1, nullptr, &log, 1.0));
    ASSERT_NE(lyr, nullptr);
    EXPECT_TRUE(group.empty());
    EXPECT_TRUE(layers.IsEmpty());

    // An actual shape group handed to a layer without plane nets is dropped.
    CExPlane_Lyr empty;
    CExPlane_Lyr::SetActualShapeGroup(&empty, group = {"..ACTUAL_PLANE_SHAPE", "...PLANE_ID 1"}, "c", 1, nullptr,
                                      &log, 1.0);
    EXPECT_TRUE(group.empty());
    EXPECT_EQ(test::Fields(empty), "");
    CExPlane_Lyr::SetActualShapeGroup(lyr.get(), group = {"..ACTUAL_PLANE_SHAPE", "...PLANE_ID 2"}, "c", 1, nullptr,
                                      &log, 1.0);
    EXPECT_EQ(test::Fields(*lyr), "sPlaneLayer=Top Plane pPlaneNetArray=[CExPlane_Net{sNetName=N "
                                  "pActualShapeArray=[CExPlane_ActualShape{nPlaneId=3} "
                                  "CExPlane_ActualShape{nPlaneId=2}]}]");
    EXPECT_TRUE(log.IsEmpty());
}
