#include <gtest/gtest.h>

#include <string>

#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

template <class Array>
struct Cells {
    Array cells;
    test::Logs logs;

    auto* Parse(Lines record, double dScale = 1.0)
    {
        return test::Take(cells, record,
                          [&](Lines& r) { cells.SetData(r, "", &logs.ignore, &logs.notUsed, dScale); });
    }
};

// Not-used entries that one group leaves in a cell of the given kind.
template <class Array>
std::int64_t NotUsedEntries(const Lines& group)
{
    Cells<Array> f;
    Lines record = {".CELL \"C\""};
    record.insert(record.end(), group.begin(), group.end());
    EXPECT_NE(f.Parse(record), nullptr);
    EXPECT_TRUE(f.logs.ignore.IsEmpty());
    return f.logs.notUsed.GetSize();
}

} // namespace

TEST(PackageCell, PropertiesOriginAndPin)
{
    Cells<CExPackage_CellArray> f;
    const std::string first = ".PACKAGE_CELL \"SOIC8\"";
    // The name loses its quotes, a property keeps them; the later rotation
    // wins; the origin is read as written, the pin's position scaled;
    // skipped keywords leave no trace.
    EXPECT_EQ(test::Fields(*f.Parse({"  " + first + "  ", "..MOUNT_TYPE SURFACE", "..NUMBER_LAYERS 2",
                                     "..DESCRIPTION \"Small outline\"", "..HISTORY created", "...DEEPER ignored",
                                     "..HISTORY \"changed\"", "..ROTATION 90", "..rotation 180.5",
                                     "..COMPONENT_OPTIONS A", "..FACEMENT TOP", "..PLACEMENT_LYR 1",
                                     "..PACKAGE_GROUP IC", "..XY (100, 200)", "..PIN 1", "...XY (100, 200)",
                                     "..TIMESTAMP 1", "..GLUESPOT", "..PID 7", "..ASSEMBLY_ORIGIN (0, 0)",
                                     "..ROUTE_GRID 1", "..FOO bar", "...BAZ 1"},
                                    0.0254)),
              "sMountType=SURFACE pPinArray=[CExPackage_Pin{aXY=(2.54,5.08) sPinNumber=1}] "
              "saHistory=[created|\"changed\"] nNumberLayers=2 saComponentOptions=[A] sFacement=TOP sPlacementLyr=1 "
              "dRotation=180.5 aXY=(100,200) sPackageGroup=IC sCellName=SOIC8 sDescription=\"Small outline\"");
    // The unknown keyword is logged whole, with the record line trimmed.
    EXPECT_EQ(test::Entries(f.logs.notUsed), Lines{"..FOO|bar|2|.PACKAGE_CELL \"SOIC8\"|1|...BAZ 1"});
    EXPECT_TRUE(f.logs.ignore.IsEmpty());

    // A cell of only its record line has a name and defaults.
    EXPECT_EQ(test::Fields(*f.Parse({".PACKAGE_CELL"})), "sCellName=.PACKAGE_CELL");
    EXPECT_EQ(f.Parse({}), nullptr);
}

TEST(PackageCell, GroupsGoToTheirParsers)
{
    Cells<CExPackage_CellArray> f;
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
    ASSERT_NE(cell, nullptr);
    // The bare placement outline is kept too; keywords match in any case.
    EXPECT_EQ(test::Counts(*cell), "pGraphicArray=1 pObstructArray=1 pAssemblyOutlineArray=1 pTextArray=1 "
                                   "pSilkScreenOutlineArray=1 pPlacementKeepoutArray=2 pPlacementOutlineArray=2 "
                                   "pMountingHoleArray=1 pSolderMaskArray=1 pSolderPasteArray=1 pRouteObjArray=3 "
                                   "pFiducialArray=1 pDimensionSettingArray=1 pDimensionArray=1");
    EXPECT_EQ(test::Fields(*cell->pSilkScreenOutlineArray->GetAt(0)),
              "pDrawObjArray=[CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(20,0) dWidth=10}] sSide=TOP");
    EXPECT_EQ(cell->pAssemblyOutlineArray->GetAt(0)->pDrawObjArray->GetSize(), 1);
    EXPECT_EQ(cell->pMountingHoleArray->GetAt(0)->sPadstack, "MH");
    EXPECT_DOUBLE_EQ(cell->pPlacementOutlineArray->GetAt(0)->dHeight, 8.0);
    EXPECT_DOUBLE_EQ(cell->pTextArray->GetAt(0)->dHeight, 20.0);
    EXPECT_EQ(cell->pRouteObjArray->GetAt(1)->sType, "VIA");
    EXPECT_DOUBLE_EQ(dynamic_cast<const CExConductive_Area&>(*cell->pRouteObjArray->GetAt(2)).dHatchWidth, 20.0);
    EXPECT_EQ(test::Fields(*cell->pDimensionSettingArray->GetAt(0)), "nSettingsId=3 nPrecision=2");
    EXPECT_EQ(cell->pDimensionArray->GetAt(0)->sDimensionType, "LINEAR");
    EXPECT_TRUE(f.logs.notUsed.IsEmpty());
}

