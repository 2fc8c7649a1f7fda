#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPackage_Pin.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExPlacement_Outline.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "cell/ExTooling_Hole.h"
#include "graphics/ExAssembly_Outline.h"
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
#include "layout/ExConductive_Area.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExRound.h"
#include "shapes/ExSquare.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

template <class Array>
struct CellFixture {
    Array cells;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

    auto* Parse(Lines record, double dScale = 1.0)
    {
        cells.SetData(record, "", &ignoreLog, &notUsedLog, dScale);
        EXPECT_TRUE(record.empty());
        return cells.GetLastElement();
    }
};

// Not-used entries that one group leaves in a cell of the given kind.
template <class Array>
std::int64_t NotUsedEntries(const Lines& group)
{
    CellFixture<Array> f;
    Lines record = {".CELL \"C\""};
    record.insert(record.end(), group.begin(), group.end());
    f.Parse(record);
    EXPECT_EQ(f.cells.GetSize(), 1);
    EXPECT_TRUE(f.ignoreLog.IsEmpty());
    return f.notUsedLog.GetSize();
}

} // namespace

TEST(PackageCell, SimplePropertiesAndOrigin)
{
    CellFixture<CExPackage_CellArray> f;
    const std::string first = ".PACKAGE_CELL \"SOIC8\"";
    CExPackage_Cell* cell = f.Parse({"  " + first + "  ", "..MOUNT_TYPE SURFACE", "..NUMBER_LAYERS 2",
                                     "..DESCRIPTION \"Small outline\"", "..HISTORY created", "...DEEPER ignored",
                                     "..HISTORY \"changed\"", "..ROTATION 90", "..rotation 180.5",
                                     "..COMPONENT_OPTIONS A", "..FACEMENT TOP", "..PLACEMENT_LYR 1",
                                     "..PACKAGE_GROUP IC", "..XY (100, 200)", "..PIN 1", "...XY (100, 200)",
                                     "..TIMESTAMP 1", "..GLUESPOT", "..PID 7", "..ASSEMBLY_ORIGIN (0, 0)",
                                     "..ROUTE_GRID 1", "..FOO bar", "...BAZ 1"},
                                    0.0254);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->sCellName, "SOIC8");  // the name loses its quotes
    EXPECT_EQ(cell->sMountType, "SURFACE");
    EXPECT_EQ(cell->nNumberLayers, 2);
    EXPECT_EQ(cell->sDescription, "\"Small outline\"");  // a property keeps them
    EXPECT_EQ(cell->saHistory, (Lines{"created", "\"changed\""}));
    EXPECT_DOUBLE_EQ(cell->dRotation, 180.5);
    EXPECT_EQ(cell->saComponentOptions, (Lines{"A"}));
    EXPECT_EQ(cell->sFacement, "TOP");
    EXPECT_EQ(cell->sPlacementLyr, "1");
    EXPECT_EQ(cell->sPackageGroup, "IC");
    // The origin is read as written, the pin's position scaled.
    ASSERT_EQ(cell->aXY.GetSize(), 1);
    EXPECT_DOUBLE_EQ(cell->aXY[0].dX, 100.0);
    EXPECT_DOUBLE_EQ(cell->aXY[0].dY, 200.0);
    ASSERT_EQ(cell->pPinArray->GetSize(), 1);
    EXPECT_DOUBLE_EQ(cell->pPinArray->GetAt(0)->aXY[0].dX, 2.54);
    // Skipped keywords leave no trace; the unknown one is logged whole.
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    const CExTemporary& entry = *f.notUsedLog.GetAt(0);
    EXPECT_EQ(entry.sKeyword, "..FOO");
    EXPECT_EQ(entry.saLines, (Lines{"...BAZ 1"}));
    EXPECT_EQ(entry.sContext, first);  // the record line, trimmed, as written
    EXPECT_EQ(entry.nFlag, 1);
    EXPECT_TRUE(f.ignoreLog.IsEmpty());

    // A cell of only its record line has a name and defaults.
    cell = f.Parse({".PACKAGE_CELL"});
    EXPECT_EQ(cell->sCellName, ".PACKAGE_CELL");
    EXPECT_EQ(cell->nNumberLayers, 0);
    Lines empty;
    f.cells.SetData(empty, "", &f.ignoreLog, &f.notUsedLog, 1.0);
    EXPECT_EQ(f.cells.GetSize(), 2);
}

