#include <gtest/gtest.h>

#include <string>

#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "cell/ExTooling_Hole.h"
#include "core/ExTemporary.h"
#include "graphics/ExDimension.h"
#include "graphics/ExDimension_Setting.h"
#include "graphics/ExFiducial.h"
#include "graphics/ExGraphic.h"
#include "graphics/ExMC_SolderMask.h"
#include "graphics/ExMounting_Hole.h"
#include "graphics/ExObstruct.h"
#include "graphics/ExPlacement_Keepout.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "graphics/ExSolder_Paste.h"
#include "layout/ExContour.h"
#include "layout/ExDesignRule_Area.h"
#include "layout/ExLayout.h"
#include "layout/ExNet.h"
#include "layout/ExPanel_Board_Instance.h"
#include "layout/ExPlane_Lyr.h"
#include "layout/ExTearDrop_Template.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExRound.h"
#include "shapes/ExSquare.h"
#include "support/TestSupport.h"

namespace {

// Feeds records as the layout file worker does: one at a time, each emptied.
struct Layout {
    CExLayout layout;
    std::string units = "MM";
    int bRemoveNet = 0;

    void Feed(test::Lines record)
    {
        layout.SetData(record, units, bRemoveNet);
        EXPECT_TRUE(record.empty());
    }
    void Feed(std::initializer_list<test::Lines> records)
    {
        for (const test::Lines& r : records)
            Feed(r);
    }
    const CExTemporaryArray& NotUsed() const { return *layout.pNotUsedLog; }
};

double Diameter(const CExDrawObjArray& shapes, std::int64_t i)
{
    const auto* round = dynamic_cast<const CExRound*>(shapes.GetAt(i));
    return round == nullptr ? -1.0 : round->dDiameter;
}

} // namespace

TEST(Layout, UnitsSetTheFactorForTheRecordsAfterThem)
{
    Layout f;
    const test::Lines round = {".BOARD_OUTLINE", "..ROUND", "...DIAMETER 1"};
    f.Feed({round, {".UNITS IN"}, round, {".units \"mm\""}, round, {".UNITS mm"}, round});
    const CExDrawObjArray& outline = *f.layout.pBoardOutline;
    ASSERT_EQ(outline.GetSize(), 4);
    EXPECT_DOUBLE_EQ(Diameter(outline, 0), 1.0);   // before any ".UNITS"
    EXPECT_DOUBLE_EQ(Diameter(outline, 1), 25.4);  // inches into millimetres
    // Quotes stay in the unit word, which then names no unit: factor 1.0.
    EXPECT_DOUBLE_EQ(Diameter(outline, 2), 1.0);
    EXPECT_EQ(f.layout.sUnits, "MM");
    EXPECT_DOUBLE_EQ(Diameter(outline, 3), 1.0);

    // The design's unit word is compared as given: in lower case it is no unit.
    Layout g;
    g.units = "mm";
    g.Feed({{".UNITS IN"}, round});
    EXPECT_DOUBLE_EQ(g.layout.dScale, 1.0);
    EXPECT_DOUBLE_EQ(Diameter(*g.layout.pBoardOutline, 0), 1.0);
    Layout h;
    h.units = "MIL";
    h.Feed({{".UNITS MM"}, round});
    EXPECT_DOUBLE_EQ(Diameter(*h.layout.pBoardOutline, 0), 39.37007874015748);
}

TEST(Layout, HeaderValues)
{
    Layout f;
    f.Feed({{".VERSION \"2.0b\"", "..DROPPED line"}, {".JOB \"abc\""}, {"  .DATE  \"Mon 2026\"  "}, {".JOB"}});
    EXPECT_EQ(f.layout.sVersion, "\"2.0B\"");
    EXPECT_EQ(f.layout.sDate, "MON 2026");
    // A keyword line without a value yields the whole line.
    EXPECT_EQ(f.layout.sJobName, ".JOB");
    f.Feed({".JOB \"abc\""});
    EXPECT_EQ(f.layout.sJobName, "ABC");
    EXPECT_TRUE(f.NotUsed().IsEmpty());
}

