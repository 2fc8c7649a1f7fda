#include <gtest/gtest.h>

#include <string>

#include "core/ExExpedition.h"
#include "padstack/ExCustom_Drill_Symbol.h"
#include "padstack/ExHole.h"
#include "padstack/ExPad.h"
#include "padstack/ExPadstack.h"
#include "padstack/ExPadstack_Library.h"
#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

// One record through the array's SetData with its header line as context and
// flag 1, as the library passes it.
template <class Array>
auto Parse(Array& array, test::Logs& logs, Lines record, double dScale = 1.0)
{
    const std::string context = record.empty() ? "" : record[0];
    return test::Take(array, record,
                      [&](Lines& r) { array.SetData(r, context, 1, &logs.ignore, &logs.notUsed, dScale); });
}

CExPadstack* ParsePadstack(CExPadstackArray& array, test::Logs& logs, Lines record, const std::string& technology)
{
    const std::string context = record[0];
    return test::Take(array, record, [&](Lines& r) {
        array.SetData(r, context, 1, &logs.ignore, &logs.notUsed, technology, 1.0);
    });
}

// Hands the lines to the library one level-1 record at a time.
void Feed(CExPadstack_Library& lib, const Lines& lines, const std::string& units)
{
    Lines record;
    auto flush = [&] {
        lib.SetData(record, units);
        EXPECT_TRUE(record.empty());
    };
    for (const std::string& line : lines) {
        if (line.size() > 1 && line[0] == '.' && line[1] != '.')
            flush();
        record.push_back(line);
    }
    flush();
}

TEST(Pad, ShapesOffsetsAndLoggedSubRecords)
{
    CExPadArray pads;
    test::Logs logs;
    const CExPad* pad = Parse(pads, logs,
                              {".PAD \"P60\"", "..ROUND", "...DIAMETER 60", "..OFFSET (0, 5)", ". stray level one",
                               "..PAD_OPTIONS NONE", "..TIMESTAMP 1", "..SQUARE", "...WIDTH 4", "..OFFSET",
                               "..OFFSET (1.5, -2", "..OFFSET 7, 8)", "..CIRCLE", "...RADIUS 1"},
                              2.0);
    ASSERT_NE(pad, nullptr);
    // (0, 5); no value; a missing ")" loses y; a missing "(" removes nothing.
    EXPECT_EQ(test::Fields(*pad), "aOffsets=(0,10)(0,0)(3,0)(14,16) sName=P60 "
                                  "pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=120} "
                                  "CExSquare{sShapeType=SQUARE dWidth=8}]");
    // "..CIRCLE" is no shape keyword: logged whole with the header line.
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..CIRCLE||2|.PAD \"P60\"|1|...RADIUS 1"});
    EXPECT_TRUE(logs.ignore.IsEmpty());

    // A custom block holds shapes one level deeper; a three-dot line that is
    // no shape makes nothing and logs nothing.
    pad = Parse(pads, logs,
                {".PAD \"TAB\"", "..CUSTOM", "...POLYARC_SHAPE", "....XYR (0, 0, 0) (1, 0, 0.5)", "...POLYARC_SHAPE",
                 "....XYR (2, 2, 0)", "...NOT_A_SHAPE", "....WIDTH 3"},
                10.0);
    EXPECT_EQ(test::Fields(*pad), "sName=TAB pDrawObjArray=[CExPolyarc_Shape{sShapeType=POLYARC_SHAPE "
                                  "aXYR=(0,0)(10,0,5)} CExPolyarc_Shape{sShapeType=POLYARC_SHAPE aXYR=(20,20)}]");
    EXPECT_EQ(logs.notUsed.GetSize(), 1);

    // Called directly, a custom sub-record can hold lines of one or two dots:
    // they are no shape's and are logged, the first one as the keyword.
    CExPad direct;
    Lines sub = {"..CUSTOM", "...ROUND", "..STRAY a", "....DIAMETER 2", ".ALSO b", "...SQUARE", "....WIDTH 1"};
    direct.SetSubRecordData(sub, "ctx", 1, &logs.ignore, &logs.notUsed, 1.0);
    EXPECT_TRUE(sub.empty());
    EXPECT_EQ(test::Fields(direct), "pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=2} "
                                    "CExSquare{sShapeType=SQUARE dWidth=1}]");
    EXPECT_EQ(test::Entry(*logs.notUsed.GetAt(1)), "..STRAY|a|2|ctx|1|.ALSO b");
}

