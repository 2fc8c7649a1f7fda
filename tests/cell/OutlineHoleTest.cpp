#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ParseContext.h"
#include "cell/ExNested_Cell.h"
#include "cell/ExPlacement_Outline.h"
#include "cell/ExTooling_Hole.h"
#include "core/ExTemporary.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExRectangle.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

const std::string kContext = ".PANEL_CELL P1";

struct Logs {
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;
};

} // namespace

TEST(PlacementOutline, PropertiesShapesAndTexts)
{
    Logs logs;
    CExPlacement_OutlineArray outlines;
    Lines group = {"..PLACEMENT_OUTLINE 1", "...HEIGHT 100", "...SIDE \"TOP\"", "...display_condition ALWAYS",
                   "...DISPLAY_WIDTH 3", "...PID 9", "....X", "...UNDERSIDE_SPACE 1", "...GFX_COMMON",
                   "...POLYLINE_PATH", "....WIDTH 5", "....XY (0, 0) (10, 0)", "...RECT", "....HEIGHT 1",
                   "...TEXT \"REF\"", "....HEIGHT 2", "...FOO 1", "....BAR"};
    outlines.SetPlaceOutData_InCell(group, kContext, 1, &logs.ignoreLog, &logs.notUsedLog, 0.0254);
    EXPECT_TRUE(group.empty());
    ASSERT_EQ(outlines.GetSize(), 1);
    const CExPlacement_Outline& o = *outlines.GetAt(0);
    EXPECT_DOUBLE_EQ(o.dHeight, 2.54);
    EXPECT_EQ(o.sSide, "TOP");
    EXPECT_EQ(o.sDisplayCondition, "ALWAYS");
    ASSERT_EQ(o.pDrawObjArray->GetSize(), 2);
    const auto* path = dynamic_cast<const CExPolyline_Path*>(o.pDrawObjArray->GetAt(0));
    ASSERT_NE(path, nullptr);
    EXPECT_DOUBLE_EQ(path->dWidth, 5 * 0.0254);
    EXPECT_EQ(path->aXY.GetSize(), 2);
    const auto* rect = dynamic_cast<const CExRectangle*>(o.pDrawObjArray->GetAt(1));
    ASSERT_NE(rect, nullptr);
    EXPECT_DOUBLE_EQ(rect->dHeight, 0.0254);
    ASSERT_EQ(o.pTextArray->GetSize(), 1);
    EXPECT_EQ(o.pTextArray->GetAt(0)->sText, "REF");
    EXPECT_DOUBLE_EQ(o.pTextArray->GetAt(0)->dHeight, 2 * 0.0254);
    ASSERT_EQ(logs.notUsedLog.GetSize(), 1);
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sKeyword, "...FOO");
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->saLines, (Lines{"....BAR"}));
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sContext, kContext);
}

TEST(PlacementOutline, BuilderAndAccumulation)
{
    Logs logs;
    CExPlacement_OutlineArray outlines;
    Lines empty;
    const ex::ParseContext ctx{kContext, 1, nullptr, nullptr, 1.0};
    EXPECT_EQ(CExPlacement_OutlineArray::NewPlaceOutData_InCell(empty, ctx), nullptr);
    outlines.SetPlaceOutData_InCell(empty, kContext, 1, nullptr, nullptr, 1.0);
    EXPECT_TRUE(outlines.IsEmpty());

    // A group with no deeper lines still makes an empty outline.
    Lines bare = {"..PLACEMENT_OUTLINE"};
    outlines.SetPlaceOutData_InCell(bare, kContext, 1, nullptr, nullptr, 1.0);
    ASSERT_EQ(outlines.GetSize(), 1);
    EXPECT_TRUE(outlines.GetAt(0)->pDrawObjArray->IsEmpty());

    Lines group = {"..PLACEMENT_OUTLINE", "...ROUND", "....DIAMETER 2"};
    std::unique_ptr<CExPlacement_Outline> built(
        CExPlacement_OutlineArray::NewPlaceOutData_InCell(group, ctx));
    ASSERT_NE(built, nullptr);
    EXPECT_TRUE(group.empty());
    EXPECT_EQ(built->pDrawObjArray->GetSize(), 1);

    // Reading a second group into the same outline adds to it; values are overwritten.
    Lines second = {"..PLACEMENT_OUTLINE", "...SQUARE", "....WIDTH 1", "...HEIGHT 3", "...CIRCLE", "....X 1"};
    const std::string context(kContext);
    built->SetPlaceOutData(second, {context, 1, &logs.ignoreLog, &logs.notUsedLog, 2.0});
    EXPECT_EQ(built->pDrawObjArray->GetSize(), 2);
    EXPECT_DOUBLE_EQ(built->dHeight, 6.0);
    // "...CIRCLE" is no shape keyword of the list: logged.
    ASSERT_EQ(logs.notUsedLog.GetSize(), 1);
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sKeyword, "...CIRCLE");
}