// One row of the kind table per case: which kinds take or drop a keyword
// silently and which log it.
TEST(CellKinds, EachKindTestsItsOwnKeywords)
{
    const struct {
        Lines group;
        int package, reuse, panel, mechanical, drawing;  // not-used entries expected
    } cases[] = {
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
    for (const auto& c : cases) {
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
    const char* square = "CExSquare{sShapeType=SQUARE dWidth=1}";

    // A mechanical cell keeps the last keepout and the last outline.
    Cells<CExMechanical_CellArray> m;
    const CExMechanical_Cell* mc = m.Parse(groups);
    EXPECT_EQ(test::Object(*mc->pPlacementKeepout),
              std::string("CExPlacement_Keepout{pDrawObjArray=[") + square + "] dHeight=2}");
    EXPECT_EQ(test::Fields(*mc->pPlacementOutline), "pDrawObjArray=[CExSquare{sShapeType=SQUARE dWidth=4}]");

    // A panel's one keepout takes every group; its outline is the last one.
    Cells<CExPanel_CellArray> n;
    const CExPanel_Cell* nc = n.Parse(groups);
    EXPECT_DOUBLE_EQ(nc->pPlacementKeepout->dHeight, 2.0);
    EXPECT_EQ(nc->pPlacementKeepout->pDrawObjArray->GetSize(), 2);
    EXPECT_EQ(test::Fields(*nc->pPlacementOutline), "pDrawObjArray=[CExSquare{sShapeType=SQUARE dWidth=4}]");

    // A drawing's one outline gathers all groups; keepouts are not its business.
    Cells<CExDrawing_CellArray> d;
    const CExDrawing_Cell* dc = d.Parse(groups);
    EXPECT_EQ(dc->pPlacementOutline->pDrawObjArray->GetSize(), 2);
    EXPECT_EQ(dc->pPlacementOutline->sSide, "TOP");
    EXPECT_EQ(d.logs.notUsed.GetSize(), 2);

    // A reusable circuit appends both, like a package.
    Cells<CExReUseCircuit_CellArray> r;
    EXPECT_EQ(test::Counts(*r.Parse(groups)), "pPlacementKeepoutArray=2 pPlacementOutlineArray=2");
}

TEST(CellKinds, DrawingAndPanelContent)
{
    Cells<CExDrawing_CellArray> d;
    const CExDrawing_Cell* dc = d.Parse({".DRAWING_CELL \"D\"", "..DRILL_GRAPHIC", "...ROUND", "....DIAMETER 1",
                                         "...SQUARE", "....WIDTH 2", "..NUMBER_LAYERS 4", "..XY 5, 6"},
                                        10.0);
    EXPECT_EQ(test::Items(*dc->pDrillGraphicArray),
              "CExRound{sShapeType=ROUND dDiameter=10} CExSquare{sShapeType=SQUARE dWidth=20}");
    EXPECT_EQ(dc->nNumberLayers, 4);
    EXPECT_DOUBLE_EQ(dc->aXY[0].dY, 6.0);  // the origin is not scaled
    EXPECT_TRUE(d.logs.notUsed.IsEmpty());

    Cells<CExPanel_CellArray> n;
    const CExPanel_Cell* nc = n.Parse({".PANEL_CELL P", "..PANEL_TYPE \"FAB\"", "..TOOLING_HOLE", "...PADSTACK T",
                                       "...XY (1, 1)", "..TOOLING_HOLE", "..PIN 1"},
                                      3.0);
    EXPECT_EQ(nc->sPanelType, "\"FAB\"");
    EXPECT_EQ(test::Items(*nc->pToolingHoleArray), "CExTooling_Hole{sPadstackName=T aXY=(3,3)} CExTooling_Hole{}");
    EXPECT_EQ(nc->pPinArray->GetSize(), 1);
}

TEST(CellArrays, NamesAreLookedUpExactly)
{
    Cells<CExMechanical_CellArray> m;
    const CExMechanical_Cell* first = m.Parse({".MECHANICAL_CELL \"HOLE\"", "..DESCRIPTION first"});
    m.Parse({".MECHANICAL_CELL HOLE", "..DESCRIPTION second"});
    EXPECT_EQ(m.cells.GetSize(), 2);  // never merged
    EXPECT_EQ(m.cells.IsExist("HOLE"), 1);
    EXPECT_EQ(m.cells.IsExist("hole"), 0);
    EXPECT_EQ(m.cells.GetMC_Cell("HOLE"), first);
    EXPECT_EQ(m.cells.GetMC_Cell("HOL"), nullptr);
    Cells<CExPackage_CellArray> p;
    EXPECT_EQ(p.cells.IsExist(""), 0);
    p.Parse({".PACKAGE_CELL \"R 1\""});
    EXPECT_EQ(p.cells.IsExist("R 1"), 1);
}

TEST(CellArrays, OddInputReadsAsZeroAndGoesOn)
{
    Cells<CExPackage_CellArray> f;
    const CExPackage_Cell* cell = f.Parse({".PACKAGE_CELL \"", "..NUMBER_LAYERS 99999999999", "..ROTATION 1e999",
                                           "..XY", "..XY (1,", "..PIN", "...XY", "...ROTATION", "...PADSTACK",
                                           "....PAD_NAME", "..TEXT", "..PLACEMENT_OUTLINE", "...HEIGHT x",
                                           std::string("..HISTORY a\0b", 13), "..", "...", "\t", "no dot at all"},
                                          1e308);
    ASSERT_NE(cell, nullptr);
    // Integers clamp; a keyword without a value is its own value; the bare
    // dots are lines of no keyword: logged, the text "no dot at all" joined
    // to the one before.
    EXPECT_EQ(test::Fields(*cell),
              "pTextArray=[CExText{sTextValue=..TEXT}] pPlacementOutlineArray=[CExPlacement_Outline{}] "
              "pPinArray=[CExPackage_Pin{sPadstackName=...PADSTACK aXY=(0,0) sPinNumber=..PIN saPadName=[....PAD_NAME]}] saHistory=[" +
                  std::string("a\0b", 3) + "] nNumberLayers=2147483647 dRotation=inf aXY=(0,0)(1,0)");
    EXPECT_EQ(test::Entries(f.logs.notUsed), Lines{"..||2|.PACKAGE_CELL \"|1|...no dot at all"});
}
