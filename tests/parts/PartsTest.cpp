#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/ExExpedition.h"
#include "core/ExTemporary.h"
#include "loader/PC_Corvane_Get.h"
#include "parts/ExLibPart.h"
#include "parts/ExPartData.h"
#include "parts/ExPartDataSlot.h"
#include "parts/ExPartDataSwapGrp.h"
#include "parts/ExPartDataSymbol.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

// Loads a parts database file on its own, as a library load does.
struct LoadedParts {
    explicit LoadedParts(const std::string& path)
    {
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.vSetMExpeditionLibFilePath("", {}, "", {}, "", path);
        EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    }
    CExLibPart& Lib() { return *root.pLibPart; }
    CExExpedition root;
};

CExPartData* FindPart(CExLibPart& lib, const std::string& number)
{
    for (CExPartData* p : *lib.pPartDataArray)
        if (p->sNumber == number)
            return p;
    return nullptr;
}

} // namespace

TEST(LibPart, PartRecordFillsEveryValueAndLogsUnknownLines)
{
    CExLibPart lib;
    Lines record = {".NUMBER \"74HC00\"",      "..NAME QUAD_NAND",  "...DEFAULT",
                    "..REFPREFIX U",           "..DESC first",      "..DESC \"second one\"",
                    "..ALTCELL \"SO14\"",      "..ALTCELL  DIP14 ", "..label Quad nand",
                    "..TOPCELL \"SO14_TOP\"",  "..BOTTOMCELL SO14B", "..MODIFIED 2024-01-02",
                    "..PROP \"Value\" \"74HC00\"", "..PROP Vendor",    "..FOO 1 2",
                    "...BAR x"};
    lib.SetData(record);
    EXPECT_TRUE(record.empty());
    ASSERT_EQ(lib.pPartDataArray->GetSize(), 1);
    const CExPartData& p = *lib.pPartDataArray->GetAt(0);
    EXPECT_EQ(p.sNumber, "74HC00");
    EXPECT_EQ(p.sName, "QUAD_NAND");
    EXPECT_EQ(p.bDefault, 1);
    EXPECT_EQ(p.sRefPrefix, "U");
    EXPECT_EQ(p.sDesc, "second one");  // the later line wins
    EXPECT_EQ(p.saAltCells, (Lines{"SO14", "DIP14"}));
    EXPECT_EQ(p.sLabel, "Quad nand");  // keyword in any case, value as written
    EXPECT_EQ(p.sTopCell, "SO14_TOP");
    EXPECT_EQ(p.sBottomCell, "SO14B");
    EXPECT_EQ(p.sModified, "2024-01-02");
    EXPECT_EQ(p.saProps, (Lines{"Value 74HC00", "Vendor"}));

    // The unknown sub-record is logged whole, with the part line as context.
    ASSERT_EQ(lib.pNotUsedLog->GetSize(), 1);
    const CExTemporary& e = *lib.pNotUsedLog->GetAt(0);
    EXPECT_EQ(e.sKeyword, "..FOO");
    EXPECT_EQ(e.sValue, "1 2");
    EXPECT_EQ(e.nLevel, 2);
    EXPECT_EQ(e.saLines, (Lines{"...BAR x"}));
    EXPECT_EQ(e.sContext, ".NUMBER \"74HC00\"");
    EXPECT_EQ(e.nFlag, 1);
    EXPECT_EQ(lib.pIgnoreLog->GetSize(), 0);
}

TEST(LibPart, DefaultScanBelongsOnlyToNameAndLabel)
{
    CExPartDataArray parts;
    CExTemporaryArray ignore, notUsed;
    Lines plain = {".NUMBER A", "..DESC d", "...DEFAULT", "..TOPCELL t", "...DEFAULT"};
    Lines label = {".NUMBER B", "..LABEL l", "...OTHER", "...default"};
    // A sub-record is always logged with flag 1, whatever the record's flag.
    Lines orphan = {".NUMBER C", "...DEFAULT", "..NAME n"};
    parts.SetPartData(plain, "ctx", 7, &ignore, &notUsed);
    parts.SetPartData(label, "ctx", 7, &ignore, &notUsed);
    parts.SetPartData(orphan, "ctxC", 7, &ignore, &notUsed);
    ASSERT_EQ(parts.GetSize(), 3);
    EXPECT_EQ(parts.GetAt(0)->bDefault, 0);
    EXPECT_EQ(parts.GetAt(0)->sTopCell, "t");
    EXPECT_EQ(parts.GetAt(1)->bDefault, 1);
    EXPECT_EQ(parts.GetAt(1)->sLabel, "l");
    // A deep line before any two-dot line forms a sub-record of its own.
    EXPECT_EQ(parts.GetAt(2)->bDefault, 0);
    EXPECT_EQ(parts.GetAt(2)->sName, "n");
    ASSERT_EQ(notUsed.GetSize(), 1);
    EXPECT_EQ(notUsed.GetAt(0)->sKeyword, "...DEFAULT");
    EXPECT_EQ(notUsed.GetAt(0)->sContext, "ctxC");
    EXPECT_EQ(notUsed.GetAt(0)->nFlag, 1);
}

