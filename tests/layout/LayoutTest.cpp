#include <gtest/gtest.h>

#include <string>

#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

// Feeds records as the layout file worker does: one at a time, each emptied.
struct Layout {
    CExLayout layout;
    std::string units = "MM";
    int bRemoveNet = 0;

    void Feed(std::initializer_list<Lines> records)
    {
        for (Lines r : records) {
            layout.SetData(r, units, bRemoveNet);
            EXPECT_TRUE(r.empty());
        }
    }
    const CExTemporaryArray& NotUsed() const { return *layout.pNotUsedLog; }
};

} // namespace

TEST(Layout, UnitsSetTheFactorForTheRecordsAfterThem)
{
    Layout f;
    const Lines round = {".BOARD_OUTLINE", "..ROUND", "...DIAMETER 1"};
    // Before any ".UNITS" the factor is 1; then inches into millimetres;
    // quotes stay in the unit word, which then names no unit.
    f.Feed({round, {".UNITS IN"}, round, {".units \"mm\""}, round, {".UNITS mm"}, round});
    EXPECT_EQ(test::Items(*f.layout.pBoardOutline),
              "CExRound{sShapeType=ROUND dDiameter=1} CExRound{sShapeType=ROUND dDiameter=25.4} "
              "CExRound{sShapeType=ROUND dDiameter=1} CExRound{sShapeType=ROUND dDiameter=1}");
    EXPECT_EQ(f.layout.sUnits, "MM");

    // The design's unit word is compared as given: in lower case it is no unit.
    Layout g;
    g.units = "mm";
    g.Feed({{".UNITS IN"}, round});
    EXPECT_DOUBLE_EQ(g.layout.dScale, 1.0);
    Layout h;
    h.units = "MIL";
    h.Feed({{".UNITS MM"}, round});
    EXPECT_EQ(test::Items(*h.layout.pBoardOutline), "CExRound{sShapeType=ROUND dDiameter=39.37007874}");
}

TEST(Layout, HeaderValues)
{
    Layout f;
    f.Feed({{".VERSION \"2.0b\"", "..DROPPED line"}, {".JOB \"abc\""}, {"  .DATE  \"Mon 2026\"  "}, {".JOB"}});
    EXPECT_EQ(f.layout.sVersion, "\"2.0B\"");
    EXPECT_EQ(f.layout.sDate, "MON 2026");
    // A keyword line without a value yields the whole line.
    EXPECT_EQ(f.layout.sJobName, ".JOB");
    f.Feed({{".JOB \"abc\""}});
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
    // One element each, and neither log holds anything.
    EXPECT_EQ(test::Counts(l),
              "pMechanicalCellArray=1 pDimensionSettingArray=1 pDimensionArray=1 pGraphicArray=1 pObstructArray=1 "
              "ptsBoardOrigin=1 ptsNcDrillOrigin=1 pPackageCellArray=1 pGeneratedDataArray=1 pUpgApsDataArray=1 "
              "pTextArray=1 pSilkScreenOutlineArray=1 pMountingHoleArray=1 pFiducialArray=1 "
              "pAssemblyOutlineShapes=1 pAssemblyOutlineTexts=1 pRouteOutline=1 pBoardOutline=1 "
              "pDrawingCellArray=1 pNetArray=1 pSolderMaskArray=1 pTearDropTemplateArray=1 pPanelCellArray=1 "
              "pPanelOutline=1 pPanelBorder=1 ptsPanelOrigin=1 pPanelBoardInstanceArray=1 pContourArray=1 "
              "pPlacementKeepoutArray=1 pDesignRuleAreaArray=1 pDrillGraphic=1 pSolderPasteArray=1 "
              "pReUseCircuitCellArray=1 pTestFixtureOutline=1 pManufacturingOutline=1 pToolingHoleArray=1");
    // The record's own parser read it.
    EXPECT_EQ(l.pDimensionSettingArray->GetAt(0)->nSettingsId, 4);
    EXPECT_EQ(l.pGeneratedDataArray->GetAt(0)->sPlaneLayer, "2");
    EXPECT_EQ(l.pUpgApsDataArray->GetAt(0)->sPlaneLayer, "3");
    EXPECT_EQ(l.pToolingHoleArray->GetAt(0)->sPadstackName, "T");
    EXPECT_EQ(l.pNetArray->GetAt(0)->sNetName, "N");
    EXPECT_EQ(l.pPackageCellArray->GetAt(0)->sCellName, "PK");
    EXPECT_DOUBLE_EQ(l.ptsNcDrillOrigin[0].dY, 4.0);
    EXPECT_DOUBLE_EQ(l.ptsPanelOrigin[0].dX, 5.0);
}

