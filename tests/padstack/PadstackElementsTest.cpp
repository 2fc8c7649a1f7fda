#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/ExTemporary.h"
#include "padstack/ExCustom_Drill_Symbol.h"
#include "padstack/ExHole.h"
#include "padstack/ExInternalPadLayerPAD.h"
#include "padstack/ExPad.h"
#include "padstack/ExPadstack.h"
#include "shapes/ExCircle_Path.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExPolyarc_Shape.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExRound.h"
#include "shapes/ExSlot.h"
#include "shapes/ExSquare.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

struct Logs {
    CExTemporaryArray ignore;
    CExTemporaryArray notUsed;
};

// One record through the array's SetData with its header line as context and
// flag 1, as the library passes it; the record must come back empty.
template <class Array>
auto* Parse(Array& array, Logs& logs, Lines record, double dScale = 1.0)
{
    const std::string context = record.empty() ? "" : record[0];
    array.SetData(record, context, 1, &logs.ignore, &logs.notUsed, dScale);
    EXPECT_TRUE(record.empty());
    return array.GetLastElement();
}

CExPadstack* ParsePadstack(CExPadstackArray& array, Logs& logs, Lines record, const std::string& technology,
                           double dScale = 1.0)
{
    const std::string context = record[0];
    array.SetData(record, context, 1, &logs.ignore, &logs.notUsed, technology, dScale);
    EXPECT_TRUE(record.empty());
    return array.GetLastElement();
}

// Entry i of the log: its keyword, further lines and context.
void ExpectEntry(const CExTemporaryArray& log, int i, const std::string& keyword, const Lines& lines,
                 const std::string& context)
{
    const CExTemporary* e = log.GetAt(i);
    ASSERT_NE(e, nullptr) << keyword;
    EXPECT_EQ(e->sKeyword, keyword);
    EXPECT_EQ(e->saLines, lines);
    EXPECT_EQ(e->sContext, context);
    EXPECT_EQ(e->nFlag, 1);
}

template <class T>
const T* As(const CExDrawObj* p)
{
    return dynamic_cast<const T*>(p);
}

TEST(Pad, ShapesOffsetsAndLoggedSubRecords)
{
    CExPadArray pads;
    Logs logs;
    const CExPad* pad = Parse(pads, logs,
                              {".PAD \"P60\"", "..ROUND", "...DIAMETER 60", "..OFFSET (0, 5)", ". stray level one",
                               "..PAD_OPTIONS NONE", "..TIMESTAMP 1", "..SQUARE", "...WIDTH 4", "..OFFSET",
                               "..OFFSET (1.5, -2", "..OFFSET 7, 8)", "..CIRCLE", "...RADIUS 1"},
                              2.0);
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->sName, "P60");
    ASSERT_EQ(pad->pDrawObjArray->GetSize(), 2);
    ASSERT_NE(As<CExRound>(pad->pDrawObjArray->GetAt(0)), nullptr);
    EXPECT_DOUBLE_EQ(As<CExRound>(pad->pDrawObjArray->GetAt(0))->dDiameter, 120.0);
    ASSERT_NE(As<CExSquare>(pad->pDrawObjArray->GetAt(1)), nullptr);
    EXPECT_DOUBLE_EQ(As<CExSquare>(pad->pDrawObjArray->GetAt(1))->dWidth, 8.0);

    // (0, 5); no value; a missing ")" loses y; a missing "(" removes nothing.
    ASSERT_EQ(pad->aOffsets.GetSize(), 4);
    const double expected[][2] = {{0, 10}, {0, 0}, {3, 0}, {14, 16}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(pad->aOffsets[i].dX, expected[i][0]) << i;
        EXPECT_DOUBLE_EQ(pad->aOffsets[i].dY, expected[i][1]) << i;
    }

    // "..CIRCLE" is no shape keyword: logged whole with the header line.
    EXPECT_EQ(logs.notUsed.GetSize(), 1);
    ExpectEntry(logs.notUsed, 0, "..CIRCLE", {"...RADIUS 1"}, ".PAD \"P60\"");
    EXPECT_EQ(logs.ignore.GetSize(), 0);
}

