#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Fields.h"
#include "support/Records.h"

using test::Lines;

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
    // The later line wins; keywords in any case, values as written.
    EXPECT_EQ(test::Items(*lib.pPartDataArray),
              "CExPartData{sNumber=74HC00 sName=QUAD_NAND bDefault=1 sDesc=second one sRefPrefix=U sLabel=Quad nand "
              "sTopCell=SO14_TOP sBottomCell=SO14B saAltCells=[SO14|DIP14] sModified=2024-01-02 "
              "saProps=[Value 74HC00|Vendor]}");
    // The unknown sub-record is logged whole, with the part line as context.
    EXPECT_EQ(test::Entries(*lib.pNotUsedLog), Lines{"..FOO|1 2|2|.NUMBER \"74HC00\"|1|...BAR x"});
    EXPECT_TRUE(lib.pIgnoreLog->IsEmpty());
}

TEST(LibPart, DefaultScanBelongsOnlyToNameAndLabel)
{
    CExPartDataArray parts;
    test::Logs logs;
    // A sub-record is always logged with flag 1, whatever the record's flag;
    // a deep line before any two-dot line forms a sub-record of its own.
    for (Lines record : {Lines{".NUMBER A", "..DESC d", "...DEFAULT", "..TOPCELL t", "...DEFAULT"},
                         Lines{".NUMBER B", "..LABEL l", "...OTHER", "...default"},
                         Lines{".NUMBER C", "...DEFAULT", "..NAME n"}})
        parts.SetPartData(record, "ctx" + record[0].substr(8), 7, &logs.ignore, &logs.notUsed);
    EXPECT_EQ(test::Items(parts), "CExPartData{sNumber=A sDesc=d sTopCell=t} "
                                  "CExPartData{sNumber=B bDefault=1 sLabel=l} CExPartData{sNumber=C sName=n}");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"...DEFAULT||3|ctxC|1"});
}

TEST(LibPart, DispatcherSortsHeadersUnitsPartsAndUnknownRecords)
{
    CExLibPart lib;
    for (Lines r : {Lines{}, Lines{".FILETYPE PARTS_DATABASE"}, Lines{".VERSION 1", "..X"}, Lines{".units \"mm\""},
                    Lines{".FOO bar", "..BAZ"}, Lines{".NUMBER"}, Lines{".NUMBER  \"P 2\" "}}) {
        lib.SetData(r);
        EXPECT_TRUE(r.empty());
    }
    EXPECT_EQ(lib.sUnits, "\"MM\"");  // upper case, quotes kept
    EXPECT_EQ(test::Entries(*lib.pIgnoreLog),
              (Lines{".FILETYPE|PARTS_DATABASE|1|.FILETYPE PARTS_DATABASE|1", ".VERSION|1|1|.VERSION 1|1|..X"}));
    EXPECT_EQ(test::Entries(*lib.pNotUsedLog), Lines{".FOO|bar|1|.FOO bar|1|..BAZ"});
    // A part line alone still makes a part; a line without a value names it by itself.
    EXPECT_EQ(test::Items(*lib.pPartDataArray), "CExPartData{sNumber=.NUMBER} CExPartData{sNumber=P 2}");
}

TEST(PartDataSlot, GroupsOfOneSubRecordMergeIntoOneSlot)
{
    CExPartDataSlotArray slots;
    test::Logs logs;
    auto read = [&](Lines sub) {
        slots.SetSlotData_InPart(sub, "ctx", 3, &logs.ignore, &logs.notUsed);
        EXPECT_TRUE(sub.empty());
    };
    // "....FOO" inside a slot group is dropped.
    read({"..SLOTS", "...SLOT_SWAPGROUP A", "....SLOTID 1", "....SWAPCODE 2", "....PINNUMBER 1",
          "....PINNUMBER \"2\"", "....FOO quiet"});
    EXPECT_TRUE(logs.notUsed.IsEmpty());
    // Later groups overwrite the single values and add pins; a continuation
    // line is joined without a blank; a huge number clamps instead of
    // wrapping; an unknown group is logged.
    read({"..SLOTS", "...SLOT_SWAPGROUP A", "....SLOTID 4", "....PINNUMBER 1", "...FOO x", "....BAR",
          "...SLOT_SWAPGROUP B", "....PINNUMBER 1", "0", ".LEVEL1 dropped", "....SWAPCODE 99999999999"});
    // Without its id and code lines a slot holds 0 for both; an empty
    // sub-record adds nothing, a lone "..SLOTS" line an empty slot.
    read({"..SLOTS", "...SLOT_SWAPGROUP P", "....PINNUMBER 8"});
    read({});
    read({"..SLOTS"});
    EXPECT_EQ(test::Items(slots), "CExPartDataSlot{sSlotSwapGroup=A nSlotId=1 nSwapCode=2 saPinNumbers=[1|2]} "
                                  "CExPartDataSlot{sSlotSwapGroup=B nSlotId=4 nSwapCode=2147483647 "
                                  "saPinNumbers=[1|10]} CExPartDataSlot{sSlotSwapGroup=P saPinNumbers=[8]} "
                                  "CExPartDataSlot{}");
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"...FOO|x|3|ctx|3|....BAR"});
}