TEST(PackageCell, GroupsGoToTheirParsers)
{
    CellFixture<CExPackage_CellArray> f;
    CExPackage_Cell* cell = f.Parse(
        {".PACKAGE_CELL X",         "..SILKSCREEN_OUTLINE",     "...SIDE TOP",          "...POLYLINE_PATH",
         "....WIDTH 5",             "....XY (0, 0) (10, 0)",    "..ASSEMBLY_OUTLINE",   "...RECT",
         "....HEIGHT 1",            "..SOLDER_MASK",            "..SOLDER_PASTE",       "..GRAPHIC",
         "..OBSTRUCT",              "..MOUNTING_HOLE",          "...PADSTACK MH",       "..FIDUCIAL",
         "..PLACEMENT_KEEPOUT",     "..PLACEMENT_KEEPOUT",      "..PLACEMENT_OUTLINE",  "...HEIGHT 4",
         "..PLACEMENT_OUTLINE",     "..TEXT \"REF\"",           "...HEIGHT 10",         "..TRACE",
         "...ROUTE_LYR 1",          "..VIA",                    "...PADSTACK V",        "..CONDUCTIVE_AREA",
         "...HATCH_WIDTH 10",       "..dimension_settings 3",   "...PRECISION 2",       "..DIMENSION",
         "...DIMENSION_TYPE LINEAR"},
        2.0);
    ASSERT_EQ(cell->pSilkScreenOutlineArray->GetSize(), 1);
    const CExSilkScreen_Outline& silk = *cell->pSilkScreenOutlineArray->GetAt(0);
    EXPECT_EQ(silk.sSide, "TOP");
    ASSERT_EQ(silk.pDrawObjArray->GetSize(), 1);
    EXPECT_DOUBLE_EQ(dynamic_cast<const CExPolyline_Path&>(*silk.pDrawObjArray->GetAt(0)).dWidth, 10.0);
    ASSERT_EQ(cell->pAssemblyOutlineArray->GetSize(), 1);
    EXPECT_EQ(cell->pAssemblyOutlineArray->GetAt(0)->pDrawObjArray->GetSize(), 1);
    EXPECT_EQ(cell->pSolderMaskArray->GetSize(), 1);
    EXPECT_EQ(cell->pSolderPasteArray->GetSize(), 1);
    EXPECT_EQ(cell->pGraphicArray->GetSize(), 1);
    EXPECT_EQ(cell->pObstructArray->GetSize(), 1);
    ASSERT_EQ(cell->pMountingHoleArray->GetSize(), 1);
    EXPECT_EQ(cell->pMountingHoleArray->GetAt(0)->sPadstack, "MH");
    EXPECT_EQ(cell->pFiducialArray->GetSize(), 1);
    EXPECT_EQ(cell->pPlacementKeepoutArray->GetSize(), 2);
    ASSERT_EQ(cell->pPlacementOutlineArray->GetSize(), 2);  // the bare one too
    EXPECT_DOUBLE_EQ(cell->pPlacementOutlineArray->GetAt(0)->dHeight, 8.0);
    ASSERT_EQ(cell->pTextArray->GetSize(), 1);
    EXPECT_DOUBLE_EQ(cell->pTextArray->GetAt(0)->dHeight, 20.0);
    ASSERT_EQ(cell->pRouteObjArray->GetSize(), 3);
    EXPECT_EQ(cell->pRouteObjArray->GetAt(0)->sType, "TRACE");
    EXPECT_EQ(cell->pRouteObjArray->GetAt(1)->sType, "VIA");
    EXPECT_EQ(cell->pRouteObjArray->GetAt(2)->sType, "CONDUCTIVE_AREA");
    EXPECT_DOUBLE_EQ(dynamic_cast<const CExConductive_Area&>(*cell->pRouteObjArray->GetAt(2)).dHatchWidth, 20.0);
    ASSERT_EQ(cell->pDimensionSettingArray->GetSize(), 1);  // keyword in any case
    EXPECT_EQ(cell->pDimensionSettingArray->GetAt(0)->nSettingsId, 3);
    EXPECT_EQ(cell->pDimensionSettingArray->GetAt(0)->nPrecision, 2);
    ASSERT_EQ(cell->pDimensionArray->GetSize(), 1);
    EXPECT_EQ(cell->pDimensionArray->GetAt(0)->sDimensionType, "LINEAR");
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
}