TEST(LibPart, DispatcherSortsHeadersUnitsPartsAndUnknownRecords)
{
    CExLibPart lib;
    std::vector<Lines> records = {{},
                                  {".FILETYPE PARTS_DATABASE"},
                                  {".VERSION 1", "..X"},
                                  {".units \"mm\""},
                                  {".FOO bar", "..BAZ"},
                                  {".NUMBER"},
                                  {".NUMBER  \"P 2\" "}};
    for (Lines& r : records) {
        lib.SetData(r);
        EXPECT_TRUE(r.empty());
    }
    EXPECT_EQ(lib.sUnits, "\"MM\"");  // upper case, quotes kept
    ASSERT_EQ(lib.pIgnoreLog->GetSize(), 2);
    EXPECT_EQ(lib.pIgnoreLog->GetAt(0)->sKeyword, ".FILETYPE");
    EXPECT_EQ(lib.pIgnoreLog->GetAt(0)->sContext, ".FILETYPE PARTS_DATABASE");
    EXPECT_EQ(lib.pIgnoreLog->GetAt(1)->saLines, (Lines{"..X"}));
    ASSERT_EQ(lib.pNotUsedLog->GetSize(), 1);
    EXPECT_EQ(lib.pNotUsedLog->GetAt(0)->sKeyword, ".FOO");
    EXPECT_EQ(lib.pNotUsedLog->GetAt(0)->nLevel, 1);
    EXPECT_EQ(lib.pNotUsedLog->GetAt(0)->saLines, (Lines{"..BAZ"}));

    // A part line alone still makes a part; a line without a value names it by itself.
    ASSERT_EQ(lib.pPartDataArray->GetSize(), 2);
    const CExPartData& bare = *lib.pPartDataArray->GetAt(0);
    EXPECT_EQ(bare.sNumber, ".NUMBER");
    EXPECT_TRUE(bare.sName.empty() && bare.saProps.empty() && bare.saAltCells.empty());
    EXPECT_EQ(bare.pSlotArray->GetSize(), 0);
    EXPECT_EQ(bare.pSymbolArray->GetSize(), 0);
    EXPECT_EQ(bare.pSwapGrpArray->GetSize(), 0);
    EXPECT_EQ(lib.pPartDataArray->GetAt(1)->sNumber, "P 2");
}

