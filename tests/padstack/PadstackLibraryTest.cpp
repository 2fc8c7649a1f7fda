#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/ExExpedition.h"
#include "core/ExTemporary.h"
#include "loader/PC_Corvane_Get.h"
#include "padstack/ExCustom_Drill_Symbol.h"
#include "padstack/ExHole.h"
#include "padstack/ExPad.h"
#include "padstack/ExPadstack.h"
#include "padstack/ExPadstack_Library.h"
#include "shapes/ExCircle_Path.h"
#include "shapes/ExCircle_Shape.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExF4_web_round_thermal_45.h"
#include "shapes/ExOblong.h"
#include "shapes/ExPolyline_Shape.h"
#include "shapes/ExRectangle.h"
#include "shapes/ExRound.h"
#include "shapes/ExSlot.h"
#include "shapes/ExSquare.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

// Hands the lines to the dispatcher one level-1 record at a time.
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

double Diameter(const CExPadstack_Library& lib, int i)
{
    const auto* round = dynamic_cast<const CExRound*>(lib.pPadArray->GetAt(i)->pDrawObjArray->GetAt(0));
    return round ? round->dDiameter : -1.0;
}

TEST(PadstackLibrary, ScaleValues)
{
    struct Pair {
        const char* target;
        const char* file;
        double factor;
    };
    const Pair pairs[] = {
        {"MM", "IN", 25.4},
        {"IN", "MM", 0.03937007874015748},
        {"MM", "MM", 1.0},
        {"MIL", "IN", 1000.0},
        {"MM", "MIL", 0.0254},
        {"MM", "UM", 0.001},
        {"MIL", "MM", 39.37007874015748},
        {"IN", "UM", 3.937007874015748e-05},
        {"IN", "MIL", 0.001},
        // Conversions into micrometres are not made.
        {"UM", "MM", 1.0},
        {"UM", "IN", 1.0},
        // "TH" is a thousandth of an inch, the same as "MIL".
        {"MM", "TH", 0.0254},
        {"TH", "MIL", 1.0},
        {"MIL", "TH", 1.0},
        {"TH", "IN", 1000.0},
        {"IN", "TH", 0.001},
        {"TH", "MM", 39.37007874015748},
        {"TH", "UM", 0.03937007874015748},
        {"UM", "TH", 1.0},
        // Words are matched exactly.
        {"mm", "IN", 1.0},
        {"MM", "in", 1.0},
        {"MM", "\"IN\"", 1.0},
        {"MM", "MILS", 1.0},
        {"", "IN", 1.0},
    };
    for (const Pair& p : pairs)
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
    ASSERT_EQ(lib.pPadArray->GetSize(), 3);
    EXPECT_DOUBLE_EQ(Diameter(lib, 0), 2.0);   // before any ".UNITS"
    EXPECT_DOUBLE_EQ(Diameter(lib, 1), 50.8);  // inches into millimetres
    EXPECT_DOUBLE_EQ(Diameter(lib, 2), 2.0);   // the file's unit is the design's again
    EXPECT_DOUBLE_EQ(lib.pHoleArray->GetAt(0)->dPositiveTolerance, 25.4);
    const auto* circle =
        dynamic_cast<const CExCircle_Path*>(lib.pCustomDrillSymbolArray->GetAt(0)->pDrawObjArray->GetAt(0));
    ASSERT_NE(circle, nullptr);
    EXPECT_DOUBLE_EQ(circle->dRadius, 25.4);
    EXPECT_DOUBLE_EQ(lib.pPadstackArray->GetAt(0)->aOffsets[0].dX, 25.4);
    EXPECT_EQ(lib.sUnits, "MM");
    EXPECT_EQ(lib.dScale, 1.0);

    // The design's unit word is compared as given: lower case matches nothing.
    CExPadstack_Library lower;
    Feed(lower, {".UNITS IN"}, "mm");
    EXPECT_EQ(lower.sUnits, "IN");
    EXPECT_EQ(lower.dScale, 1.0);
}