TEST(PartDataSwapGrpAndSymbol, IdsPinNamesAndLookupBySlotName)
{
    test::Logs logs;
    CExPartDataSwapGrpArray groups;
    Lines sub = {"..SWAPGROUP \"G1\"", "...SWAPID S1", "....EXTRA", "...swapid \"S2\"", "...SWAPIDPROPERTIES X",
                 "...OTHER y"};
    groups.SetSwapGrpData_InPart(sub, "ctx", 2, &logs.ignore, &logs.notUsed);
    EXPECT_TRUE(sub.empty());
    EXPECT_EQ(test::Items(groups), "CExPartDataSwapGrp{sSwapGroup=G1 saSwapIds=[S1|S2]}");

    CExPartDataSymbolArray symbols;
    for (Lines s : {Lines{"..SYMBOL SYM_A", "...DEFAULT", "...SYMBOL_SWAPGROUP A", "....PINNAME IN1", "....OTHER z",
                          "....PINNAME \"OUT\"", "...UNKNOWN"},
                    Lines{"..SYMBOL SYM_B", "...SYMBOL_SWAPGROUP B"}, Lines{"..SYMBOL SYM_A2", "...SYMBOL_SWAPGROUP A"}})
        symbols.SetSymbolData_InPart(s, "ctx", 1, &logs.ignore, &logs.notUsed);
    EXPECT_EQ(test::Items(symbols),
              "CExPartDataSymbol{sSymbolName=SYM_A bDefault=1 sSymbolSwapGroup=A saPinNames=[IN1|OUT]} "
              "CExPartDataSymbol{sSymbolName=SYM_B sSymbolSwapGroup=B} "
              "CExPartDataSymbol{sSymbolName=SYM_A2 sSymbolSwapGroup=A}");
    EXPECT_EQ(test::Keywords(logs.notUsed), (Lines{"...OTHER", "...UNKNOWN"}));
    EXPECT_TRUE(logs.ignore.IsEmpty());

    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName("A"), symbols.GetAt(0));  // the first of two
    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName("B"), symbols.GetAt(1));
    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName("a"), nullptr);
    EXPECT_EQ(symbols.GetSymbolDataOfSameSlotName(""), nullptr);
}

TEST(LibPart, OddFilesNeitherCrashNorLoseTheRest)
{
    test::TempDir dir;
    std::string content = "no dot before the first record\n.NUMBER \"A\"\n..NAME\n..DESC line one\n continued\n"
                          "..SLOTS\n...SLOT_SWAPGROUP\n....SLOTID\n....PINNUMBER \"\n..PROP \"bad";
    content += std::string("\0\0", 2);
    content += "\"\n.NUMBER B\r\n..REFPREFIX R\r\n";
    CExExpedition root;
    ASSERT_EQ(test::LoadLibrary(root, "", {}, {}, "", dir.Write("odd.txt", content)), 1);
    ASSERT_NE(root.pLibPart, nullptr);
    // The dotless first line is a record of its own with an unknown keyword;
    // a line without a value gives its whole text.
    EXPECT_EQ(test::Keywords(*root.pLibPart->pNotUsedLog), Lines{"no"});
    EXPECT_EQ(test::Items(*root.pLibPart->pPartDataArray),
              "CExPartData{sNumber=A sName=..NAME sDesc=line onecontinued saProps=[bad" + std::string("\0\0", 2) +
                  "] pSlotArray=[CExPartDataSlot{sSlotSwapGroup=...SLOT_SWAPGROUP saPinNumbers=[]}]} "
                  "CExPartData{sNumber=B sRefPrefix=R}");
}