// One row of the kind table per case: which kinds take or drop a keyword
// silently and which log it.
TEST(CellKinds, EachKindTestsItsOwnKeywords)
{
    struct Case {
        Lines group;
        int package, reuse, panel, mechanical, drawing;  // not-used entries expected
    };
    const Case cases[] = {
        {{"..PIN 1"}, 0, 0, 0, 1, 1},
        {{"..MOUNT_TYPE SURFACE"}, 0, 0, 1, 1, 1},
        {{"..DESCRIPTION \"d\""}, 0, 0, 0, 0, 1},
        {{"..NESTED_CELL N", "...XY (0, 0)"}, 1, 0, 1, 1, 1},
        {{"..ASSEMBLY_ORIGIN (0, 0)"}, 0, 0, 1, 0, 0},
        {{"..TOOLING_HOLE", "...PADSTACK T"}, 1, 1, 0, 1, 1},
        {{"..PANEL_TYPE FAB"}, 1, 1, 0, 1, 1},
        {{"..DRILL_GRAPHIC"}, 1, 1, 1, 1, 0},
        {{"..DIMENSION_SETTINGS 1"}, 0, 1, 1, 1, 1},
        {{"..DIMENSION"}, 0, 1, 1, 1, 1},
        {{"..CELL_TECHNOLOGY_SETTINGS"}, 0, 1, 1, 0, 1},
        {{"..DESIGN_RULE_AREA"}, 0, 0, 1, 1, 1},
        {{"..PID 3"}, 0, 0, 1, 0, 0},
        {{"..ASSEMBLY_OUTLINE"}, 0, 0, 0, 0, 1},
        {{"..FIDUCIAL"}, 0, 0, 0, 0, 1},
        {{"..PLACEMENT_KEEPOUT"}, 0, 0, 0, 0, 1},
        {{"..TIMESTAMP 1"}, 0, 0, 0, 0, 0},
        {{"..SOLDER_PASTE"}, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group[0]);
        EXPECT_EQ(NotUsedEntries<CExPackage_CellArray>(c.group), c.package);
        EXPECT_EQ(NotUsedEntries<CExReUseCircuit_CellArray>(c.group), c.reuse);
        EXPECT_EQ(NotUsedEntries<CExPanel_CellArray>(c.group), c.panel);
        EXPECT_EQ(NotUsedEntries<CExMechanical_CellArray>(c.group), c.mechanical);
        EXPECT_EQ(NotUsedEntries<CExDrawing_CellArray>(c.group), c.drawing);
    }
}

TEST(CellKinds, SingleKeepoutAndOutline)
{
    const Lines groups = {".CELL M",         "..PLACEMENT_KEEPOUT", "...HEIGHT 1",     "...ROUND",
                          "....DIAMETER 1",  "..PLACEMENT_KEEPOUT", "...HEIGHT 2",     "...SQUARE",
                          "....WIDTH 1",     "..PLACEMENT_OUTLINE", "...SIDE TOP",     "...ROUND",
                          "....DIAMETER 3",  "..PLACEMENT_OUTLINE", "...SQUARE",       "....WIDTH 4"};

    // A mechanical cell keeps the last keepout and the last outline.
    CellFixture<CExMechanical_CellArray> m;
    EXPECT_EQ(CExMechanical_Cell().pPlacementKeepout, nullptr);
    CExMechanical_Cell* mc = m.Parse(groups);
    ASSERT_NE(mc->pPlacementKeepout, nullptr);
    EXPECT_DOUBLE_EQ(mc->pPlacementKeepout->dHeight, 2.0);
    ASSERT_EQ(mc->pPlacementKeepout->pDrawObjArray->GetSize(), 1);
    EXPECT_NE(dynamic_cast<CExSquare*>(mc->pPlacementKeepout->pDrawObjArray->GetAt(0)), nullptr);
    ASSERT_EQ(mc->pPlacementOutline->pDrawObjArray->GetSize(), 1);
    EXPECT_NE(dynamic_cast<CExSquare*>(mc->pPlacementOutline->pDrawObjArray->GetAt(0)), nullptr);
    EXPECT_EQ(mc->pPlacementOutline->sSide, "");  // from the first outline, replaced

    // A panel's one keepout takes every group; its outline is the last one.
    CellFixture<CExPanel_CellArray> n;
    CExPanel_Cell* nc = n.Parse(groups);
    EXPECT_DOUBLE_EQ(nc->pPlacementKeepout->dHeight, 2.0);
    EXPECT_EQ(nc->pPlacementKeepout->pDrawObjArray->GetSize(), 2);
    EXPECT_EQ(nc->pPlacementOutline->pDrawObjArray->GetSize(), 1);
    EXPECT_EQ(nc->pPlacementOutline->sSide, "");

    // A drawing's one outline gathers all groups; keepouts are not its business.
    CellFixture<CExDrawing_CellArray> d;
    CExDrawing_Cell* dc = d.Parse(groups);
    EXPECT_EQ(dc->pPlacementOutline->pDrawObjArray->GetSize(), 2);
    EXPECT_EQ(dc->pPlacementOutline->sSide, "TOP");
    EXPECT_EQ(d.notUsedLog.GetSize(), 2);

    // A reusable circuit appends both, like a package.
    CellFixture<CExReUseCircuit_CellArray> r;
    CExReUseCircuit_Cell* rc = r.Parse(groups);
    EXPECT_EQ(rc->pPlacementKeepoutArray->GetSize(), 2);
    EXPECT_EQ(rc->pPlacementOutlineArray->GetSize(), 2);
}

