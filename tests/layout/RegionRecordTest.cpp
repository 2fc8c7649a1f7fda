#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "core/ExTemporary.h"
#include "layout/ExBreak_TemplaBreakray.h"
#include "layout/ExContour.h"
#include "layout/ExDesignRule_Area.h"
#include "layout/ExPanel_Board_Instance.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExPolyline_Shape.h"
#include "shapes/ExRound.h"
#include "support/TestSupport.h"

static_assert(std::is_base_of_v<CExPtrArray<CExBreak_Template*, CExBreak_Template*>, CExBreak_TemplaBreakray>);

namespace {

struct Logs {
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;
};

} // namespace

TEST(PanelBoardInstance, EveryGroupFillsItsMember)
{
    Logs logs;
    CExPanel_Board_InstanceArray instances;
    test::Lines record = {".PANEL_BOARD_INSTANCE \"Board 1\"",
                          "..JOB_NAME \"demo\"",
                          "..VARIANT_NAME Default",
                          "..LOCAL_PATH \"C:/jobs/demo\"",
                          "..SOURCE_PATH /src/demo",
                          "..INSTANCE_ORIGIN",
                          "...XY (10, 20)",
                          "...FOO bar",  // dropped with no trace
                          "..XY (3, 4)",
                          "..ROTATION 90",
                          "..FACEMENT \"Top\"",
                          ".STRAY line",  // a level-1 line inside the record is dropped
                          "..POLYLINE_SHAPE",
                          "...XY (0, 0) (1",  // continued on the next line
                          ", 0) (1, 1)",
                          "..ROUND",
                          "...DIAMETER 2",
                          "..UNKNOWN 5",
                          "...DEEPER 6"};
    instances.SetPanel_Board_InstanceData(record, ".PANEL_BOARD_INSTANCE", 1, &logs.ignoreLog, &logs.notUsedLog, 2.0);
    EXPECT_TRUE(record.empty());
    ASSERT_EQ(instances.GetSize(), 1);
    const CExPanel_Board_Instance* p = instances.GetAt(0);
    EXPECT_EQ(p->sInstanceName, "Board 1");
    EXPECT_EQ(p->sJobName, "demo");
    EXPECT_EQ(p->sVariantName, "Default");
    EXPECT_EQ(p->sLocalPath, "C:/jobs/demo");
    EXPECT_EQ(p->sSourcePath, "/src/demo");
    EXPECT_EQ(p->sFacement, "\"Top\"");
    EXPECT_DOUBLE_EQ(p->dRotation, 90.0);  // an angle is not scaled

    // The origin under INSTANCE_ORIGIN is scaled, a plain XY line is not.
    ASSERT_EQ(p->ptsInstanceOrigin.GetSize(), 2);
    EXPECT_DOUBLE_EQ(p->ptsInstanceOrigin[0].dX, 20.0);
    EXPECT_DOUBLE_EQ(p->ptsInstanceOrigin[0].dY, 40.0);
    EXPECT_DOUBLE_EQ(p->ptsInstanceOrigin[1].dX, 3.0);
    EXPECT_DOUBLE_EQ(p->ptsInstanceOrigin[1].dY, 4.0);
    EXPECT_TRUE(p->ptsReserved.IsEmpty());

    ASSERT_EQ(p->pShapeArray->GetSize(), 2);
    const auto* outline = dynamic_cast<const CExPolyline_Shape*>(p->pShapeArray->GetAt(0));
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->aXY.GetSize(), 3);
    EXPECT_DOUBLE_EQ(outline->aXY[1].dX, 2.0);
    const auto* round = dynamic_cast<const CExRound*>(p->pShapeArray->GetAt(1));
    ASSERT_NE(round, nullptr);
    EXPECT_DOUBLE_EQ(round->dDiameter, 4.0);

    ASSERT_EQ(logs.notUsedLog.GetSize(), 1);
    const CExTemporary* entry = logs.notUsedLog.GetAt(0);
    EXPECT_EQ(entry->sKeyword, "..UNKNOWN");
    EXPECT_EQ(entry->sValue, "5");
    EXPECT_EQ(entry->sContext, ".PANEL_BOARD_INSTANCE");
    EXPECT_EQ(entry->nFlag, 1);
    EXPECT_EQ(entry->saLines, test::Lines{"...DEEPER 6"});
    EXPECT_TRUE(logs.ignoreLog.IsEmpty());
}