TEST(Layout, ContextsHandedToTheParsers)
{
    // Each parser logs what it does not know with the context the layout
    // gave it; an unknown top-level record is logged whole.
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
    Lines contexts;
    for (const CExTemporary* e : f.NotUsed())
        contexts.push_back(e->sContext + "|" + std::to_string(e->nFlag));
    EXPECT_EQ(contexts, (Lines{"TEXT|1", "FIDUCIAL|1", ".CONTOUR  \"C1\"|1", ".DESIGN_RULE_AREA|1",
                               "TEARDROP_TEMPLATE|1", "SOLDER_PASTE|1", ".PACKAGE_CELL \"PK\"|1",
                               ".TOOLING_HOLE  x|1", ".PANEL_BOARD_INSTANCE|1", ".Whatever 1|1"}));
    EXPECT_EQ(test::Entry(*f.NotUsed().GetAt(9)), ".Whatever|1|1|.Whatever 1|1|..MYSTERY 1");
}

TEST(Layout, RemoveNetFlag)
{
    const Lines net = {".NET \"Gnd\"", "..TRACE", "...ROUTE_LYR 1"};
    Layout kept;
    kept.Feed({net, {".NETWORK x"}});  // any keyword that begins with .NET is a net
    ASSERT_EQ(kept.layout.pNetArray->GetSize(), 2);
    EXPECT_EQ(kept.layout.pNetArray->GetAt(0)->sNetName, "Gnd");

    Layout removed;
    removed.bRemoveNet = 1;
    removed.Feed({net, {".NET \"VCC\""}, {".TEXT \"still read\""}});
    EXPECT_EQ(test::Counts(removed.layout), "pTextArray=1");

    Layout odd;
    odd.bRemoveNet = 2;
    odd.Feed({net});
    EXPECT_TRUE(odd.layout.pNetArray->IsEmpty());
    EXPECT_EQ(test::Keywords(odd.NotUsed()), Lines{".NET"});
}

TEST(Layout, OriginsAndOddRecords)
{
    Layout f;
    f.Feed({{".UNITS IN"}, {".BOARD_ORIGIN", "..xy (100, 200)", "..XY 7 7"}, {".NCDRILL_ORIGIN", "..ORIGIN 1 1"}});
    // Only the first line is read.
    EXPECT_EQ(test::Counts(f.layout), "ptsBoardOrigin=1 pNotUsedLog=1");
    EXPECT_DOUBLE_EQ(f.layout.ptsBoardOrigin[0].dX, 2540.0);
    EXPECT_DOUBLE_EQ(f.layout.ptsBoardOrigin[0].dY, 5080.0);
    EXPECT_EQ(test::Entries(f.NotUsed()), Lines{"..ORIGIN|1 1|2|.NCDRILL_ORIGIN|1"});

    // Any other selector stores nothing; an empty record does nothing.
    Lines record = {"..XY 1 1"};
    f.layout.SetOriginData(3, record, "ctx", 1, f.layout.pIgnoreLog, f.layout.pNotUsedLog, 1.0);
    EXPECT_TRUE(record.empty());
    f.layout.SetOriginData(0, record, "ctx", 1, f.layout.pIgnoreLog, f.layout.pNotUsedLog, 1.0);
    EXPECT_EQ(test::Counts(f.layout), "ptsBoardOrigin=1 pNotUsedLog=1");

    // Lines before the first keyword line form a record of their own; records
    // of only their keyword line add nothing, or an empty text.
    Layout g;
    Lines empty;
    g.layout.SetData(empty, "MM", 0);
    g.Feed({{"stray text"}, {".BOARD_OUTLINE"}, {".GENERATED_DATA"}, {".UNITS"}, {".TEXT"}});
    EXPECT_EQ(g.layout.sUnits, ".UNITS");
    EXPECT_DOUBLE_EQ(g.layout.dScale, 1.0);
    EXPECT_EQ(test::Counts(g.layout), "pTextArray=1 pNotUsedLog=1");
    EXPECT_EQ(test::Entries(g.NotUsed()), Lines{"stray|text|1|stray text|1"});
}

TEST(Layout, AssemblyOutlineSides)
{
    Layout f;
    f.Feed({{".ASSEMBLY_OUTLINE", "..SIDE \"TOP\"", "..ROUND", "...DIAMETER 1",
             "..side LEFT",  // the side keyword is tested as written
             "..TEXT \"A\"", "...XY (1, 2)",
             "..PID 12",  // dropped: only texts and shapes open a group
             "..SQUARE", "...WIDTH 2",
             "..SIDE BOTTOM",  // still before the square is handed over
             ".STRAY", "..round", "...diameter 3"}});
    EXPECT_EQ(test::Items(*f.layout.pAssemblyOutlineShapes),
              "CExRound{sSide=TOP sShapeType=ROUND dDiameter=1} CExSquare{sSide=BOTTOM sShapeType=SQUARE dWidth=2} "
              "CExRound{sSide=BOTTOM sShapeType=ROUND dDiameter=3}");
    EXPECT_EQ(test::Items(*f.layout.pAssemblyOutlineTexts), "CExText{sText=A sTextValue=A ptsPosition=(1,2)}");
    EXPECT_TRUE(f.NotUsed().IsEmpty());
}