TEST(Layout, EveryRecordReachesItsMember)
{
    Layout f;
    f.Feed({
        {".ASSEMBLY_OUTLINE", "..ROUND", "...DIAMETER 1", "..TEXT \"A\""},
        {".BOARD_ORIGIN", "..XY (1, 2)"},
        {".BOARD_OUTLINE", "..ROUND", "...DIAMETER 1"},
        {".CONTOUR \"C\""},
        {".DESIGN_RULE_AREA \"D\""},
        {".DIMENSION_SETTINGS 4"},
        {".DIMENSION"},
        {".DRAWING_CELL \"DC\""},
        {".DRILL_GRAPHIC", "..ROUND", "...DIAMETER 1"},
        {".FIDUCIAL"},
        {".GRAPHIC"},
        {".GENERATED_DATA", "..PLANE_LYR 2"},
        {".TOOLING_HOLE", "..PADSTACK \"T\""},
        {".MANUFACTURING_OUTLINE", "..ROUND", "...DIAMETER 1"},
        {".MECHANICAL_CELL \"MC\""},
        {".MOUNTING_HOLE"},
        {".NCDRILL_ORIGIN", "..XY (3, 4)"},
        {".NET \"N\""},
        {".OBSTRUCT"},
        {".PANEL_BORDER", "..ROUND", "...DIAMETER 1"},
        {".PANEL_BOARD_INSTANCE B"},
        {".PANEL_CELL \"PC\""},
        {".PANEL_ORIGIN", "..XY (5, 6)"},
        {".PANEL_OUTLINE", "..ROUND", "...DIAMETER 1"},
        {".PACKAGE_CELL \"PK\""},
        {".PLACEMENT_KEEPOUT"},
        {".ROUTE_OUTLINE", "..ROUND", "...DIAMETER 1"},
        {".REUSABLE_CIRCUIT_CELL \"RC\""},
        {".SILKSCREEN_OUTLINE"},
        {".SOLDER_MASK"},
        {".SOLDER_PASTE"},
        {".TEARDROP_TEMPLATE 1"},
        {".TEXT \"T\""},
        {".TEST_FIXTURE_OUTLINE", "..ROUND", "...DIAMETER 1"},
        {".UPG_APS_DATA", "..PLANE_LYR 3"},
        // Taken without a trace.
        {".BREAKOUT_TEMPLATE 1", "..X 1"},
        {".CREATOR me"},
        {".DIMENSION_ORIGIN", "..XY (1, 1)"},
        {".FILETYPE LAYOUT"},
    });
    const CExLayout& l = f.layout;
    EXPECT_EQ(l.pAssemblyOutlineShapes->GetSize(), 1);
    EXPECT_EQ(l.pAssemblyOutlineTexts->GetSize(), 1);
    EXPECT_EQ(l.ptsBoardOrigin.GetSize(), 1);
    EXPECT_EQ(l.pBoardOutline->GetSize(), 1);
    EXPECT_EQ(l.pContourArray->GetSize(), 1);
    EXPECT_EQ(l.pDesignRuleAreaArray->GetSize(), 1);
    ASSERT_EQ(l.pDimensionSettingArray->GetSize(), 1);
    EXPECT_EQ(l.pDimensionSettingArray->GetAt(0)->nSettingsId, 4);
    EXPECT_EQ(l.pDimensionArray->GetSize(), 1);
    EXPECT_EQ(l.pDrawingCellArray->GetSize(), 1);
    EXPECT_EQ(l.pDrillGraphic->GetSize(), 1);
    EXPECT_EQ(l.pFiducialArray->GetSize(), 1);
    EXPECT_EQ(l.pGraphicArray->GetSize(), 1);
    ASSERT_EQ(l.pGeneratedDataArray->GetSize(), 1);
    EXPECT_EQ(l.pGeneratedDataArray->GetAt(0)->sPlaneLayer, "2");
    ASSERT_EQ(l.pToolingHoleArray->GetSize(), 1);
    EXPECT_EQ(l.pToolingHoleArray->GetAt(0)->sPadstackName, "T");
    EXPECT_EQ(l.pManufacturingOutline->GetSize(), 1);
    EXPECT_EQ(l.pMechanicalCellArray->GetSize(), 1);
    EXPECT_EQ(l.pMountingHoleArray->GetSize(), 1);
    ASSERT_EQ(l.ptsNcDrillOrigin.GetSize(), 1);
    EXPECT_DOUBLE_EQ(l.ptsNcDrillOrigin[0].dY, 4.0);
    ASSERT_EQ(l.pNetArray->GetSize(), 1);
    EXPECT_EQ(l.pNetArray->GetAt(0)->sNetName, "N");
    EXPECT_EQ(l.pObstructArray->GetSize(), 1);
    EXPECT_EQ(l.pPanelBorder->GetSize(), 1);
    EXPECT_EQ(l.pPanelBoardInstanceArray->GetSize(), 1);
    EXPECT_EQ(l.pPanelCellArray->GetSize(), 1);
    ASSERT_EQ(l.ptsPanelOrigin.GetSize(), 1);
    EXPECT_DOUBLE_EQ(l.ptsPanelOrigin[0].dX, 5.0);
    EXPECT_EQ(l.pPanelOutline->GetSize(), 1);
    ASSERT_EQ(l.pPackageCellArray->GetSize(), 1);
    EXPECT_EQ(l.pPackageCellArray->GetAt(0)->sCellName, "PK");
    EXPECT_EQ(l.pPlacementKeepoutArray->GetSize(), 1);
    EXPECT_EQ(l.pRouteOutline->GetSize(), 1);
    EXPECT_EQ(l.pReUseCircuitCellArray->GetSize(), 1);
    EXPECT_EQ(l.pSilkScreenOutlineArray->GetSize(), 1);
    EXPECT_EQ(l.pSolderMaskArray->GetSize(), 1);
    EXPECT_EQ(l.pSolderPasteArray->GetSize(), 1);
    EXPECT_EQ(l.pTearDropTemplateArray->GetSize(), 1);
    EXPECT_EQ(l.pTextArray->GetSize(), 1);
    EXPECT_EQ(l.pTestFixtureOutline->GetSize(), 1);
    ASSERT_EQ(l.pUpgApsDataArray->GetSize(), 1);
    EXPECT_EQ(l.pUpgApsDataArray->GetAt(0)->sPlaneLayer, "3");
    EXPECT_TRUE(l.pNotUsedLog->IsEmpty());
    EXPECT_TRUE(l.pIgnoreLog->IsEmpty());
}

