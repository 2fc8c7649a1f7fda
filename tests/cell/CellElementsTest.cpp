// Pins, placement outlines and tooling holes: the groups a cell hands on.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ParseContext.h"
#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

const std::string kContext = ".PACKAGE_CELL \"SOIC8\"";

struct Pins {
    CExPackage_PinArray pins;
    test::Logs logs;

    std::string Parse(Lines group, double dScale = 1.0)
    {
        const CExPackage_Pin* pin = test::Take(pins, group, [&](Lines& g) {
            pins.SetPinData_InCell(g, kContext, 1, &logs.ignore, &logs.notUsed, dScale);
        });
        return pin ? test::Fields(*pin) : "";
    }
};

} // namespace

TEST(PackagePin, PropertiesOfAPin)
{
    Pins f;
    // Quotes go; the rotation is not scaled and the later line wins; a pin's
    // position is scaled, unlike the cell's own origin.
    EXPECT_EQ(f.Parse({"..PIN \"A1\"", "...netname N1", "...ROTATION 90", "...ROTATION 45.5deg", "...XY (10, 20)",
                       "...PIN_OPTIONS SMD", "...PIN_OPTIONS \"FIXED\"", "...PID 17", "....DEEPER 1",
                       "...BREAKOUT_DATA", "....WHATEVER", "...DIMENSION_DATA", "...TEXT \"A1\"", "....HEIGHT 1"},
                      0.0254),
              "saPinOptions=[SMD|FIXED] dRotation=45.5 sNetName=N1 aXY=(0.254,0.508) sPinNumber=A1 "
              "pTextArray=[CExText{sText=A1 sTextValue=A1 dHeight=0.0254}]");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty() && f.logs.ignore.IsEmpty());

    // The padstack step.
    EXPECT_EQ(f.Parse({"..PIN 1", "...PADSTACK \"SMD_SOIC\"", "....IS_MODIFIED_PADSTACK \"No\"", "....PAD_NAME TOP",
                       ".....PAD_LYR 1", ".....PADSTACK_PID 3", ".....MIRRORED_PADSTACK_PID 4", "....PADSTACK_PID 5",
                       "....PAD_NAME BOTTOM", ".....PAD_LYR 2", "....USER_PAD_NAME \"U1\""}),
              "sPadstackName=SMD_SOIC sPinNumber=1 sIsModifiedPadstack=No saPadName=[TOP|BOTTOM] saPadLyr=[1|2] "
              "saUserPadName=[U1]");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty());

    // An unknown line ends the step: it and every line after it make one
    // entry. PADSTACK_X is a padstack line: a prefix test.
    EXPECT_EQ(f.Parse({"..PIN 2", "...PADSTACK_X P", "....PAD_NAME TOP", "....FOO 1", "....PAD_NAME BOTTOM",
                       ".....PAD_LYR 3"}),
              "sPadstackName=P sPinNumber=2 saPadName=[TOP]");
    EXPECT_EQ(test::Entries(f.logs.notUsed),
              Lines{"....FOO|1|4|.PACKAGE_CELL \"SOIC8\"|1|....PAD_NAME BOTTOM|.....PAD_LYR 3"});
}

TEST(PackagePin, TearDropsUnknownGroupsAndOddGroups)
{
    Pins f;
    // A line without a dot continues the line before.
    EXPECT_EQ(f.Parse({"..PIN 3", "...TEARDROP_DATA", "....TEARDROP_TEMPLATE_ID 7", "....ROUTE_LYR \"2\"",
                       "....OTHER x", "...TEARDROP_DATA", "...FOO bar", "....BAZ 1", "...XY 1,", "2"}),
              "aXY=(1,2) sPinNumber=3 pTearDropDataArray=[CExTearDrop_Data{nTemplateId=7 dRatio=1 sRouteLayer=2} "
              "CExTearDrop_Data{dRatio=1}]");
    EXPECT_EQ(test::Entries(f.logs.notUsed), Lines{"...FOO|bar|3|.PACKAGE_CELL \"SOIC8\"|1|....BAZ 1"});

    // No value: the whole line is the number; shallower lines inside the
    // group are no property; equal numbers are both kept.
    EXPECT_EQ(f.Parse({}), "");
    EXPECT_EQ(f.Parse({"..PIN"}), "sPinNumber=..PIN");
    EXPECT_EQ(f.Parse({"  ..PIN 1  ", "", "...ROTATION abc", ". stray", "..OTHER 2"}), "sPinNumber=1");
    EXPECT_EQ(f.Parse({"..PIN 1"}), "sPinNumber=1");
    EXPECT_EQ(f.logs.notUsed.GetSize(), 1);
}

