#include <gtest/gtest.h>

#include <string>

#include "support/Fields.h"
#include "support/Records.h"

using test::Lines;

TEST(PanelBoardInstance, EveryGroupFillsItsMember)
{
    test::Logs logs;
    CExPanel_Board_InstanceArray instances;
    auto parse = [&](Lines record, double dScale) {
        const CExPanel_Board_Instance* p = test::Take(instances, record, [&](Lines& r) {
            instances.SetPanel_Board_InstanceData(r, ".PANEL_BOARD_INSTANCE", 1, &logs.ignore, &logs.notUsed, dScale);
        });
        return p ? test::Fields(*p) : "";
    };
    // The origin under INSTANCE_ORIGIN is scaled, a plain XY line and the
    // angle are not; a level-1 line inside the record is dropped.
    EXPECT_EQ(parse({".PANEL_BOARD_INSTANCE \"Board 1\"", "..JOB_NAME \"demo\"", "..VARIANT_NAME Default",
                     "..LOCAL_PATH \"C:/jobs/demo\"", "..SOURCE_PATH /src/demo", "..INSTANCE_ORIGIN", "...XY (10, 20)",
                     "...FOO bar", "..XY (3, 4)", "..ROTATION 90", "..FACEMENT \"Top\"", ".STRAY line",
                     "..POLYLINE_SHAPE", "...XY (0, 0) (1", ", 0) (1, 1)", "..ROUND", "...DIAMETER 2", "..UNKNOWN 5",
                     "...DEEPER 6"},
                    2.0),
              "sInstanceName=Board 1 sJobName=demo sVariantName=Default sLocalPath=C:/jobs/demo "
              "sSourcePath=/src/demo ptsInstanceOrigin=(20,40)(3,4) dRotation=90 sFacement=\"Top\" "
              "pShapeArray=[CExPolyline_Shape{sShapeType=POLYLINE_SHAPE aXY=(0,0)(2,0)(2,2)} "
              "CExRound{sShapeType=ROUND dDiameter=4}]");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..UNKNOWN|5|2|.PANEL_BOARD_INSTANCE|1|...DEEPER 6"});

    // Bare and empty records; a quoted rotation is no number, a rotation
    // without value reads 0.
    EXPECT_EQ(parse({}, 1.0), "");
    EXPECT_EQ(parse({"  .panel_board_instance   B2  "}, 1.0), "sInstanceName=B2");
    EXPECT_EQ(parse({".PANEL_BOARD_INSTANCE B3", "..rotation \"90\"", "..ROTATION"}, 1.0), "sInstanceName=B3");
    EXPECT_EQ(logs.notUsed.GetSize(), 1);
    EXPECT_TRUE(logs.ignore.IsEmpty());
}

TEST(DesignRuleArea, LayerShapesTextsAndLogs)
{
    test::Logs logs;
    CExDesignRule_AreaArray areas;
    auto parse = [&](Lines record, double dScale) {
        return test::Fields(*test::Take(areas, record, [&](Lines& r) {
            areas.SetDesignRule_AreaData(r, ".DESIGN_RULE_AREA", 1, &logs.ignore, &logs.notUsed, dScale);
        }));
    };
    // Quotes are removed before the keyword test.
    EXPECT_EQ(parse({".DESIGN_RULE_AREA \"Keep Wide\"", "..ROUTE_LYR \"2\"", "..POLYLINE_SHAPE",
                     "...XY (0, 0) (10, 0) (10, 10)", "..TEXT \"RULE\"", "...XY (1, 1)", "...HEIGHT 2", "..PID 77",
                     "..\"pid\" 78", "..CLEARANCE 0.2"},
                    10.0),
              "sRouteLayer=2 pTextArray=[CExText{sText=RULE sTextValue=RULE ptsPosition=(10,10) dHeight=20}] "
              "pShapeArray=[CExPolyline_Shape{sShapeType=POLYLINE_SHAPE aXY=(0,0)(100,0)(100,100)}] "
              "sAreaName=Keep Wide");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..CLEARANCE|0.2|2|.DESIGN_RULE_AREA|1"});
    // An area without groups is still appended.
    EXPECT_EQ(parse({".DESIGN_RULE_AREA"}, 1.0), "sAreaName=.DESIGN_RULE_AREA");
}

TEST(Contour, ValuesKeepOrDropQuotes)
{
    test::Logs logs;
    CExContourArray contours;
    const std::string first = ".CONTOUR \"C1\"";
    // Keywords match in any case; the later value wins.
    Lines record = {first,          "..COMP \"U1\"", "..DIRECTION \"CW\"", "..HOLE \"Yes\"",       "..PID 3",
                    "..TEXT \"NOTE\"", "...XY (2, 3)", "..RECT_SHAPE",       "...XY (0, 0) (4, 4)", "..comp \"U2\"",
                    "..LAYER 1"};
    contours.SetContourData(record, first, 1, &logs.ignore, &logs.notUsed, 1.0);
    EXPECT_TRUE(record.empty());
    ASSERT_EQ(contours.GetSize(), 1);
    EXPECT_EQ(test::Fields(*contours.GetAt(0)),
              "pTextArray=[CExText{sText=NOTE sTextValue=NOTE ptsPosition=(2,3)}] "
              "pShapeArray=[CExRect_Shape{sShapeType=RECT_SHAPE aXY=(0,0)(4,4)}] sComponent=U2 "
              "sDirection=\"CW\" sHole=\"Yes\" sContourName=C1");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..LAYER|1|2|.CONTOUR \"C1\"|1"});
    EXPECT_TRUE(logs.ignore.IsEmpty());
}
