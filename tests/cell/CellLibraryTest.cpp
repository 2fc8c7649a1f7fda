#include <gtest/gtest.h>

#include <string>

#include "cell/ExCell_Library.h"
#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPackage_Pin.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExPlacement_Outline.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "core/ExExpedition.h"
#include "core/ExTemporary.h"
#include "graphics/ExAssembly_Outline.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "layout/ExText.h"
#include "loader/PC_Corvane_Get.h"
#include "padstack/ExPadstack_Library.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

// Feeds records one by one, as the file worker does.
void Feed(CExCell_Library& lib, std::vector<Lines> records, const std::string& units)
{
    for (Lines& r : records) {
        lib.SetData(r, units);
        EXPECT_TRUE(r.empty());
    }
}

const CExPackage_Cell* FindPackage(const CExCell_Library& lib, const std::string& name)
{
    for (const CExPackage_Cell* c : *lib.pPackageCellArray)
        if (c->sCellName == name)
            return c;
    return nullptr;
}

} // namespace

TEST(CellLibrary, HeadersAndRecordRouting)
{
    CExCell_Library lib;
    EXPECT_DOUBLE_EQ(lib.dScale, 1.0);
    Feed(lib,
         {{".FILETYPE CELL_LIBRARY", "..X 1"},
          {".CREATOR someone"},
          {".DATE today"},
          {".version \"1.0a\""},
          {".OUTPUT_IN_DB_UNITS no"},
          {".UNITS mm"},
          {".PACKAGE_CELL A"},
          {".PACKAGE_CELL_FROM_LIB B", "..MOUNT_TYPE SURFACE"},
          {".MECHANICAL_CELL M"},
          {".DRAWING_CELL D"},
          {".PANEL_CELL N"},
          {".REUSABLE_CIRCUIT_CELL R"},
          {"  .New_Keyword 1 2  ", "..DEEPER"},
          {}},
         "MM");
    EXPECT_EQ(lib.sVersion, "\"1.0A\"");
    EXPECT_EQ(lib.sOutputInDbUnits, "NO");
    EXPECT_EQ(lib.sUnits, "MM");
    EXPECT_DOUBLE_EQ(lib.dScale, 1.0);
    ASSERT_EQ(lib.pPackageCellArray->GetSize(), 2);
    EXPECT_EQ(lib.pPackageCellArray->GetAt(1)->sCellName, "B");
    EXPECT_EQ(lib.pPackageCellArray->GetAt(1)->sMountType, "SURFACE");
    EXPECT_EQ(lib.pMechanicalCellArray->GetSize(), 1);
    EXPECT_EQ(lib.pDrawingCellArray->GetSize(), 1);
    EXPECT_EQ(lib.pPanelCellArray->GetSize(), 1);
    EXPECT_EQ(lib.pReUseCircuitCellArray->GetSize(), 1);
    // Only the unknown record is logged, in the not-used log.
    ASSERT_EQ(lib.pNotUsedLog->GetSize(), 1);
    const CExTemporary& entry = *lib.pNotUsedLog->GetAt(0);
    EXPECT_EQ(entry.sKeyword, ".New_Keyword");
    EXPECT_EQ(entry.sValue, "1 2");
    EXPECT_EQ(entry.sContext, ".New_Keyword 1 2");
    EXPECT_EQ(entry.nFlag, 1);
    EXPECT_EQ(entry.saLines, (Lines{"..DEEPER"}));
    EXPECT_TRUE(lib.pIgnoreLog->IsEmpty());
}

TEST(CellLibrary, ScaleFollowsTheUnitsLine)
{
    CExCell_Library lib;
    const Lines cell = {".PACKAGE_CELL C", "..XY (1, 1)", "..PIN 1", "...XY (10, 20)", "..PLACEMENT_OUTLINE",
                        "...HEIGHT 1"};
    // Before any ".UNITS" line the factor is 1.0.
    Feed(lib, {cell, {".UNITS IN"}, cell}, "MM");
    EXPECT_EQ(lib.sUnits, "IN");
    EXPECT_DOUBLE_EQ(lib.dScale, CExPadstack_Library::GetScaleValue("MM", "IN"));
    ASSERT_EQ(lib.pPackageCellArray->GetSize(), 2);
    const CExPackage_Cell& before = *lib.pPackageCellArray->GetAt(0);
    const CExPackage_Cell& after = *lib.pPackageCellArray->GetAt(1);
    EXPECT_DOUBLE_EQ(before.pPinArray->GetAt(0)->aXY[0].dX, 10.0);
    EXPECT_DOUBLE_EQ(after.pPinArray->GetAt(0)->aXY[0].dX, 10.0 * lib.dScale);
    EXPECT_DOUBLE_EQ(after.pPinArray->GetAt(0)->aXY[0].dY, 20.0 * lib.dScale);
    EXPECT_DOUBLE_EQ(after.pPlacementOutlineArray->GetAt(0)->dHeight, lib.dScale);
    EXPECT_DOUBLE_EQ(after.aXY[0].dX, 1.0);  // the origin is never scaled

    // The design's units are compared as they are: an empty or lower-case
    // unit never equals the file's, and the factor is what the table says.
    CExCell_Library other;
    Feed(other, {{".UNITS IN"}}, "");
    EXPECT_DOUBLE_EQ(other.dScale, CExPadstack_Library::GetScaleValue("", "IN"));
    Feed(other, {{".UNITS MIL"}}, "MIL");
    EXPECT_DOUBLE_EQ(other.dScale, 1.0);
}