TEST(Pad, RecordEdges)
{
    CExPadArray pads;
    test::Logs logs;
    EXPECT_EQ(Parse(pads, logs, {}), nullptr);
    // A header without a blank names the pad by its whole text.
    EXPECT_EQ(test::Fields(*Parse(pads, logs, {".PAD"})), "sName=.PAD");

    // Sub-records are parsed with the flag 1 whatever the caller passed.
    Lines record = {".PAD x", "..UNKNOWN"};
    pads.SetData(record, "c", 9, &logs.ignore, &logs.notUsed, 1.0);
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..UNKNOWN||2|c|1"});

    // Garbage values read as 0 or infinity, never crash.
    const CExPad* bad =
        Parse(pads, logs, {".PAD \"B\"", "..OFFSET (1e999, abc)", "..ROUND", std::string("...DIAMETER \0x", 14)});
    EXPECT_EQ(test::Fields(*bad), "aOffsets=(inf,0) sName=B pDrawObjArray=[CExRound{sShapeType=ROUND}]");
}

TEST(Hole, KeepsLastShapeToleranceAndSymbol)
{
    CExHoleArray holes;
    test::Logs logs;
    EXPECT_EQ(test::Fields(*Parse(holes, logs, {".HOLE \"H08\"", "..ROUND", "...DIAMETER 0.8"}, 1000.0)),
              "sName=H08 pDrawObj=CExRound{sShapeType=ROUND dDiameter=800}");
    const CExHole* slot =
        Parse(holes, logs,
              {".HOLE S", "..ROUND", "...DIAMETER 9", "..SLOT", "...HEIGHT 2", "...WIDTH 1",
               "..POSITIVE_TOLERANCE 0.05", "..NEGATIVE_TOLERANCE \"0.04\"", "..CUSTOM_SYMBOL \"SYM 1\"",
               "...IGNORED", "..DRILL_SYMBOL x", "..HOLE_OPTIONS PLATED", "..DEPTH_ASSIGNMENT_METHOD y",
               "..TIMESTAMP z"},
              10.0);
    EXPECT_EQ(test::Fields(*slot), "sCustomSymbol=SYM 1 sName=S pDrawObj=CExSlot{sShapeType=SLOT dHeight=20 dWidth=10} "
                                   "dPositiveTolerance=0.5 dNegativeTolerance=0.4");
    EXPECT_TRUE(logs.notUsed.IsEmpty());

    // Without a shape the hole keeps its plain, typeless shape.
    EXPECT_EQ(test::Fields(*Parse(holes, logs, {".HOLE N", "..DRILL_DIAMETER 1"})), "sName=N pDrawObj=CExDrawObj{}");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..DRILL_DIAMETER|1|2|.HOLE N|1"});
}

TEST(Padstack, DefaultBlockIsReadForEveryTechnology)
{
    const Lines via20 = {".PADSTACK \"VIA20\"", "..PADSTACK_TYPE VIA", "..TECHNOLOGY \"(Default)\"",
                         "...TOP_PAD \"P20\"", "...BOTTOM_PAD \"P20\"", "...INTERNAL_PAD \"P20\"", "....LAYER 2",
                         ".....OVERRIDE_PAD \"P24\"", "...HOLE_NAME \"H10\""};
    for (const std::string technology : {"(Default)", "HDI", ""}) {
        CExPadstackArray padstacks;
        test::Logs logs;
        EXPECT_EQ(test::Fields(*ParsePadstack(padstacks, logs, via20, technology)),
                  "sName=VIA20 sPadstackType=VIA sTopPad=P20 sBottomPad=P20 sInternalPad=P20 sHoleName=H10 "
                  "pInternalPadLayerArray=[CExInternalPadLayerPAD{sOverridePad=P24 nLayer=2}]")
            << technology;
        EXPECT_TRUE(logs.notUsed.IsEmpty());
    }
}

