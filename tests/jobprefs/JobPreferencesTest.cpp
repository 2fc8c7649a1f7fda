#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

// Feeds the records one after another, as the file worker does.
void Feed(CExJobPreferences& prefs, std::vector<Lines> records)
{
    for (Lines& r : records) {
        prefs.SetData(r);
        EXPECT_TRUE(r.empty());
    }
}

} // namespace

TEST(JobPreferences, HeaderValues)
{
    using J = CExJobPreferences;
    const test::Row<J> rows[] = {
        {{".UNITS THOU", ".UNITS mm"}, &J::sUnits, "MM"},  // the last one wins, upper-cased
        {{"  .physical_layers 6  "}, &J::nPhysicalLayers, 6},
        {{".DESIGN_UNITS \"th\""}, &J::sDesignUnits, "\"TH\""},  // quotes stay in top-level values
        {{".UNITS"}, &J::sUnits, ".UNITS"},  // no blank: the whole line is the value
        {{".PHYSICAL_LAYERS 8", ".PHYSICAL_LAYERS abc"}, &J::nPhysicalLayers, 0},
        {{".PHYSICAL_LAYERS 1e999"}, &J::nPhysicalLayers, 1},
        {{".PHYSICAL_LAYERS 99999999999"}, &J::nPhysicalLayers, 2147483647},
    };
    // Each row's lines are records of a fresh file.
    std::vector<std::unique_ptr<J>> files;
    test::ExpectRows(".UNITS \"x\"", rows, [&](const Lines& lines) {
        files.push_back(std::make_unique<J>());
        std::vector<Lines> records;
        for (const std::string& line : lines)
            records.push_back({line});
        Feed(*files.back(), records);
        EXPECT_TRUE(files.back()->pNotUsedLog->IsEmpty() && files.back()->pIgnoreLog->IsEmpty());
        return files.back().get();
    });
}

TEST(JobPreferences, SkippedAndUnknownRecords)
{
    CExJobPreferences prefs;
    Feed(prefs, {{},
                 {".JOBNAME x", "..A 1"},
                 {".PADSTACK_TECHNOLOGY \"(Default)\""},
                 {".test_point_placement_grid 1"},
                 {".GRIDS_SECTION", "..ROUTE_GRID 0.1", "...X"},
                 {"  .Something_New  1 2 ", "..DEEPER a", "...DEEPEST b"},
                 {"no dot line"}});
    // The context is the first line, trimmed, in the case of the file.
    EXPECT_EQ(test::Entries(*prefs.pNotUsedLog),
              (Lines{".Something_New|1 2|1|.Something_New  1 2|1|..DEEPER a|...DEEPEST b",
                     "no|dot line|1|no dot line|1"}));
    EXPECT_EQ(test::Counts(prefs), "pNotUsedLog=2");
    EXPECT_TRUE(prefs.sUnits.empty());
}

TEST(LayerStackup, LayerFields)
{
    CExJobPreferences prefs;
    Feed(prefs, {{".LAYER_STACKUP_SECTION", "..PLANE_LAYER 2", "...LAYER_NAME \"Ground Plane\"",
                  "...PLANE_TYPE POSITIVE", "...PLANE_NET GND", "....PLANE_NET_CLEARANCE 0.3", "...PLANE_NET \"VCC\"",
                  "...LAYER_THICKNESS 4.5mil", "...CONDUCTIVE_LAYER_NUMBER 2", "...LAYER_PAIR 1", "...LAYER_PAIR 3",
                  "...LAYER_PAIR 4", "...LAYER_TECHNOLOGY Std", "...LAYER_DESCRIPTION first",
                  "...LAYER_DESCRIPTION second", "...LAYER_ENABLED YES", "..DIELECTRIC_LAYER",
                  "...DIELECTRIC_CONSTANT 4.2", "...LAYER_THICKNESS abc", "..signal_layer 1", "  ...layer_name x  ",
                  "...LAYER_NAME Top", "...NEW_THING 1", "....DEEP 2"}});
    // A plane layer is a signal layer; the thickness is read as written,
    // unscaled; a third pair line overwrites the to layer. Level-2 keywords
    // are matched in any case, level-3 ones only as written.
    EXPECT_EQ(test::Items(*prefs.pLayerStackupArray),
              "CExLayer_Stackup{saPlaneNets=[GND|VCC] sPlaneType=POSITIVE nLayerNumber=2 "
              "pLayerPair=CExLayerPair{sFromLayer=1 sToLayer=4} nConductiveLayerNumber=2 dLayerThickness=4.5 "
              "sLayerTechnology=Std sLayerDescription=second sLayerName=Ground Plane sLayerType=SIGNAL_LAYER} "
              "CExLayer_Stackup{pLayerPair=CExLayerPair{} dDielectricConstant=4.2 sLayerType=DIELECTRIC_LAYER} "
              "CExLayer_Stackup{nLayerNumber=1 pLayerPair=CExLayerPair{} sLayerName=Top sLayerType=SIGNAL_LAYER}");
    // The lines a layer did not take make one entry; skipped keywords none.
    EXPECT_EQ(test::Entries(*prefs.pNotUsedLog),
              Lines{"...layer_name|x|3|.LAYER_STACKUP_SECTION|1|...NEW_THING 1|....DEEP 2"});
    EXPECT_TRUE(prefs.pIgnoreLog->IsEmpty());
}