TEST(Layout, ContextsHandedToTheParsers)
{
    // Each parser logs what it does not know with the context the layout
    // gave it.
    Layout f;
    f.Feed({
        {".TEXT \"T\"", "..MYSTERY 1"},
        {".FIDUCIAL", "..MYSTERY 1"},
        {".CONTOUR  \"C1\" ", "..MYSTERY 1"},
        {".DESIGN_RULE_AREA D", "..MYSTERY 1"},
        {".TEARDROP_TEMPLATE 1", "..MYSTERY 1"},
        {".SOLDER_PASTE", "..MYSTERY 1"},
        {".PACKAGE_CELL \"PK\"", "..MYSTERY 1"},
        {".TOOLING_HOLE  x", "..MYSTERY 1"},
        {".PANEL_BOARD_INSTANCE B", "..MYSTERY 1"},
        {".Whatever 1", "..MYSTERY 1"},
    });
    const test::Lines expected = {"TEXT",
                                  "FIDUCIAL",
                                  ".CONTOUR  \"C1\"",
                                  ".DESIGN_RULE_AREA",
                                  "TEARDROP_TEMPLATE",
                                  "SOLDER_PASTE",
                                  ".PACKAGE_CELL \"PK\"",
                                  ".TOOLING_HOLE  x",
                                  ".PANEL_BOARD_INSTANCE",
                                  ".Whatever 1"};
    ASSERT_EQ(f.NotUsed().GetSize(), static_cast<std::int64_t>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(f.NotUsed().GetAt(static_cast<std::int64_t>(i))->sContext, expected[i]) << i;
        EXPECT_EQ(f.NotUsed().GetAt(static_cast<std::int64_t>(i))->nFlag, 1) << i;
    }
    // An unknown top-level record is logged whole.
    const CExTemporary* last = f.NotUsed().GetAt(f.NotUsed().GetLastIndex());
    EXPECT_EQ(last->sKeyword, ".Whatever");
    EXPECT_EQ(last->sValue, "1");
    EXPECT_EQ(last->nLevel, 1);
    EXPECT_EQ(last->saLines, test::Lines{"..MYSTERY 1"});
}

TEST(Layout, RemoveNetFlag)
{
    const test::Lines net = {".NET \"Gnd\"", "..TRACE", "...ROUTE_LYR 1"};
    Layout kept;
    kept.Feed({net, {".NETWORK x"}});  // any keyword that begins with .NET is a net
    ASSERT_EQ(kept.layout.pNetArray->GetSize(), 2);
    EXPECT_EQ(kept.layout.pNetArray->GetAt(0)->sNetName, "Gnd");

    Layout removed;
    removed.bRemoveNet = 1;
    removed.Feed({net, {".NET \"VCC\""}, {".TEXT \"still read\""}});
    EXPECT_TRUE(removed.layout.pNetArray->IsEmpty());
    EXPECT_TRUE(removed.NotUsed().IsEmpty());
    EXPECT_EQ(removed.layout.pTextArray->GetSize(), 1);

    Layout odd;
    odd.bRemoveNet = 2;
    odd.Feed(net);
    EXPECT_TRUE(odd.layout.pNetArray->IsEmpty());
    ASSERT_EQ(odd.NotUsed().GetSize(), 1);
    EXPECT_EQ(odd.NotUsed().GetAt(0)->sKeyword, ".NET");
}