TEST(Padstack, TechnologyBlocks)
{
    const Lines record = {".PADSTACK PS", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD A", "...USER_LYR u1",
                          "....USER_LYR_PAD up1", "..TECHNOLOGY \"HDI\"", "...TOP_PAD B", "...USER_LYR u2",
                          "....USER_LYR_DISPLAY_CONDITION c2", "...CLEARANCE_PAD C", "..TECHNOLOGY \"(default)\"",
                          "...TOP_PAD lower"};
    // The design's technology: both blocks read, the later name wins, lists
    // collect; technology names are compared with case.
    CExPadstackArray padstacks;
    test::Logs logs;
    EXPECT_EQ(test::Fields(*ParsePadstack(padstacks, logs, record, "HDI")),
              "sClearancePad=C sName=PS sTopPad=B saUserLyr=[u1|u2] saUserLyrPad=[up1] saUserLyrDisplayCondition=[c2]");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..TECHNOLOGY|\"(default)\"|2|.PADSTACK PS|1|...TOP_PAD lower"});

    // Another technology: its block is logged whole and sets nothing.
    test::Logs other;
    EXPECT_EQ(test::Fields(*ParsePadstack(padstacks, other, record, "(Default)")),
              "sName=PS sTopPad=A saUserLyr=[u1] saUserLyrPad=[up1]");
    EXPECT_EQ(test::Entries(other.notUsed),
              (Lines{"..TECHNOLOGY|\"HDI\"|2|.PADSTACK PS|1|...TOP_PAD B|...USER_LYR u2|"
                     "....USER_LYR_DISPLAY_CONDITION c2|...CLEARANCE_PAD C",
                     "..TECHNOLOGY|\"(default)\"|2|.PADSTACK PS|1|...TOP_PAD lower"}));
}

TEST(Padstack, InternalPadsOffsetsAndOddLines)
{
    CExPadstackArray padstacks;
    test::Logs logs;
    const CExPadstack* p = ParsePadstack(
        padstacks, logs,
        {".PADSTACK X", "..TECHNOLOGY (Default)", "....LAYER 7", ".....OVERRIDE_PAD early", "...INTERNAL_PAD I1",
         "....LAYER \"3\"", "...INTERNAL_PAD I2", "....LAYER 4", ".....OVERRIDE_PAD O2", "....OFFSET (1, 2)",
         "...TOP_SOLDERMASK_PAD SM", "...TOP_SOLDERPASTE_PAD SP", "...BOTTOM_SOLDERMASK_PAD BM",
         "...BOTTOM_SOLDERPASTE_PAD BP", "...THERMAL_PAD T", "...UNKNOWN_LINE q", "..TIMESTAMP 5",
         "..PADSTACK_TYPE PIN_SMD", "...STRAY", "..OTHER v", "...W"},
        "(Default)");
    // Lines before the first internal pad have no entry to go to.
    EXPECT_EQ(test::Fields(*p), "sName=X sPadstackType=PIN_SMD sTopSoldermaskPad=SM sTopSolderpastePad=SP "
                                "sBottomSoldermaskPad=BM sBottomSolderpastePad=BP sInternalPad=I2 sThermalPad=T "
                                "aOffsets=(1,2) pInternalPadLayerArray=[CExInternalPadLayerPAD{nLayer=3} "
                                "CExInternalPadLayerPAD{sOverridePad=O2 nLayer=4}]");
    // Only the unknown level-2 sub-record is logged.
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..OTHER|v|2|.PADSTACK X|1|...W"});
}

TEST(CustomDrillSymbol, ShapesInOrder)
{
    CExCustom_Drill_SymbolArray symbols;
    test::Logs logs;
    const CExCustom_Drill_Symbol* s = Parse(
        symbols, logs,
        {".CUSTOM_DRILL_SYMBOL \"S1\"", "..CIRCLE_PATH", "...RADIUS 1", "...XY (0, 0)", "...WIDTH 0.1",
         "..DRILL_SYMBOL a", "..TIMESTAMP b", "..POLYLINE_PATH", "...XY (-1, 0) (1, 0)", "...WIDTH 0.1",
         "..CUSTOM_SYMBOL c", "..HOLE_OPTIONS d", "..POSITIVE_TOLERANCE 1", "..NEGATIVE_TOLERANCE 1",
         "..DEPTH_ASSIGNMENT_METHOD e"},
        2.0);
    EXPECT_EQ(test::Fields(*s), "pDrawObjArray=[CExCircle_Path{sShapeType=CIRCLE_PATH dRadius=2 aXY=(0,0) dWidth=0.2} "
                                "CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(-2,0)(2,0) dWidth=0.2}] sName=S1");
    EXPECT_TRUE(logs.notUsed.IsEmpty());
    EXPECT_EQ(test::Fields(*Parse(symbols, logs, {".CUSTOM_DRILL_SYMBOL S2", "..PAD_OPTIONS x"})), "sName=S2");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..PAD_OPTIONS|x|2|.CUSTOM_DRILL_SYMBOL S2|1"});
}