TEST(Pad, CustomBlockHoldsShapesOneLevelDeeper)
{
    CExPadArray pads;
    Logs logs;
    const CExPad* pad = Parse(pads, logs,
                              {".PAD \"TAB\"", "..CUSTOM", "...POLYARC_SHAPE", "....XYR (0, 0, 0) (1, 0, 0.5)",
                               "...POLYARC_SHAPE", "....XYR (2, 2, 0)", "...NOT_A_SHAPE", "....WIDTH 3"},
                              10.0);
    ASSERT_EQ(pad->pDrawObjArray->GetSize(), 2);
    const auto* first = As<CExPolyarc_Shape>(pad->pDrawObjArray->GetAt(0));
    const auto* second = As<CExPolyarc_Shape>(pad->pDrawObjArray->GetAt(1));
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->aXYR.GetSize(), 2);
    EXPECT_DOUBLE_EQ(first->aXYR[1].dX, 10.0);
    EXPECT_DOUBLE_EQ(first->aXYR[1].dR, 5.0);
    ASSERT_EQ(second->aXYR.GetSize(), 1);
    EXPECT_DOUBLE_EQ(second->aXYR[0].dY, 20.0);
    // A three-dot line that is no shape makes nothing and logs nothing.
    EXPECT_EQ(logs.notUsed.GetSize(), 0);

    // Called directly, a custom sub-record can hold lines of one or two dots:
    // they are no shape's and are logged, the first one as the keyword.
    CExPad direct;
    Lines sub = {"..CUSTOM", "...ROUND", "..STRAY a", "....DIAMETER 2", ".ALSO b", "...SQUARE", "....WIDTH 1"};
    direct.SetSubRecordData(sub, "ctx", 1, &logs.ignore, &logs.notUsed, 1.0);
    EXPECT_TRUE(sub.empty());
    ASSERT_EQ(direct.pDrawObjArray->GetSize(), 2);
    EXPECT_DOUBLE_EQ(As<CExRound>(direct.pDrawObjArray->GetAt(0))->dDiameter, 2.0);
    EXPECT_EQ(logs.notUsed.GetSize(), 1);
    ExpectEntry(logs.notUsed, 0, "..STRAY", {".ALSO b"}, "ctx");
}

TEST(Pad, RecordEdges)
{
    CExPadArray pads;
    Logs logs;
    Lines empty;
    pads.SetData(empty, "", 1, &logs.ignore, &logs.notUsed, 1.0);
    EXPECT_EQ(pads.GetSize(), 0);

    // A header without a blank names the pad by its whole text.
    const CExPad* bare = Parse(pads, logs, {".PAD"});
    EXPECT_EQ(bare->sName, ".PAD");
    EXPECT_EQ(bare->pDrawObjArray->GetSize(), 0);
    EXPECT_EQ(bare->aOffsets.GetSize(), 0);

    // Sub-records are parsed with the flag 1 whatever the caller passed.
    Lines record = {".PAD x", "..UNKNOWN"};
    pads.SetData(record, "c", 9, &logs.ignore, &logs.notUsed, 1.0);
    EXPECT_EQ(logs.notUsed.GetSize(), 1);
    ExpectEntry(logs.notUsed, 0, "..UNKNOWN", {}, "c");

    // Garbage values read as 0 or infinity, never crash.
    const CExPad* bad = Parse(pads, logs, {".PAD \"B\"", "..OFFSET (1e999, abc)", "..ROUND", std::string("...DIAMETER \0x", 14)});
    EXPECT_TRUE(std::isinf(bad->aOffsets[0].dX));
    EXPECT_EQ(bad->aOffsets[0].dY, 0.0);
    EXPECT_EQ(As<CExRound>(bad->pDrawObjArray->GetAt(0))->dDiameter, 0.0);
    EXPECT_EQ(pads.GetSize(), 3);
}

TEST(Hole, KeepsLastShapeToleranceAndSymbol)
{
    CExHoleArray holes;
    Logs logs;
    const CExHole* round = Parse(holes, logs, {".HOLE \"H08\"", "..ROUND", "...DIAMETER 0.8"}, 1000.0);
    EXPECT_EQ(round->sName, "H08");
    ASSERT_NE(As<CExRound>(round->pDrawObj), nullptr);
    EXPECT_DOUBLE_EQ(As<CExRound>(round->pDrawObj)->dDiameter, 800.0);

    const CExHole* slot =
        Parse(holes, logs,
              {".HOLE S", "..ROUND", "...DIAMETER 9", "..SLOT", "...HEIGHT 2", "...WIDTH 1",
               "..POSITIVE_TOLERANCE 0.05", "..NEGATIVE_TOLERANCE \"0.04\"", "..CUSTOM_SYMBOL \"SYM 1\"",
               "...IGNORED", "..DRILL_SYMBOL x", "..HOLE_OPTIONS PLATED", "..DEPTH_ASSIGNMENT_METHOD y",
               "..TIMESTAMP z"},
              10.0);
    const auto* s = As<CExSlot>(slot->pDrawObj);
    ASSERT_NE(s, nullptr);
    EXPECT_DOUBLE_EQ(s->dHeight, 20.0);
    EXPECT_DOUBLE_EQ(s->dWidth, 10.0);
    EXPECT_DOUBLE_EQ(slot->dPositiveTolerance, 0.5);
    EXPECT_DOUBLE_EQ(slot->dNegativeTolerance, 0.4);
    EXPECT_EQ(slot->sCustomSymbol, "SYM 1");
    EXPECT_EQ(logs.notUsed.GetSize(), 0);

    // Without a shape the hole keeps its plain, typeless shape.
    const CExHole* none = Parse(holes, logs, {".HOLE N", "..DRILL_DIAMETER 1"});
    ASSERT_NE(none->pDrawObj, nullptr);
    EXPECT_EQ(none->pDrawObj->sShapeType, "");
    EXPECT_EQ(logs.notUsed.GetSize(), 1);
    ExpectEntry(logs.notUsed, 0, "..DRILL_DIAMETER", {}, ".HOLE N");
    EXPECT_EQ(holes.GetSize(), 3);
}