TEST(PartDataSlot, GroupsOfOneSubRecordMergeIntoOneSlot)
{
    CExPartDataSlotArray slots;
    CExTemporaryArray ignore, notUsed;
    Lines one = {"..SLOTS",         "...SLOT_SWAPGROUP A", "....SLOTID 1",  "....SWAPCODE 2",
                 "....PINNUMBER 1", "....PINNUMBER \"2\"", "....FOO quiet"};
    slots.SetSlotData_InPart(one, "ctx", 3, &ignore, &notUsed);
    EXPECT_TRUE(one.empty());
    ASSERT_EQ(slots.GetSize(), 1);
    EXPECT_EQ(slots.GetAt(0)->sSlotSwapGroup, "A");
    EXPECT_EQ(slots.GetAt(0)->nSlotId, 1);
    EXPECT_EQ(slots.GetAt(0)->nSwapCode, 2);
    EXPECT_EQ(slots.GetAt(0)->saPinNumbers, (Lines{"1", "2"}));
    EXPECT_EQ(notUsed.GetSize(), 0);  // "....FOO" inside a slot group is dropped

    // Later groups overwrite the single values and add pins; a continuation
    // line is joined without a blank; an unknown group is logged.
    Lines merged = {"..SLOTS",
                    "...SLOT_SWAPGROUP A",
                    "....SLOTID 4",
                    "....PINNUMBER 1",
                    "...FOO x",
                    "....BAR",
                    "...SLOT_SWAPGROUP B",
                    "....PINNUMBER 1",
                    "0",
                    ".LEVEL1 dropped",
                    "....SWAPCODE 99999999999"};
    slots.SetSlotData_InPart(merged, "ctx", 3, &ignore, &notUsed);
    ASSERT_EQ(slots.GetSize(), 2);
    const CExPartDataSlot& s = *slots.GetAt(1);
    EXPECT_EQ(s.sSlotSwapGroup, "B");
    EXPECT_EQ(s.nSlotId, 4);
    EXPECT_EQ(s.nSwapCode, INT_MAX);  // a huge number clamps instead of wrapping
    EXPECT_EQ(s.saPinNumbers, (Lines{"1", "10"}));
    ASSERT_EQ(notUsed.GetSize(), 1);
    EXPECT_EQ(notUsed.GetAt(0)->sKeyword, "...FOO");
    EXPECT_EQ(notUsed.GetAt(0)->saLines, (Lines{"....BAR"}));
    EXPECT_EQ(notUsed.GetAt(0)->nFlag, 3);

    // Without its id and code lines a slot holds 0 for both.
    Lines bare = {"..SLOTS", "...SLOT_SWAPGROUP P", "....PINNUMBER 8"};
    slots.SetSlotData_InPart(bare, "ctx", 3, &ignore, &notUsed);
    ASSERT_EQ(slots.GetSize(), 3);
    EXPECT_EQ(slots.GetAt(2)->nSlotId, 0);
    EXPECT_EQ(slots.GetAt(2)->nSwapCode, 0);

    // An empty sub-record adds nothing; a lone "..SLOTS" line adds an empty slot.
    Lines empty, lone = {"..SLOTS"};
    slots.SetSlotData_InPart(empty, "ctx", 3, &ignore, &notUsed);
    slots.SetSlotData_InPart(lone, "ctx", 3, &ignore, &notUsed);
    ASSERT_EQ(slots.GetSize(), 4);
    EXPECT_TRUE(slots.GetAt(3)->sSlotSwapGroup.empty());
}

TEST(PartDataSwapGrp, SwapIdsAreKeptPropertiesDroppedUnknownLogged)
{
    CExPartDataSwapGrpArray groups;
    CExTemporaryArray ignore, notUsed;
    Lines sub = {"..SWAPGROUP \"G1\"", "...SWAPID S1", "....EXTRA", "...swapid \"S2\"",
                 "...SWAPIDPROPERTIES X", "...OTHER y"};
    groups.SetSwapGrpData_InPart(sub, "ctx", 2, &ignore, &notUsed);
    EXPECT_TRUE(sub.empty());
    ASSERT_EQ(groups.GetSize(), 1);
    EXPECT_EQ(groups.GetAt(0)->sSwapGroup, "G1");
    EXPECT_EQ(groups.GetAt(0)->saSwapIds, (Lines{"S1", "S2"}));
    ASSERT_EQ(notUsed.GetSize(), 1);
    EXPECT_EQ(notUsed.GetAt(0)->sKeyword, "...OTHER");
    EXPECT_EQ(ignore.GetSize(), 0);
}

TEST(PartDataSymbol, SymbolGroupsAndLookupBySlotName)
{
    CExPartDataSymbolArray symbols;
    CExTemporaryArray ignore, notUsed;
    Lines a = {"..SYMBOL SYM_A",       "...DEFAULT",         "...SYMBOL_SWAPGROUP A",
               "....PINNAME IN1",      "....OTHER z",        "....PINNAME \"OUT\"",
               "...UNKNOWN"};
    Lines b = {"..SYMBOL SYM_B", "...SYMBOL_SWAPGROUP B"};
    Lines a2 = {"..SYMBOL SYM_A2", "...SYMBOL_SWAPGROUP A"};
    symbols.SetSymbolData_InPart(a, "ctx", 1, &ignore, &notUsed);
    symbols.SetSymbolData_InPart(b, "ctx", 1, &ignore, &notUsed);
    symbols.SetSymbolData_InPart(a2, "ctx", 1, &ignore, &notUsed);
    ASSERT_EQ(symbols.GetSize(), 3);
    const CExPartDataSymbol& s = *symbols.GetAt(0);
    EXPECT_EQ(s.sSymbolName, "SYM_A");
    EXPECT_EQ(s.bDefault, 1);
    EXPECT_EQ(s.sSymbolSwapGroup, "A");
    EXPECT_EQ(s.saPinNames, (Lines{"IN1", "OUT"}));
    EXPECT_EQ(symbols.GetAt(1)->bDefault, 0);
    ASSERT_EQ(notUsed.GetSize(), 1);
    EXPECT_EQ(notUsed.GetAt(0)->sKeyword, "...UNKNOWN");

    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName("A"), symbols.GetAt(0));  // the first of two
    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName("B"), symbols.GetAt(1));
    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName("a"), nullptr);
    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName(""), nullptr);
}

