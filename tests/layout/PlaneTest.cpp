#include <gtest/gtest.h>

#include <string>

#include "core/ExTemporary.h"
#include "layout/ExPlane_ActualShape.h"
#include "layout/ExPlane_Lyr.h"
#include "layout/ExPlane_Net.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExPolyline_Shape.h"
#include "shapes/ExRound.h"
#include "support/TestSupport.h"

namespace {

// A plane data record as the layout hands it over: without its first line.
test::Lines PlaneRecord()
{
    return {"..ACTUAL_PLANE_SHAPE",  // before any plane layer
            "...PLANE_ID 1",
            "..PLANE_LYR \"2\"",
            "...PLANE_TYPE \"Positive\"",
            "...plane_type X",
            "...TEXT abc",
            "...PLANE_NET \"GND\"",
            "....POLYLINE_SHAPE",
            ".....XY (0,0) (10,0) (10,10)",
            "....round",
            ".....DIAMETER 2",
            "....ACTUAL_PLANE_SHAPE",
            ".....PLANE_ID 5",
            ".....POLYLINE_SHAPE",
            "......XY (0,0) (1,0) (1,1)",
            ".....APS_TIE_LEG",
            "......POLYLINE_PATH",
            ".......WIDTH 0.5",
            ".......XY (0,0) (2,2)",
            ".....APS_HATCH_DATA",
            "......POLYLINE_PATH",
            ".......XY (0,0) (3,3)",
            "......POLYLINE_PATH",
            ".......XY (1,1) (4,4)",
            "....FOO 1",
            "...PLANE_NET VCC",
            "..ACTUAL_PLANE_SHAPE",  // at layer level: the last plane net's
            "...PLANE_ID x",
            "...POLYLINE_SHAPE",
            "....XY (0,0) (5,0) (5,5)",
            "...APS_TIE_LEG",
            "....BOGUS 1",
            "...APS_HATCH_DATA",
            "..TEXT \"note\"",
            "...XY 1, 1",
            "..PLANE_LYR 3",
            "..ACTUAL_PLANE_SHAPE",  // the layer has no plane net yet
            "...POLYLINE_SHAPE",
            "....XY (0,0) (1,1) (2,0)",
            "..PLANE_LYR 4",
            "...PLANE_NET SIG",
            "....ACTUAL_PLANE_SHAPE"};
}

// Everything the parse decides, as one text.
std::string Describe(const CExPlane_LyrArray& layers)
{
    std::string s;
    for (const CExPlane_Lyr* lyr : layers) {
        s += "[" + lyr->sPlaneLayer + "|" + lyr->sPlaneType;
        for (const CExPlane_Net* net : *lyr->pPlaneNetArray) {
            s += " (" + net->sNetName + " shapes:";
            for (const CExDrawObj* shape : *net->pPlaneShapes)
                s += shape->sShapeType + ",";
            for (const CExPlane_ActualShape* a : *net->pActualShapeArray)
                s += " actual:" + std::to_string(a->nPlaneId) + "/" + std::to_string(a->pShapeArray->GetSize()) + "/" +
                     std::to_string(a->pTieLegArray->GetSize()) + "/" + std::to_string(a->pHatchArray->GetSize());
            s += ")";
        }
        s += "]";
    }
    return s;
}

struct PlaneFixture {
    CExPlane_LyrArray layers;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

    void Parse(test::Lines record, const char* context, double dScale = 1.0)
    {
        layers.SetPlaneLayerData(record, context, 1, &ignoreLog, &notUsedLog, dScale);
        EXPECT_TRUE(record.empty());
    }
};

} // namespace