const Lines kVia20 = {".PADSTACK \"VIA20\"",    "..PADSTACK_TYPE VIA",   "..TECHNOLOGY \"(Default)\"",
                      "...TOP_PAD \"P20\"",     "...BOTTOM_PAD \"P20\"", "...INTERNAL_PAD \"P20\"",
                      "....LAYER 2",            ".....OVERRIDE_PAD \"P24\"", "...HOLE_NAME \"H10\""};

TEST(Padstack, DefaultBlockIsReadForEveryTechnology)
{
    for (const std::string technology : {"(Default)", "HDI", ""}) {
        CExPadstackArray padstacks;
        Logs logs;
        const CExPadstack* p = ParsePadstack(padstacks, logs, kVia20, technology);
        EXPECT_EQ(p->sName, "VIA20");
        EXPECT_EQ(p->sPadstackType, "VIA");
        EXPECT_EQ(p->sTopPad, "P20");
        EXPECT_EQ(p->sBottomPad, "P20");
        EXPECT_EQ(p->sInternalPad, "P20");
        EXPECT_EQ(p->sHoleName, "H10");
        ASSERT_EQ(p->pInternalPadLayerArray->GetSize(), 1) << technology;
        EXPECT_EQ(p->pInternalPadLayerArray->GetAt(0)->nLayer, 2);
        EXPECT_EQ(p->pInternalPadLayerArray->GetAt(0)->sOverridePad, "P24");
        EXPECT_EQ(logs.notUsed.GetSize(), 0);
    }
}

TEST(Padstack, TechnologyBlocks)
{
    const Lines record = {".PADSTACK PS", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD A", "...USER_LYR u1",
                          "....USER_LYR_PAD up1", "..TECHNOLOGY \"HDI\"", "...TOP_PAD B", "...USER_LYR u2",
                          "....USER_LYR_DISPLAY_CONDITION c2", "...CLEARANCE_PAD C", "..TECHNOLOGY \"(default)\"",
                          "...TOP_PAD lower"};
    {
        // The design's technology: both blocks read, the later name wins, lists collect.
        CExPadstackArray padstacks;
        Logs logs;
        const CExPadstack* p = ParsePadstack(padstacks, logs, record, "HDI");
        EXPECT_EQ(p->sTopPad, "B");
        EXPECT_EQ(p->sClearancePad, "C");
        EXPECT_EQ(p->saUserLyr, (Lines{"u1", "u2"}));
        EXPECT_EQ(p->saUserLyrPad, (Lines{"up1"}));
        EXPECT_EQ(p->saUserLyrDisplayCondition, (Lines{"c2"}));
        // Technology names are compared with case.
        ASSERT_EQ(logs.notUsed.GetSize(), 1);
        EXPECT_EQ(logs.notUsed.GetAt(0)->sValue, "\"(default)\"");
    }
    {
        // Another technology: its block is logged whole and sets nothing.
        CExPadstackArray padstacks;
        Logs logs;
        const CExPadstack* p = ParsePadstack(padstacks, logs, record, "(Default)");
        EXPECT_EQ(p->sTopPad, "A");
        EXPECT_EQ(p->sClearancePad, "");
        EXPECT_EQ(p->saUserLyr, (Lines{"u1"}));
        EXPECT_EQ(logs.notUsed.GetSize(), 2);
        ExpectEntry(logs.notUsed, 0, "..TECHNOLOGY",
                    {"...TOP_PAD B", "...USER_LYR u2", "....USER_LYR_DISPLAY_CONDITION c2", "...CLEARANCE_PAD C"},
                    ".PADSTACK PS");
        EXPECT_EQ(logs.notUsed.GetAt(0)->sValue, "\"HDI\"");
    }
}