TEST(LibPart, DemoDatabaseLoadsThroughTheLoader)
{
    LoadedParts loaded(test::ExamplePath("demo/parts_database.txt"));
    ASSERT_NE(loaded.root.pLibPart, nullptr);
    CExLibPart& lib = loaded.Lib();
    EXPECT_EQ(lib.sUnits, "MM");
    EXPECT_EQ(lib.pIgnoreLog->GetSize(), 5);  // the five header lines
    EXPECT_EQ(lib.pNotUsedLog->GetSize(), 0);
    ASSERT_EQ(lib.pPartDataArray->GetSize(), 4);

    CExPartData* opamp = FindPart(lib, "OPAMP-DUAL-SOIC8");
    ASSERT_NE(opamp, nullptr);
    EXPECT_EQ(opamp->sRefPrefix, "U");
    EXPECT_EQ(opamp->bDefault, 1);
    ASSERT_EQ(opamp->pSlotArray->GetSize(), 3);
    const CExPartDataSlot& gateB = *opamp->pSlotArray->GetAt(1);
    EXPECT_EQ(gateB.sSlotSwapGroup, "AMP");
    EXPECT_EQ(gateB.nSlotId, 2);
    EXPECT_EQ(gateB.nSwapCode, 1);
    EXPECT_EQ(gateB.saPinNumbers, (Lines{"5", "6", "7"}));
    ASSERT_EQ(opamp->pSwapGrpArray->GetSize(), 1);
    EXPECT_EQ(opamp->pSwapGrpArray->GetAt(0)->saSwapIds, (Lines{"1", "2"}));
    const CExPartDataSymbol* power = opamp->pSymbolArray->GetSymbolDataOfSameSlotName("PWR");
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->sSymbolName, "OPAMP_PWR");
    EXPECT_EQ(power->bDefault, 0);
    EXPECT_EQ(power->saPinNames, (Lines{"V+", "V-"}));

    CExPartData* cap = FindPart(lib, "CAP-0603-100N");
    ASSERT_NE(cap, nullptr);
    EXPECT_EQ(cap->saAltCells, (Lines{"CAP_0603_HD", "CAP_0805"}));
}

TEST(LibPart, OddFilesNeitherCrashNorLoseTheRest)
{
    test::TempDir dir;
    std::string content = "no dot before the first record\n"
                          ".NUMBER \"A\"\n"
                          "..NAME\n"
                          "..DESC line one\n"
                          " continued\n"
                          "..SLOTS\n"
                          "...SLOT_SWAPGROUP\n"
                          "....SLOTID\n"
                          "....PINNUMBER \"\n"
                          "..PROP \"bad";
    content += std::string("\0\0", 2);
    content += "\"\n.NUMBER B\r\n..REFPREFIX R\r\n";
    LoadedParts loaded(dir.Write("odd.txt", content));
    CExLibPart& lib = loaded.Lib();
    // The dotless first line is a record of its own with an unknown keyword.
    ASSERT_EQ(lib.pNotUsedLog->GetSize(), 1);
    EXPECT_EQ(lib.pNotUsedLog->GetAt(0)->sKeyword, "no");
    ASSERT_EQ(lib.pPartDataArray->GetSize(), 2);
    const CExPartData& a = *lib.pPartDataArray->GetAt(0);
    EXPECT_EQ(a.sName, "..NAME");  // a line without a value gives its whole text
    EXPECT_EQ(a.sDesc, "line onecontinued");
    ASSERT_EQ(a.pSlotArray->GetSize(), 1);
    EXPECT_EQ(a.pSlotArray->GetAt(0)->nSlotId, 0);
    EXPECT_EQ(a.pSlotArray->GetAt(0)->saPinNumbers, (Lines{""}));
    ASSERT_EQ(a.saProps.size(), 1u);
    EXPECT_EQ(a.saProps[0], std::string("bad\0\0", 5));
    EXPECT_EQ(lib.pPartDataArray->GetAt(1)->sRefPrefix, "R");
}