TEST(Plane, LayersNetsAndActualShapes)
{
    PlaneFixture f;
    f.Parse(PlaneRecord(), ".GENERATED_DATA", 2.0);
    EXPECT_EQ(Describe(f.layers), "[2|Positive (GND shapes:POLYLINE_SHAPE,ROUND, actual:5/1/1/2)"
                                  " (VCC shapes: actual:0/1/0/0)]"
                                  "[3|]"
                                  "[4| (SIG shapes: actual:-1/0/0/0)]");

    const CExPlane_Net* gnd = f.layers.GetAt(0)->pPlaneNetArray->GetAt(0);
    auto* round = dynamic_cast<CExRound*>(gnd->pPlaneShapes->GetAt(1));
    ASSERT_NE(round, nullptr);
    EXPECT_DOUBLE_EQ(round->dDiameter, 4.0);
    const CExPlane_ActualShape* actual = gnd->pActualShapeArray->GetAt(0);
    auto* outline = dynamic_cast<CExPolyline_Shape*>(actual->pShapeArray->GetAt(0));
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->aXY.GetSize(), 3);
    EXPECT_DOUBLE_EQ(outline->aXY[2].dY, 2.0);
    auto* tieLeg = dynamic_cast<CExPolyline_Path*>(actual->pTieLegArray->GetAt(0));
    ASSERT_NE(tieLeg, nullptr);
    EXPECT_DOUBLE_EQ(tieLeg->dWidth, 1.0);
    auto* hatch = dynamic_cast<CExPolyline_Path*>(actual->pHatchArray->GetAt(1));
    ASSERT_NE(hatch, nullptr);
    EXPECT_DOUBLE_EQ(hatch->aXY[1].dX, 8.0);

    // Unknown groups at every level, and the lines of a tie leg without a
    // shape, are logged; the plane type is matched as written.
    ASSERT_EQ(f.notUsedLog.GetSize(), 3);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sKeyword, "...plane_type");
    EXPECT_EQ(f.notUsedLog.GetAt(1)->sKeyword, "....FOO");
    EXPECT_EQ(f.notUsedLog.GetAt(2)->sKeyword, "..BOGUS");
    EXPECT_EQ(f.notUsedLog.GetAt(2)->sContext, ".GENERATED_DATA");
    EXPECT_EQ(f.notUsedLog.GetAt(2)->nFlag, 1);
    EXPECT_TRUE(f.ignoreLog.IsEmpty());
}

TEST(Plane, GeneratedAndUpgradedDataReadAlike)
{
    PlaneFixture generated;
    PlaneFixture upgraded;
    generated.Parse(PlaneRecord(), ".GENERATED_DATA");
    upgraded.Parse(PlaneRecord(), ".UPG_APS_DATA");
    EXPECT_FALSE(generated.layers.IsEmpty());
    EXPECT_EQ(Describe(generated.layers), Describe(upgraded.layers));
    ASSERT_EQ(upgraded.notUsedLog.GetSize(), generated.notUsedLog.GetSize());
    EXPECT_EQ(upgraded.notUsedLog.GetAt(0)->sContext, ".UPG_APS_DATA");

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
    test::Lines group;
    EXPECT_EQ(layers.SetData(group, "c", 1, nullptr, &log, 1.0), nullptr);
    group = {"..LYR \"Top Plane\"", "...PLANE_NET N", "....ACTUAL_PLANE_SHAPE", ".....PLANE_ID 3"};
    CExPlane_Lyr* lyr = layers.SetData(group, "c", 1, nullptr, &log, 1.0);
    ASSERT_NE(lyr, nullptr);
    EXPECT_TRUE(group.empty());
    EXPECT_TRUE(layers.IsEmpty());  // not appended
    EXPECT_EQ(lyr->sPlaneLayer, "Top Plane");
    ASSERT_EQ(lyr->pPlaneNetArray->GetSize(), 1);
    EXPECT_EQ(lyr->pPlaneNetArray->GetAt(0)->pActualShapeArray->GetAt(0)->nPlaneId, 3);

    // An actual shape group handed to a layer without plane nets is dropped.
    CExPlane_Lyr empty;
    group = {"..ACTUAL_PLANE_SHAPE", "...PLANE_ID 1"};
    CExPlane_Lyr::SetActualShapeGroup(&empty, group, "c", 1, nullptr, &log, 1.0);
    EXPECT_TRUE(group.empty());
    CExPlane_Lyr::SetActualShapeGroup(lyr, group = {"..ACTUAL_PLANE_SHAPE", "...PLANE_ID 2"}, "c", 1, nullptr, &log,
                                      1.0);
    EXPECT_EQ(lyr->pPlaneNetArray->GetAt(0)->pActualShapeArray->GetSize(), 2);
    EXPECT_TRUE(log.IsEmpty());
    delete lyr;
}