TEST(Padstack, InternalPadsOffsetsAndOddLines)
{
    CExPadstackArray padstacks;
    Logs logs;
    const CExPadstack* p = ParsePadstack(
        padstacks, logs,
        {".PADSTACK X", "..TECHNOLOGY (Default)", "....LAYER 7", ".....OVERRIDE_PAD early", "...INTERNAL_PAD I1",
         "....LAYER \"3\"", "...INTERNAL_PAD I2", "....LAYER 4", ".....OVERRIDE_PAD O2", "....OFFSET (1, 2)",
         "...TOP_SOLDERMASK_PAD SM", "...TOP_SOLDERPASTE_PAD SP", "...BOTTOM_SOLDERMASK_PAD BM",
         "...BOTTOM_SOLDERPASTE_PAD BP", "...THERMAL_PAD T", "...UNKNOWN_LINE q", "..TIMESTAMP 5",
         "..PADSTACK_TYPE PIN_SMD", "...STRAY", "..OTHER v", "...W"},
        "(Default)", 10.0);
    EXPECT_EQ(p->sInternalPad, "I2");
    // Lines before the first internal pad have no entry to go to.
    ASSERT_EQ(p->pInternalPadLayerArray->GetSize(), 2);
    EXPECT_EQ(p->pInternalPadLayerArray->GetAt(0)->nLayer, 3);
    EXPECT_EQ(p->pInternalPadLayerArray->GetAt(0)->sOverridePad, "");
    EXPECT_EQ(p->pInternalPadLayerArray->GetAt(1)->nLayer, 4);
    EXPECT_EQ(p->pInternalPadLayerArray->GetAt(1)->sOverridePad, "O2");
    ASSERT_EQ(p->aOffsets.GetSize(), 1);
    EXPECT_DOUBLE_EQ(p->aOffsets[0].dX, 10.0);
    EXPECT_DOUBLE_EQ(p->aOffsets[0].dY, 20.0);
    EXPECT_EQ(p->sTopSoldermaskPad, "SM");
    EXPECT_EQ(p->sTopSolderpastePad, "SP");
    EXPECT_EQ(p->sBottomSoldermaskPad, "BM");
    EXPECT_EQ(p->sBottomSolderpastePad, "BP");
    EXPECT_EQ(p->sThermalPad, "T");
    EXPECT_EQ(p->sPadstackType, "PIN_SMD");
    // Only the unknown level-2 sub-record is logged.
    EXPECT_EQ(logs.notUsed.GetSize(), 1);
    ExpectEntry(logs.notUsed, 0, "..OTHER", {"...W"}, ".PADSTACK X");
}

TEST(CustomDrillSymbol, ShapesInOrder)
{
    CExCustom_Drill_SymbolArray symbols;
    Logs logs;
    const CExCustom_Drill_Symbol* s = Parse(
        symbols, logs,
        {".CUSTOM_DRILL_SYMBOL \"S1\"", "..CIRCLE_PATH", "...RADIUS 1", "...XY (0, 0)", "...WIDTH 0.1",
         "..DRILL_SYMBOL a", "..TIMESTAMP b", "..POLYLINE_PATH", "...XY (-1, 0) (1, 0)", "...WIDTH 0.1",
         "..CUSTOM_SYMBOL c", "..HOLE_OPTIONS d", "..POSITIVE_TOLERANCE 1", "..NEGATIVE_TOLERANCE 1",
         "..DEPTH_ASSIGNMENT_METHOD e"},
        2.0);
    EXPECT_EQ(s->sName, "S1");
    ASSERT_EQ(s->pDrawObjArray->GetSize(), 2);
    const auto* circle = As<CExCircle_Path>(s->pDrawObjArray->GetAt(0));
    const auto* line = As<CExPolyline_Path>(s->pDrawObjArray->GetAt(1));
    ASSERT_TRUE(circle && line);
    EXPECT_DOUBLE_EQ(circle->dRadius, 2.0);
    EXPECT_DOUBLE_EQ(line->dWidth, 0.2);
    ASSERT_EQ(line->aXY.GetSize(), 2);
    EXPECT_DOUBLE_EQ(line->aXY[0].dX, -2.0);
    EXPECT_EQ(logs.notUsed.GetSize(), 0);

    const CExCustom_Drill_Symbol* bare = Parse(symbols, logs, {".CUSTOM_DRILL_SYMBOL S2", "..PAD_OPTIONS x"});
    EXPECT_EQ(bare->pDrawObjArray->GetSize(), 0);
    EXPECT_EQ(logs.notUsed.GetSize(), 1);
    ExpectEntry(logs.notUsed, 0, "..PAD_OPTIONS", {}, ".CUSTOM_DRILL_SYMBOL S2");
}

} // namespace