TEST(PadstackLibrary, HeaderRecordsAndLogs)
{
    CExPadstack_Library lib;
    lib.sPadstackTechnology = "HDI";
    Feed(lib,
         {".FILETYPE PADSTACK_LIBRARY", ".VERSION \"2.0b\"", ".CREATOR x", ".DATE y", ".JOB z", ".SCHEMA_VERSION 3",
          ".OUTPUT_IN_DB_UNITS yes", ".PADSTACK_TECHNOLOGY \"HDI\"", "..TECHNOLOGY \"HDI\"", "...TOP_PAD T",
          ".UNHEARD_OF 1 2", "..CHILD 3", ".PADSTACK \"Q\"", "..TECHNOLOGY \"Other\"", "...TOP_PAD U"},
         "MM");
    EXPECT_EQ(lib.sVersion, "\"2.0B\"");
    EXPECT_EQ(lib.sOutputInDbUnits, "YES");
    EXPECT_EQ(lib.sUnits, "");
    // ".PADSTACK_TECHNOLOGY" begins with ".PADSTACK": a padstack named HDI.
    ASSERT_EQ(lib.pPadstackArray->GetSize(), 2);
    EXPECT_EQ(lib.pPadstackArray->GetAt(0)->sName, "HDI");
    EXPECT_EQ(lib.pPadstackArray->GetAt(0)->sTopPad, "T");
    EXPECT_EQ(lib.pPadArray->GetSize(), 0);

    EXPECT_EQ(lib.pIgnoreLog->GetSize(), 0);
    ASSERT_EQ(lib.pNotUsedLog->GetSize(), 2);
    const CExTemporary& unknown = *lib.pNotUsedLog->GetAt(0);
    EXPECT_EQ(unknown.sKeyword, ".UNHEARD_OF");
    EXPECT_EQ(unknown.sValue, "1 2");
    EXPECT_EQ(unknown.nLevel, 1);
    EXPECT_EQ(unknown.saLines, (Lines{"..CHILD 3"}));
    EXPECT_EQ(unknown.sContext, ".UNHEARD_OF 1 2");
    EXPECT_EQ(unknown.nFlag, 1);
    const CExTemporary& other = *lib.pNotUsedLog->GetAt(1);
    EXPECT_EQ(other.sKeyword, "..TECHNOLOGY");
    EXPECT_EQ(other.sContext, ".PADSTACK \"Q\"");
}

TEST(PadstackLibrary, FindsCustomDrillSymbolByName)
{
    CExPadstack_Library lib;
    Feed(lib,
         {".CUSTOM_DRILL_SYMBOL \"D1\"", "..CIRCLE_PATH", ".CUSTOM_DRILL_SYMBOL \"D2\"",
          ".CUSTOM_DRILL_SYMBOL \"D1\"", "..POLYLINE_PATH", "..CIRCLE_PATH"},
         "MM");
    ASSERT_EQ(lib.pCustomDrillSymbolArray->GetSize(), 3);
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("D1"), lib.pCustomDrillSymbolArray->GetAt(0));
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("D2"), lib.pCustomDrillSymbolArray->GetAt(1));
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("d1"), nullptr);
    EXPECT_EQ(lib.pGetCustom_Drill_Symbol("\"D1\""), nullptr);
}

// A library load of padstack files, with a job preferences file that gives
// the design's unit and padstack technology.
struct LibraryLoad {
    LibraryLoad(const Lines& jobPrefs, const std::vector<std::string>& padstackFiles)
    {
        const std::string job = dir.WriteLines("job.txt", jobPrefs);
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.vSetMExpeditionLibFilePath(job, {}, "", padstackFiles, "", "");
        EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    }
    test::TempDir dir;
    CExExpedition root;
};

TEST(PadstackLibraryLoad, TwoFilesIntoOneLibrary)
{
    test::TempDir files;
    const std::string first = files.WriteLines(
        "first.txt", {".FILETYPE PADSTACK_LIBRARY", ".UNITS IN", ".PAD \"P1\"", "..ROUND", "...DIAMETER 0.1",
                      ".PADSTACK \"PS1\"", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD \"P1\""});
    // Records before the second file's ".UNITS" keep the first file's factor.
    const std::string second = files.WriteLines(
        "second.txt", {".FILETYPE PADSTACK_LIBRARY", ".PAD \"P2\"", "..ROUND", "...DIAMETER 0.1", ".UNITS MM",
                       ".PAD \"P3\"", "..ROUND", "...DIAMETER 0.1", ".PADSTACK \"PS2\"", "..TECHNOLOGY \"Fab2\"",
                       "...TOP_PAD \"P3\""});
    LibraryLoad load({".UNITS MM", ".PADSTACK_TECHNOLOGY \"Fab2\""}, {first, second});
    const CExPadstack_Library* lib = load.root.pPadstackLibrary;
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->sPadstackTechnology, "Fab2");
    ASSERT_EQ(lib->pPadArray->GetSize(), 3);
    EXPECT_EQ(lib->pPadArray->GetAt(0)->sName, "P1");
    EXPECT_EQ(lib->pPadArray->GetAt(2)->sName, "P3");
    EXPECT_DOUBLE_EQ(Diameter(*lib, 0), 2.54);
    EXPECT_DOUBLE_EQ(Diameter(*lib, 1), 2.54);
    EXPECT_DOUBLE_EQ(Diameter(*lib, 2), 0.1);
    ASSERT_EQ(lib->pPadstackArray->GetSize(), 2);
    EXPECT_EQ(lib->pPadstackArray->GetAt(1)->sTopPad, "P3");
    EXPECT_EQ(lib->sUnits, "MM");
    EXPECT_EQ(lib->pNotUsedLog->GetSize(), 0);
}