TEST(CellKinds, DrawingAndPanelContent)
{
    CellFixture<CExDrawing_CellArray> d;
    CExDrawing_Cell* dc = d.Parse({".DRAWING_CELL \"D\"", "..DRILL_GRAPHIC", "...ROUND", "....DIAMETER 1",
                                   "...SQUARE", "....WIDTH 2", "..NUMBER_LAYERS 4", "..XY 5, 6"},
                                  10.0);
    ASSERT_EQ(dc->pDrillGraphicArray->GetSize(), 2);
    EXPECT_DOUBLE_EQ(dynamic_cast<CExRound&>(*dc->pDrillGraphicArray->GetAt(0)).dDiameter, 10.0);
    EXPECT_DOUBLE_EQ(dynamic_cast<CExSquare&>(*dc->pDrillGraphicArray->GetAt(1)).dWidth, 20.0);
    EXPECT_EQ(dc->nNumberLayers, 4);
    EXPECT_DOUBLE_EQ(dc->aXY[0].dY, 6.0);
    EXPECT_TRUE(d.notUsedLog.IsEmpty());

    CellFixture<CExPanel_CellArray> n;
    CExPanel_Cell* nc = n.Parse({".PANEL_CELL P", "..PANEL_TYPE \"FAB\"", "..TOOLING_HOLE", "...PADSTACK T",
                                 "...XY (1, 1)", "..TOOLING_HOLE", "..PIN 1"},
                                 3.0);
    EXPECT_EQ(nc->sPanelType, "\"FAB\"");
    ASSERT_EQ(nc->pToolingHoleArray->GetSize(), 2);
    EXPECT_EQ(nc->pToolingHoleArray->GetAt(0)->sPadstackName, "T");
    EXPECT_DOUBLE_EQ(nc->pToolingHoleArray->GetAt(0)->aXY[0].dX, 3.0);
    EXPECT_EQ(nc->pPinArray->GetSize(), 1);
}

TEST(CellArrays, NamesAreLookedUpExactly)
{
    CellFixture<CExMechanical_CellArray> m;
    CExMechanical_Cell* first = m.Parse({".MECHANICAL_CELL \"HOLE\"", "..DESCRIPTION first"});
    m.Parse({".MECHANICAL_CELL HOLE", "..DESCRIPTION second"});
    EXPECT_EQ(m.cells.GetSize(), 2);  // never merged
    EXPECT_EQ(m.cells.IsExist("HOLE"), 1);
    EXPECT_EQ(m.cells.IsExist("hole"), 0);
    EXPECT_EQ(m.cells.GetMC_Cell("HOLE"), first);
    EXPECT_EQ(m.cells.GetMC_Cell("HOL"), nullptr);

    CellFixture<CExPackage_CellArray> p;
    EXPECT_EQ(p.cells.IsExist(""), 0);
    p.Parse({".PACKAGE_CELL \"R 1\""});
    EXPECT_EQ(p.cells.IsExist("R 1"), 1);
}

TEST(CellArrays, OddInputReadsAsZeroAndGoesOn)
{
    CellFixture<CExPackage_CellArray> f;
    const std::string nul("..HISTORY a\0b", 13);
    CExPackage_Cell* cell = f.Parse({".PACKAGE_CELL \"", "..NUMBER_LAYERS 99999999999", "..ROTATION 1e999", "..XY",
                                     "..XY (1,", "..PIN", "...XY", "...ROTATION", "...PADSTACK",
                                     "....PAD_NAME", "..TEXT", "..PLACEMENT_OUTLINE", "...HEIGHT x", nul,
                                     "..", "...", "\t", "no dot at all"},
                                    1e308);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->sCellName, "");
    EXPECT_EQ(cell->nNumberLayers, 2147483647);  // integers clamp
    EXPECT_TRUE(std::isinf(cell->dRotation));
    EXPECT_EQ(cell->aXY.GetSize(), 2);
    ASSERT_EQ(cell->pPinArray->GetSize(), 1);
    EXPECT_EQ(cell->pPinArray->GetAt(0)->saPadName, (Lines{"....PAD_NAME"}));
    EXPECT_EQ(cell->pTextArray->GetSize(), 1);
    EXPECT_DOUBLE_EQ(cell->pPlacementOutlineArray->GetAt(0)->dHeight, 0.0);
    ASSERT_EQ(cell->saHistory.size(), 1U);
    EXPECT_EQ(cell->saHistory[0], std::string("a\0b", 3));
    // The bare dots are lines of no keyword: logged, the text "no dot at all"
    // joined to the one before.
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sKeyword, "..");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->saLines, (Lines{"...no dot at all"}));
}