TEST(CellLibrary, LibraryLoadOfTwoFilesAndTheDemo)
{
    test::TempDir dir;
    const std::string first = dir.WriteLines("a.cel", {".FILETYPE CELL_LIBRARY", ".UNITS MM", ".PACKAGE_CELL \"A\"",
                                                        "..PIN 1", "...XY (1, 0)", ".MECHANICAL_CELL \"HOLE\""});
    const std::string second = dir.WriteLines("b.cel", {".PACKAGE_CELL \"B\"", "..PIN 1", "...XY (1, 0)",
                                                         ".UNITS IN", ".PACKAGE_CELL \"C\"", "..PIN 1",
                                                         "...XY (1, 0)"});
    const std::string demo = test::ExamplePath("demo/cell_library.txt");
    const std::string jobPrefs = dir.WriteLines("job.jpf", {".FILETYPE JOB_PREFERENCES", ".UNITS MM"});

    CExExpedition root;
    CPC_Corvane_Get loader;
    loader.vSetExpedition(&root);
    loader.vSetMExpeditionLibFilePath(jobPrefs, {first, second, demo}, "", {}, "", "");
    EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    ASSERT_NE(root.pCellLibrary, nullptr);
    const CExCell_Library& lib = *root.pCellLibrary;

    // One library object takes the cells of every file, in order.
    ASSERT_GE(lib.pPackageCellArray->GetSize(), 3);
    EXPECT_EQ(lib.pPackageCellArray->GetAt(0)->sCellName, "A");
    EXPECT_EQ(lib.pPackageCellArray->GetAt(1)->sCellName, "B");
    EXPECT_EQ(lib.pPackageCellArray->GetAt(2)->sCellName, "C");
    EXPECT_EQ(lib.pMechanicalCellArray->IsExist("HOLE"), 1);
    // Nothing is reset between files: B is read with the first file's factor,
    // C with the inch factor into the design's millimetres.
    EXPECT_DOUBLE_EQ(lib.pPackageCellArray->GetAt(1)->pPinArray->GetAt(0)->aXY[0].dX, 1.0);
    EXPECT_DOUBLE_EQ(lib.pPackageCellArray->GetAt(2)->pPinArray->GetAt(0)->aXY[0].dX, 25.4);
    EXPECT_EQ(lib.sUnits, "MM");  // the demo file's, read last

    // The demo cells the layout places, all read without a not-used entry.
    EXPECT_TRUE(lib.pNotUsedLog->IsEmpty());
    EXPECT_TRUE(lib.pIgnoreLog->IsEmpty());
    const struct {
        const char* name;
        int pins;
    } expected[] = {{"RES0603", 2}, {"CAP0603", 2}, {"SOIC8", 8}, {"CONN4", 4}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const CExPackage_Cell* cell = FindPackage(lib, e.name);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->pPinArray->GetSize(), e.pins);
        EXPECT_EQ(cell->pAssemblyOutlineArray->GetSize(), 1);
        EXPECT_EQ(cell->pSilkScreenOutlineArray->GetSize(), 1);
        EXPECT_EQ(cell->pPlacementOutlineArray->GetSize(), 1);
        EXPECT_EQ(cell->pTextArray->GetSize(), 1);
    }
    const CExPackage_Cell* soic = FindPackage(lib, "SOIC8");
    ASSERT_NE(soic, nullptr);
    EXPECT_EQ(soic->pPinArray->GetAt(0)->sPadstackName, "SMD_SOIC");
    EXPECT_DOUBLE_EQ(soic->pPinArray->GetAt(0)->aXY[0].dX, -2.7);
    EXPECT_NEAR(soic->pPinArray->GetAt(0)->aXY[0].dY - soic->pPinArray->GetAt(1)->aXY[0].dY, 1.27, 1e-12);
    const CExPackage_Cell* conn = FindPackage(lib, "CONN4");
    ASSERT_NE(conn, nullptr);
    EXPECT_EQ(conn->pPinArray->GetAt(0)->sPadstackName, "TH_1.0SQ");
    EXPECT_EQ(conn->pPinArray->GetAt(3)->sPadstackName, "TH_1.0");
    EXPECT_EQ(FindPackage(lib, "RES0603")->pPinArray->GetAt(1)->aXY[0].dX, 0.8);
    EXPECT_EQ(lib.pMechanicalCellArray->GetSize(), 2);
    EXPECT_EQ(lib.pDrawingCellArray->GetSize(), 1);
}