// Every name a padstack or hole gives must be defined in the library.
void ExpectNamesResolve(const CExPadstack_Library& lib)
{
    std::set<std::string> pads, holes;
    for (const CExPad* p : *lib.pPadArray)
        pads.insert(p->sName);
    for (const CExHole* h : *lib.pHoleArray) {
        holes.insert(h->sName);
        if (!h->sCustomSymbol.empty()) {
            EXPECT_NE(lib.pGetCustom_Drill_Symbol(h->sCustomSymbol), nullptr) << h->sName;
        }
    }
    for (const CExPadstack* ps : *lib.pPadstackArray) {
        for (const std::string* name : {&ps->sTopPad, &ps->sTopSoldermaskPad, &ps->sTopSolderpastePad,
                                        &ps->sBottomPad, &ps->sBottomSoldermaskPad, &ps->sInternalPad,
                                        &ps->sThermalPad, &ps->sClearancePad})
            if (!name->empty()) {
                EXPECT_TRUE(pads.count(*name)) << ps->sName << ": " << *name;
            }
        if (!ps->sHoleName.empty()) {
            EXPECT_TRUE(holes.count(ps->sHoleName)) << ps->sName;
        }
    }
}

template <class T>
const T* Shape(const CExPadstack_Library& lib, const std::string& pad, int i = 0)
{
    for (const CExPad* p : *lib.pPadArray)
        if (p->sName == pad)
            return dynamic_cast<const T*>(p->pDrawObjArray->GetAt(i));
    return nullptr;
}

const CExPadstack* Padstack(const CExPadstack_Library& lib, const std::string& name)
{
    for (const CExPadstack* p : *lib.pPadstackArray)
        if (p->sName == name)
            return p;
    return nullptr;
}

TEST(PadstackLibraryLoad, DemoLibrary)
{
    // Read for the second technology of the file, every record is taken.
    LibraryLoad load({".UNITS MM", ".PADSTACK_TECHNOLOGY \"Fine_Pitch\""},
                     {test::ExamplePath("demo/padstack_library.txt")});
    const CExPadstack_Library* lib = load.root.pPadstackLibrary;
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->pNotUsedLog->GetSize(), 0);
    EXPECT_EQ(lib->pIgnoreLog->GetSize(), 0);
    EXPECT_EQ(lib->sUnits, "MM");
    EXPECT_EQ(lib->sVersion, "\"1.0\"");

    EXPECT_NE(Shape<CExRound>(*lib, "RND1.0"), nullptr);
    EXPECT_NE(Shape<CExSquare>(*lib, "SQ1.7"), nullptr);
    EXPECT_NE(Shape<CExRectangle>(*lib, "SMD0.9x1.0"), nullptr);
    EXPECT_NE(Shape<CExOblong>(*lib, "OBL1.55x0.6"), nullptr);
    ASSERT_NE(Shape<CExF4_web_round_thermal_45>(*lib, "THRM1.0"), nullptr);
    EXPECT_DOUBLE_EQ(Shape<CExF4_web_round_thermal_45>(*lib, "THRM1.0")->dTieLegWidth, 0.3);
    EXPECT_NE(Shape<CExCircle_Shape>(*lib, "TAB_CUSTOM", 0), nullptr);
    EXPECT_NE(Shape<CExPolyline_Shape>(*lib, "TAB_CUSTOM", 1), nullptr);

    bool bSlot = false;
    for (const CExHole* h : *lib->pHoleArray)
        bSlot = bSlot || dynamic_cast<const CExSlot*>(h->pDrawObj) != nullptr;
    EXPECT_TRUE(bSlot);
    ASSERT_EQ(lib->pCustomDrillSymbolArray->GetSize(), 1);
    EXPECT_EQ(lib->pCustomDrillSymbolArray->GetAt(0)->pDrawObjArray->GetSize(), 2);

    for (const char* name : {"VIA06", "SMD0603", "SMD_SOIC", "TH_1.0", "TH_1.0SQ"})
        EXPECT_NE(Padstack(*lib, name), nullptr) << name;
    EXPECT_EQ(Padstack(*lib, "VIA06")->sPadstackType, "VIA");
    EXPECT_EQ(Padstack(*lib, "TH_1.0SQ")->sTopPad, "SQ1.7");
    // The technology block overrides the "(Default)" one.
    EXPECT_EQ(Padstack(*lib, "SMD_SOIC")->sTopSolderpastePad, "OBL1.45x0.5");
    ExpectNamesResolve(*lib);
}

TEST(PadstackLibraryLoad, DemoDesignReadsOnlyDefaultBlocks)
{
    LibraryLoad load({".UNITS MM", ".PADSTACK_TECHNOLOGY \"(Default)\""},
                     {test::ExamplePath("demo/padstack_library.txt")});
    const CExPadstack_Library* lib = load.root.pPadstackLibrary;
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(Padstack(*lib, "SMD_SOIC")->sTopSolderpastePad, "OBL1.55x0.6");
    ASSERT_EQ(lib->pNotUsedLog->GetSize(), 1);
    EXPECT_EQ(lib->pNotUsedLog->GetAt(0)->sValue, "\"Fine_Pitch\"");
}

} // namespace