TEST(PadstackLibrary, ScaleValues)
{
    const struct {
        const char* target;
        const char* file;
        double factor;
    } pairs[] = {
        {"MM", "IN", 25.4}, {"IN", "MM", 0.03937007874015748}, {"MM", "MM", 1.0}, {"MIL", "IN", 1000.0},
        {"MM", "MIL", 0.0254}, {"MM", "UM", 0.001}, {"MIL", "MM", 39.37007874015748},
        {"IN", "UM", 3.937007874015748e-05}, {"IN", "MIL", 0.001},
        // Conversions into micrometres are not made.
        {"UM", "MM", 1.0}, {"UM", "IN", 1.0},
        // "TH" is a thousandth of an inch, the same as "MIL".
        {"MM", "TH", 0.0254}, {"TH", "MIL", 1.0}, {"MIL", "TH", 1.0}, {"TH", "IN", 1000.0}, {"IN", "TH", 0.001},
        {"TH", "MM", 39.37007874015748}, {"TH", "UM", 0.03937007874015748}, {"UM", "TH", 1.0},
        // Words are matched exactly.
        {"mm", "IN", 1.0}, {"MM", "in", 1.0}, {"MM", "\"IN\"", 1.0}, {"MM", "MILS", 1.0}, {"", "IN", 1.0},
    };
    for (const auto& p : pairs)
        EXPECT_EQ(CExPadstack_Library::GetScaleValue(p.target, p.file), p.factor) << p.target << " from " << p.file;
}

TEST(PadstackLibrary, UnitsRecordScalesWhatFollows)
{
    CExPadstack_Library lib;
    Feed(lib,
         {".PAD A", "..ROUND", "...DIAMETER 2", ".UNITS in", ".PAD B", "..ROUND", "...DIAMETER 2", ".HOLE H",
          "..POSITIVE_TOLERANCE 1", ".CUSTOM_DRILL_SYMBOL S", "..CIRCLE_PATH", "...RADIUS 1", ".PADSTACK P",
          "..TECHNOLOGY \"(Default)\"", "....OFFSET (1, 0)", ".UNITS MM", ".PAD C", "..ROUND", "...DIAMETER 2"},
         "MM");
    // Before any ".UNITS" the factor is 1; inches into millimetres; then the
    // file's unit is the design's again.
    EXPECT_EQ(test::Items(*lib.pPadArray),
              "CExPad{sName=A pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=2}]} "
              "CExPad{sName=B pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=50.8}]} "
              "CExPad{sName=C pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=2}]}");
    EXPECT_DOUBLE_EQ(lib.pHoleArray->GetAt(0)->dPositiveTolerance, 25.4);
    EXPECT_EQ(test::Fields(*lib.pCustomDrillSymbolArray->GetAt(0)),
              "pDrawObjArray=[CExCircle_Path{sShapeType=CIRCLE_PATH dRadius=25.4}] sName=S");
    EXPECT_DOUBLE_EQ(lib.pPadstackArray->GetAt(0)->aOffsets[0].dX, 25.4);
    EXPECT_EQ(lib.sUnits, "MM");
    EXPECT_EQ(lib.dScale, 1.0);

    // The design's unit word is compared as given: lower case matches nothing.
    CExPadstack_Library lower;
    Feed(lower, {".UNITS IN"}, "mm");
    EXPECT_EQ(lower.sUnits, "IN");
    EXPECT_EQ(lower.dScale, 1.0);
}