TEST(ToolingHole, CellAndLayoutForms)
{
    Logs logs;
    CExTooling_HoleArray holes;
    Lines cell = {"..TOOLING_HOLE 1",      "...PADSTACK \"TH3\"", "...ROTATION 90",   "...XY (10, 20)",
                  "...TOOLING_HOLE_OPTIONS A", "...TOOLING_HOLE_OPTIONS \"B\"", "....DEEPER x", "..XY (5, 5)"};
    holes.SetTooling_HoleData_InCell(cell, kContext, 1, &logs.ignoreLog, &logs.notUsedLog, 0.5);
    EXPECT_TRUE(cell.empty());
    ASSERT_EQ(holes.GetSize(), 1);
    const CExTooling_Hole& c = *holes.GetAt(0);
    EXPECT_EQ(c.sPadstackName, "TH3");
    EXPECT_DOUBLE_EQ(c.dRotation, 90.0);  // not scaled
    ASSERT_EQ(c.aXY.GetSize(), 1);        // a level-2 line is no property in a cell
    EXPECT_DOUBLE_EQ(c.aXY[0].dX, 5.0);
    EXPECT_DOUBLE_EQ(c.aXY[0].dY, 10.0);
    EXPECT_EQ(c.sToolingHoleOptions, "B");
    EXPECT_TRUE(logs.notUsedLog.IsEmpty());

    Lines layout = {".TOOLING_HOLE", "..PADSTACK TH4", "..XY 1000, 2000", "..ROTATION 45", "...PID 3",
                    "...XY (7, 7)", "..WHAT 1"};
    holes.SetTooling_HoleData_InLayout(layout, ".TOOLING_HOLE", 1, &logs.ignoreLog, &logs.notUsedLog, 0.001);
    EXPECT_TRUE(layout.empty());
    ASSERT_EQ(holes.GetSize(), 2);
    const CExTooling_Hole& l = *holes.GetAt(1);
    EXPECT_EQ(l.sPadstackName, "TH4");
    ASSERT_EQ(l.aXY.GetSize(), 1);  // the deeper "...XY" belongs to the rotation group
    EXPECT_DOUBLE_EQ(l.aXY[0].dX, 1.0);
    EXPECT_DOUBLE_EQ(l.aXY[0].dY, 2.0);
    EXPECT_DOUBLE_EQ(l.dRotation, 45.0);
    ASSERT_EQ(logs.notUsedLog.GetSize(), 1);
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sKeyword, "..WHAT");
    EXPECT_EQ(logs.notUsedLog.GetAt(0)->sContext, ".TOOLING_HOLE");

    // Level-3 lines ahead of any level-2 line form a group of their own: not a property.
    Lines orphan = {".TOOLING_HOLE", "...XY (1, 1)", "..PADSTACK P"};
    holes.SetTooling_HoleData_InLayout(orphan, ".TOOLING_HOLE", 1, nullptr, &logs.notUsedLog, 1.0);
    EXPECT_EQ(holes.GetAt(2)->sPadstackName, "P");
    EXPECT_TRUE(holes.GetAt(2)->aXY.IsEmpty());
    EXPECT_EQ(logs.notUsedLog.GetSize(), 2);

    Lines empty;
    holes.SetTooling_HoleData_InLayout(empty, "", 1, nullptr, nullptr, 1.0);
    EXPECT_EQ(holes.GetSize(), 3);
}

TEST(NestedCell, ArrayOwnsItsEntries)
{
    CExNested_CellArray cells;
    cells.Add(new CExNested_Cell);
    cells.Add(new CExNested_Cell);
    EXPECT_EQ(cells.GetSize(), 2);
    EXPECT_TRUE(cells.DeleteLastElement());
    EXPECT_EQ(cells.GetSize(), 1);
}