TEST(PanelBoardInstance, BareAndEmptyRecords)
{
    Logs logs;
    CExPanel_Board_InstanceArray instances;
    test::Lines empty;
    instances.SetPanel_Board_InstanceData(empty, "ctx", 1, &logs.ignoreLog, &logs.notUsedLog, 1.0);
    EXPECT_TRUE(instances.IsEmpty());

    test::Lines bare = {"  .panel_board_instance   B2  "};
    instances.SetPanel_Board_InstanceData(bare, "ctx", 1, &logs.ignoreLog, &logs.notUsedLog, 1.0);
    test::Lines quotedRotation = {".PANEL_BOARD_INSTANCE B3", "..rotation \"90\"", "..ROTATION"};
    instances.SetPanel_Board_InstanceData(quotedRotation, "ctx", 1, &logs.ignoreLog, &logs.notUsedLog, 1.0);
    ASSERT_EQ(instances.GetSize(), 2);
    const CExPanel_Board_Instance* b2 = instances.GetAt(0);
    EXPECT_EQ(b2->sInstanceName, "B2");
    EXPECT_EQ(b2->sJobName, "");
    EXPECT_DOUBLE_EQ(b2->dRotation, 0.0);
    EXPECT_TRUE(b2->ptsInstanceOrigin.IsEmpty());
    EXPECT_TRUE(b2->pShapeArray->IsEmpty());
    // A quoted rotation is no number; a rotation without value reads 0.
    EXPECT_DOUBLE_EQ(instances.GetAt(1)->dRotation, 0.0);
    EXPECT_TRUE(logs.notUsedLog.IsEmpty());
}

TEST(DesignRuleArea, LayerShapesTextsAndLogs)
{
    Logs logs;
    CExDesignRule_AreaArray areas;
    test::Lines record = {".DESIGN_RULE_AREA \"Keep Wide\"",
                          "..ROUTE_LYR \"2\"",
                          "..POLYLINE_SHAPE",
                          "...XY (0, 0) (10, 0) (10, 10)",
                          "..TEXT \"RULE\"",
                          "...XY (1, 1)",
                          "...HEIGHT 2",
                          "..PID 77",
                          "..\"pid\" 78",  // quotes are removed before the test
                          "..CLEARANCE 0.2"};
    areas.SetDesignRule_AreaData(record, ".DESIGN_RULE_AREA", 1, &logs.ignoreLog, &logs.notUsedLog, 10.0);
    EXPECT_TRUE(record.empty());
    ASSERT_EQ(areas.GetSize(), 1);
    const CExDesignRule_Area* a = areas.GetAt(0);
    EXPECT_EQ(a->sAreaName, "Keep Wide");
    EXPECT_EQ(a->sRouteLayer, "2");
    ASSERT_EQ(a->pShapeArray->GetSize(), 1);
    const auto* shape = dynamic_cast<const CExPolyline_Shape*>(a->pShapeArray->GetAt(0));
    ASSERT_NE(shape, nullptr);
    ASSERT_EQ(shape->aXY.GetSize(), 3);
    EXPECT_DOUBLE_EQ(shape->aXY[2].dY, 100.0);
    ASSERT_EQ(a->pTextArray->GetSize(), 1);
    EXPECT_EQ(a->pTextArray->GetAt(0)->sText, "RULE");
    EXPECT_DOUBLE_EQ(a->pTextArray->GetAt(0)->dHeight, 20.0);
    ASSERT_EQ(logs.notUsedLog.GetSize(), 1);
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sKeyword, "..CLEARANCE");
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sContext, ".DESIGN_RULE_AREA");

    // An area without groups is still appended.
    test::Lines bare = {".DESIGN_RULE_AREA"};
    areas.SetDesignRule_AreaData(bare, ".DESIGN_RULE_AREA", 1, &logs.ignoreLog, &logs.notUsedLog, 1.0);
    ASSERT_EQ(areas.GetSize(), 2);
    EXPECT_TRUE(areas.GetAt(1)->pShapeArray->IsEmpty());
}

TEST(Contour, ValuesKeepOrDropQuotes)
{
    Logs logs;
    CExContourArray contours;
    const std::string first = ".CONTOUR \"C1\"";
    test::Lines record = {first,
                          "..COMP \"U1\"",
                          "..DIRECTION \"CW\"",
                          "..HOLE \"Yes\"",
                          "..PID 3",
                          "..TEXT \"NOTE\"",
                          "...XY (2, 3)",
                          "..RECT_SHAPE",
                          "...XY (0, 0) (4, 4)",
                          "..comp \"U2\"",  // keywords match in any case; the later value wins
                          "..LAYER 1"};
    contours.SetContourData(record, first, 1, &logs.ignoreLog, &logs.notUsedLog, 1.0);
    EXPECT_TRUE(record.empty());
    ASSERT_EQ(contours.GetSize(), 1);
    const CExContour* c = contours.GetAt(0);
    EXPECT_EQ(c->sContourName, "C1");
    EXPECT_EQ(c->sComponent, "U2");
    EXPECT_EQ(c->sDirection, "\"CW\"");
    EXPECT_EQ(c->sHole, "\"Yes\"");
    ASSERT_EQ(c->pTextArray->GetSize(), 1);
    EXPECT_DOUBLE_EQ(c->pTextArray->GetAt(0)->ptsPosition[0].dY, 3.0);
    ASSERT_EQ(c->pShapeArray->GetSize(), 1);
    EXPECT_EQ(c->pShapeArray->GetAt(0)->sShapeType, "RECT_SHAPE");
    ASSERT_EQ(logs.notUsedLog.GetSize(), 1);
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sKeyword, "..LAYER");
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sContext, first);
    EXPECT_TRUE(logs.ignoreLog.IsEmpty());
}