TEST(PlacementOutline, PropertiesShapesTextsAndAccumulation)
{
    test::Logs logs;
    CExPlacement_OutlineArray outlines;
    Lines group = {"..PLACEMENT_OUTLINE 1", "...HEIGHT 100", "...SIDE \"TOP\"", "...display_condition ALWAYS",
                   "...DISPLAY_WIDTH 3", "...PID 9", "....X", "...UNDERSIDE_SPACE 1", "...GFX_COMMON",
                   "...POLYLINE_PATH", "....WIDTH 5", "....XY (0, 0) (10, 0)", "...RECT", "....HEIGHT 1",
                   "...TEXT \"REF\"", "....HEIGHT 2", "...FOO 1", "....BAR"};
    outlines.SetPlaceOutData_InCell(group, kContext, 1, &logs.ignore, &logs.notUsed, 0.5);
    EXPECT_TRUE(group.empty());
    EXPECT_EQ(test::Items(outlines),
              "CExPlacement_Outline{dHeight=50 pDrawObjArray=[CExPolyline_Path{sShapeType=POLYLINE_PATH "
              "aXY=(0,0)(5,0) dWidth=2.5} CExRectangle{sShapeType=RECTANGLE dHeight=0.5}] "
              "sDisplayCondition=ALWAYS sSide=TOP pTextArray=[CExText{sText=REF sTextValue=REF dHeight=1}]}");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"...FOO|1|3|.PACKAGE_CELL \"SOIC8\"|1|....BAR"});

    // An empty group makes nothing; one with no deeper lines an empty outline.
    const ex::ParseContext ctx{kContext, 1, nullptr, nullptr, 1.0};
    Lines empty;
    EXPECT_EQ(CExPlacement_OutlineArray::NewPlaceOutData_InCell(empty, ctx), nullptr);
    Lines bare = {"..PLACEMENT_OUTLINE"};
    std::unique_ptr<CExPlacement_Outline> built(
        CExPlacement_OutlineArray::NewPlaceOutData_InCell(bare, ctx));
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(test::Fields(*built), "");

    // A second group read into the same outline adds shapes and overwrites
    // values; "...CIRCLE" is no shape keyword of the list: logged.
    Lines second = {"..PLACEMENT_OUTLINE", "...SQUARE", "....WIDTH 1", "...HEIGHT 3", "...CIRCLE", "....X 1"};
    built->SetPlaceOutData(second, {kContext, 1, &logs.ignore, &logs.notUsed, 2.0});
    built->SetPlaceOutData(second = {"..PLACEMENT_OUTLINE", "...HEIGHT 4"}, {kContext, 1, nullptr, nullptr, 2.0});
    EXPECT_EQ(test::Fields(*built), "dHeight=8 pDrawObjArray=[CExSquare{sShapeType=SQUARE dWidth=2}]");
    EXPECT_EQ(test::Keywords(logs.notUsed), (Lines{"...FOO", "...CIRCLE"}));
}

TEST(ToolingHole, CellAndLayoutForms)
{
    test::Logs logs;
    CExTooling_HoleArray holes;
    // In a cell a level-2 line is no property; the rotation is not scaled.
    Lines cell = {"..TOOLING_HOLE 1",      "...PADSTACK \"TH3\"", "...ROTATION 90",   "...XY (10, 20)",
                  "...TOOLING_HOLE_OPTIONS A", "...TOOLING_HOLE_OPTIONS \"B\"", "....DEEPER x", "..XY (5, 5)"};
    holes.SetTooling_HoleData_InCell(cell, kContext, 1, &logs.ignore, &logs.notUsed, 0.5);
    // In a layout the deeper "...XY" belongs to the rotation group.
    Lines layout = {".TOOLING_HOLE", "..PADSTACK TH4", "..XY 1000, 2000", "..ROTATION 45", "...PID 3",
                    "...XY (7, 7)", "..WHAT 1"};
    holes.SetTooling_HoleData_InLayout(layout, ".TOOLING_HOLE", 1, &logs.ignore, &logs.notUsed, 0.001);
    // Level-3 lines ahead of any level-2 line form a group of their own: not a property.
    Lines orphan = {".TOOLING_HOLE", "...XY (1, 1)", "..PADSTACK P"};
    holes.SetTooling_HoleData_InLayout(orphan, ".TOOLING_HOLE", 1, nullptr, &logs.notUsed, 1.0);
    Lines empty;
    holes.SetTooling_HoleData_InLayout(empty, "", 1, nullptr, nullptr, 1.0);
    EXPECT_TRUE(cell.empty() && layout.empty() && orphan.empty());
    EXPECT_EQ(test::Items(holes), "CExTooling_Hole{sPadstackName=TH3 dRotation=90 aXY=(5,10) sToolingHoleOptions=B} "
                                  "CExTooling_Hole{sPadstackName=TH4 dRotation=45 aXY=(1,2)} "
                                  "CExTooling_Hole{sPadstackName=P}");
    EXPECT_EQ(test::Entries(logs.notUsed),
              (Lines{"..WHAT|1|2|.TOOLING_HOLE|1", "...XY|(1, 1)|3|.TOOLING_HOLE|1"}));
}