TEST(PadstackLibrary, HeaderRecordsLogsAndLookups)
{
    CExPadstack_Library lib;
    lib.sPadstackTechnology = "HDI";
    Feed(lib,
         {".FILETYPE PADSTACK_LIBRARY", ".VERSION \"2.0b\"", ".CREATOR x", ".DATE y", ".JOB z", ".SCHEMA_VERSION 3",
          ".OUTPUT_IN_DB_UNITS yes", ".PADSTACK_TECHNOLOGY \"HDI\"", "..TECHNOLOGY \"HDI\"", "...TOP_PAD T",
          ".UNHEARD_OF 1 2", "..CHILD 3", ".PADSTACK \"Q\"", "..TECHNOLOGY \"Other\"", "...TOP_PAD U",
          ".CUSTOM_DRILL_SYMBOL \"D1\"", "..CIRCLE_PATH", ".CUSTOM_DRILL_SYMBOL \"D2\"", ".CUSTOM_DRILL_SYMBOL \"D1\"",
          "..POLYLINE_PATH"},
         "MM");
    EXPECT_EQ(lib.sVersion, "\"2.0B\"");
    EXPECT_EQ(lib.sOutputInDbUnits, "YES");
    EXPECT_EQ(lib.sUnits, "");
    // ".PADSTACK_TECHNOLOGY" begins with ".PADSTACK": a padstack named HDI.
    ASSERT_EQ(lib.pPadstackArray->GetSize(), 2);
    EXPECT_EQ(test::Fields(*lib.pPadstackArray->GetAt(0)), "sName=HDI sTopPad=T");
    EXPECT_TRUE(lib.pPadArray->IsEmpty());
    EXPECT_TRUE(lib.pIgnoreLog->IsEmpty());
    EXPECT_EQ(test::Entries(*lib.pNotUsedLog), (Lines{".UNHEARD_OF|1 2|1|.UNHEARD_OF 1 2|1|..CHILD 3",
                                                      "..TECHNOLOGY|\"Other\"|2|.PADSTACK \"Q\"|1|...TOP_PAD U"}));

    // Drill symbols are found by their exact name, the first of two.
    ASSERT_EQ(lib.pCustomDrillSymbolArray->GetSize(), 3);
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("D1"), lib.pCustomDrillSymbolArray->GetAt(0));
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("D2"), lib.pCustomDrillSymbolArray->GetAt(1));
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("d1"), nullptr);
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("\"D1\""), nullptr);
}

TEST(PadstackLibrary, LibraryLoadOfTwoFiles)
{
    test::TempDir dir;
    const std::string first = dir.WriteLines(
        "first.txt", {".FILETYPE PADSTACK_LIBRARY", ".UNITS IN", ".PAD \"P1\"", "..ROUND", "...DIAMETER 0.1",
                      ".PADSTACK \"PS1\"", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD \"P1\""});
    // Records before the second file's ".UNITS" keep the first file's factor.
    const std::string second = dir.WriteLines(
        "second.txt", {".FILETYPE PADSTACK_LIBRARY", ".PAD \"P2\"", "..ROUND", "...DIAMETER 0.1", ".UNITS MM",
                       ".PAD \"P3\"", "..ROUND", "...DIAMETER 0.1", ".PADSTACK \"PS2\"", "..TECHNOLOGY \"Fab2\"",
                       "...TOP_PAD \"P3\""});
    CExExpedition root;
    ASSERT_EQ(test::LoadLibrary(root, dir.WriteLines("job.txt", {".UNITS MM", ".PADSTACK_TECHNOLOGY \"Fab2\""}), {},
                                {first, second}),
              1);
    const CExPadstack_Library* lib = root.pPadstackLibrary;
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->sPadstackTechnology, "Fab2");
    EXPECT_EQ(test::Items(*lib->pPadArray),
              "CExPad{sName=P1 pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=2.54}]} "
              "CExPad{sName=P2 pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=2.54}]} "
              "CExPad{sName=P3 pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=0.1}]}");
    ASSERT_EQ(lib->pPadstackArray->GetSize(), 2);
    EXPECT_EQ(lib->pPadstackArray->GetAt(1)->sTopPad, "P3");
    EXPECT_EQ(lib->sUnits, "MM");
    EXPECT_TRUE(lib->pNotUsedLog->IsEmpty());
}

} // namespace
