#include <gtest/gtest.h>

#include <string>

#include "support/Fields.h"
#include "support/Records.h"

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

} // namespace

TEST(CellLibrary, HeadersAndRecordRouting)
{
    CExCell_Library lib;
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
    // Only the unknown record is logged, in the not-used log.
    EXPECT_EQ(test::Counts(lib), "pPackageCellArray=2 pMechanicalCellArray=1 pDrawingCellArray=1 pPanelCellArray=1 "
                                 "pReUseCircuitCellArray=1 pNotUsedLog=1");
    EXPECT_EQ(test::Fields(*lib.pPackageCellArray->GetAt(1)), "sMountType=SURFACE sCellName=B");
    EXPECT_EQ(test::Entries(*lib.pNotUsedLog), Lines{".New_Keyword|1 2|1|.New_Keyword 1 2|1|..DEEPER"});
}

TEST(CellLibrary, ScaleFollowsTheUnitsLine)
{
    CExCell_Library lib;
    const Lines cell = {".PACKAGE_CELL C", "..XY (1, 1)", "..PIN 1", "...XY (10, 20)", "..PLACEMENT_OUTLINE",
                        "...HEIGHT 1"};
    // Before any ".UNITS" line the factor is 1.0; the origin is never scaled.
    Feed(lib, {cell, {".UNITS IN"}, cell}, "MM");
    EXPECT_EQ(lib.sUnits, "IN");
    EXPECT_DOUBLE_EQ(lib.dScale, 25.4);
    EXPECT_EQ(test::Items(*lib.pPackageCellArray),
              "CExPackage_Cell{pPlacementOutlineArray=[CExPlacement_Outline{dHeight=1}] "
              "pPinArray=[CExPackage_Pin{aXY=(10,20) sPinNumber=1}] aXY=(1,1) sCellName=C} "
              "CExPackage_Cell{pPlacementOutlineArray=[CExPlacement_Outline{dHeight=25.4}] "
              "pPinArray=[CExPackage_Pin{aXY=(254,508) sPinNumber=1}] aXY=(1,1) sCellName=C}");

    // The design's units are compared as they are: an empty or lower-case
    // unit never equals the file's, and the factor is what the table says.
    CExCell_Library other;
    Feed(other, {{".UNITS IN"}}, "");
    EXPECT_DOUBLE_EQ(other.dScale, CExPadstack_Library::GetScaleValue("", "IN"));
    Feed(other, {{".UNITS MIL"}}, "MIL");
    EXPECT_DOUBLE_EQ(other.dScale, 1.0);
}

TEST(CellLibrary, LibraryLoadOfTwoFiles)
{
    test::TempDir dir;
    const std::string first = dir.WriteLines("a.cel", {".FILETYPE CELL_LIBRARY", ".UNITS MM", ".PACKAGE_CELL \"A\"",
                                                        "..PIN 1", "...XY (1, 0)", ".MECHANICAL_CELL \"HOLE\""});
    const std::string second = dir.WriteLines("b.cel", {".PACKAGE_CELL \"B\"", "..PIN 1", "...XY (1, 0)", ".UNITS IN",
                                                         ".PACKAGE_CELL \"C\"", "..PIN 1", "...XY (1, 0)"});
    CExExpedition root;
    ASSERT_EQ(test::LoadLibrary(root, dir.WriteLines("job.jpf", {".UNITS MM"}), {first, second}, {}), 1);
    ASSERT_NE(root.pCellLibrary, nullptr);
    // One library object takes the cells of every file, in order. Nothing is
    // reset between files: B is read with the first file's factor, C with
    // the inch factor into the design's millimetres.
    EXPECT_EQ(test::Items(*root.pCellLibrary->pPackageCellArray),
              "CExPackage_Cell{pPinArray=[CExPackage_Pin{aXY=(1,0) sPinNumber=1}] sCellName=A} "
              "CExPackage_Cell{pPinArray=[CExPackage_Pin{aXY=(1,0) sPinNumber=1}] sCellName=B} "
              "CExPackage_Cell{pPinArray=[CExPackage_Pin{aXY=(25.4,0) sPinNumber=1}] sCellName=C}");
    EXPECT_EQ(root.pCellLibrary->pMechanicalCellArray->IsExist("HOLE"), 1);
    EXPECT_EQ(root.pCellLibrary->sUnits, "IN");
}