TEST(Layout, Origins)
{
    Layout f;
    f.Feed({{".UNITS IN"}, {".BOARD_ORIGIN", "..xy (100, 200)", "..XY 7 7"}, {".NCDRILL_ORIGIN", "..ORIGIN 1 1"}});
    ASSERT_EQ(f.layout.ptsBoardOrigin.GetSize(), 1);  // only the first line is read
    EXPECT_DOUBLE_EQ(f.layout.ptsBoardOrigin[0].dX, 2540.0);
    EXPECT_DOUBLE_EQ(f.layout.ptsBoardOrigin[0].dY, 5080.0);
    EXPECT_TRUE(f.layout.ptsNcDrillOrigin.IsEmpty());
    ASSERT_EQ(f.NotUsed().GetSize(), 1);
    EXPECT_EQ(f.NotUsed().GetAt(0)->sKeyword, "..ORIGIN");
    EXPECT_EQ(f.NotUsed().GetAt(0)->sContext, ".NCDRILL_ORIGIN");

    // Any other selector stores nothing; an empty record does nothing.
    test::Lines record = {"..XY 1 1"};
    f.layout.SetOriginData(3, record, "ctx", 1, f.layout.pIgnoreLog, f.layout.pNotUsedLog, 1.0);
    EXPECT_TRUE(record.empty());
    f.layout.SetOriginData(0, record, "ctx", 1, f.layout.pIgnoreLog, f.layout.pNotUsedLog, 1.0);
    EXPECT_EQ(f.layout.ptsBoardOrigin.GetSize(), 1);
    EXPECT_EQ(f.layout.ptsPanelOrigin.GetSize(), 0);
    EXPECT_EQ(f.NotUsed().GetSize(), 1);
}

TEST(Layout, AssemblyOutlineSides)
{
    Layout f;
    f.Feed({".ASSEMBLY_OUTLINE",
            "..SIDE \"TOP\"",
            "..ROUND",
            "...DIAMETER 1",
            "..side LEFT",  // the side keyword is tested as written
            "..TEXT \"A\"",
            "...XY (1, 2)",
            "..PID 12",  // dropped: only texts and shapes open a group
            "..SQUARE",
            "...WIDTH 2",
            "..SIDE BOTTOM",  // still before the square is handed over
            ".STRAY",
            "..round",
            "...diameter 3"});
    const CExDrawObjArray& shapes = *f.layout.pAssemblyOutlineShapes;
    ASSERT_EQ(shapes.GetSize(), 3);
    EXPECT_EQ(shapes.GetAt(0)->sSide, "TOP");
    EXPECT_DOUBLE_EQ(Diameter(shapes, 0), 1.0);
    const auto* square = dynamic_cast<const CExSquare*>(shapes.GetAt(1));
    ASSERT_NE(square, nullptr);
    EXPECT_DOUBLE_EQ(square->dWidth, 2.0);
    EXPECT_EQ(square->sSide, "BOTTOM");
    EXPECT_EQ(shapes.GetAt(2)->sSide, "BOTTOM");
    EXPECT_DOUBLE_EQ(Diameter(shapes, 2), 3.0);
    ASSERT_EQ(f.layout.pAssemblyOutlineTexts->GetSize(), 1);
    EXPECT_DOUBLE_EQ(f.layout.pAssemblyOutlineTexts->GetAt(0)->ptsPosition[0].dY, 2.0);
    EXPECT_TRUE(f.NotUsed().IsEmpty());
}

TEST(Layout, OddRecords)
{
    Layout f;
    test::Lines empty;
    f.layout.SetData(empty, "MM", 0);
    // Lines before the first keyword line form a record of their own.
    f.Feed({{"stray text"}, {".BOARD_OUTLINE"}, {".GENERATED_DATA"}, {".UNITS"}, {".TEXT"}});
    EXPECT_EQ(f.layout.pBoardOutline->GetSize(), 0);
    EXPECT_EQ(f.layout.pGeneratedDataArray->GetSize(), 0);
    EXPECT_EQ(f.layout.sUnits, ".UNITS");
    EXPECT_DOUBLE_EQ(f.layout.dScale, 1.0);
    EXPECT_EQ(f.layout.pTextArray->GetSize(), 1);
    ASSERT_EQ(f.NotUsed().GetSize(), 1);
    EXPECT_EQ(f.NotUsed().GetAt(0)->sKeyword, "stray");
    EXPECT_EQ(f.NotUsed().GetAt(0)->nLevel, 1);
}