TEST(LayerStackup, Grouping)
{
    CExJobPreferences prefs;
    Feed(prefs, {{".LAYER_STACKUP_SECTION"}, {".LAYER_STACKUP_SECTION", "", "   "}});
    EXPECT_EQ(test::Fields(prefs), "");

    // Sections accumulate; a layer without deeper lines keeps its defaults;
    // a continuation is joined without separator.
    Feed(prefs, {{".LAYER_STACKUP_SECTION", "...LAYER_NAME orphan", "....X 1", "..RESYNTHESIZE_EP YES",
                  "...LAYER_NAME dropped", "..SIGNAL_LAYER 1", "...LAYER_NAME Top", ".STRAY single dot line",
                  "...PLANE_NET GN", "D", "..MYSTERY_LAYER 9", "...LAYER_NAME m"},
                 {".LAYER_STACKUP_SECTION", "..SIGNAL_LAYER 2"}});
    EXPECT_EQ(test::Items(*prefs.pLayerStackupArray),
              "CExLayer_Stackup{saPlaneNets=[GND] nLayerNumber=1 pLayerPair=CExLayerPair{} sLayerName=Top "
              "sLayerType=SIGNAL_LAYER} "
              "CExLayer_Stackup{nLayerNumber=2 pLayerPair=CExLayerPair{} sLayerType=SIGNAL_LAYER}");
    // The leading level-3 lines form a group of their own; an unknown level-2
    // line is logged with its group.
    EXPECT_EQ(test::Entries(*prefs.pNotUsedLog),
              (Lines{"...LAYER_NAME|orphan|3|.LAYER_STACKUP_SECTION|1|....X 1",
                     "..MYSTERY_LAYER|9|2|.LAYER_STACKUP_SECTION|1|...LAYER_NAME m"}));

    // Direct calls without logs.
    CExLayer_StackupArray layers;
    Lines group = {"  ..DIELECTRIC_LAYER 7 ", "  ...LAYER_THICKNESS 1e999", "...UNKNOWN"};
    layers.SetLayerStackData(group, nullptr, nullptr);
    Lines record = {".LAYER_STACKUP_SECTION", "..OTHER", "..SIGNAL_LAYER 1"};
    layers.SetData(record, nullptr, nullptr);
    EXPECT_TRUE(group.empty() && record.empty());
    EXPECT_EQ(test::Items(layers), "CExLayer_Stackup{nLayerNumber=7 pLayerPair=CExLayerPair{} dLayerThickness=inf "
                                   "sLayerType=DIELECTRIC_LAYER} CExLayer_Stackup{nLayerNumber=1 "
                                   "pLayerPair=CExLayerPair{} sLayerType=SIGNAL_LAYER}");
}

TEST(ViaSpans, Spans)
{
    CExJobPreferences prefs;
    Feed(prefs, {{".VIA_SPANS_SECTION"},
                 {".VIA_SPANS_SECTION", "..enable_general_clearances yes", "...FROM_LAYER 9",
                  "..PADSTACK_NAME \"VIA 0.3\"", "...FROM_LAYER 1", "....TO_LAYER \"4\"", "...FOO 1.5",
                  "  ...from_layer 2  ", "...TO_LAYER 3", "..NEW_SETTING on", "...X 1", "..PADSTACK_NAME \"VIA 0.3\"",
                  "...FROM_LAYER 1", "...FROM_LAYER 2"}});
    // Duplicates kept; every dot goes from a span line, values' dots
    // included; keywords are case-sensitive; the later line wins.
    EXPECT_EQ(test::Items(*prefs.pViaArray),
              "CExJobPreferenceVia{pLayerPair=CExLayerPair{sFromLayer=1 sToLayer=4} "
              "saSpanLines=[FOO 15|from_layer 2|TO_LAYER 3] sPadstackName=VIA 0.3} "
              "CExJobPreferenceVia{pLayerPair=CExLayerPair{sFromLayer=2} sPadstackName=VIA 0.3}");
    EXPECT_EQ(test::Entries(*prefs.pNotUsedLog), Lines{"..NEW_SETTING|on|2|.VIA_SPANS_SECTION|1|...X 1"});
    EXPECT_TRUE(prefs.pIgnoreLog->IsEmpty());
}

TEST(JobPreferences, DesignLoadJoinsContinuationLines)
{
    test::TempDir dir;
    CExExpedition root;
    ASSERT_EQ(test::LoadDesign(
                  root, {dir.WriteLines("job.txt", {".FILETYPE JOB_PREFERENCES_FILE", ".UNITS th", ".PHYSICAL_LAYERS 2",
                                                    ".LAYER_STACKUP_SECTION", "  ..SIGNAL_LAYER 1",
                                                    "    ...LAYER_NAME \"Top", "Side\"", "    ...LAYER_THICKNESS 1.4",
                                                    ".UNHEARD_OF"}),
                         dir.WriteLines("cells.txt", {".FILETYPE CELL_LIBRARY"}),
                         dir.WriteLines("layout.txt", {".FILETYPE LAYOUT"}),
                         dir.WriteLines("padstacks.txt", {".FILETYPE PADSTACK_LIBRARY"}), "", ""}),
              1);
    ASSERT_NE(root.pJobPreferences, nullptr);
    EXPECT_EQ(test::Items(*root.pJobPreferences->pLayerStackupArray),
              "CExLayer_Stackup{nLayerNumber=1 pLayerPair=CExLayerPair{} dLayerThickness=1.4 sLayerName=TopSide "
              "sLayerType=SIGNAL_LAYER}");
    EXPECT_EQ(root.pJobPreferences->sUnits, "TH");
    EXPECT_EQ(root.pJobPreferences->nPhysicalLayers, 2);
    EXPECT_EQ(test::Keywords(*root.pJobPreferences->pNotUsedLog), Lines{".UNHEARD_OF"});
}
