#include <gtest/gtest.h>

#include "core/ExExpedition.h"
#include "core/ExTemporary.h"
#include "jobprefs/ExJobPreferenceVia.h"
#include "jobprefs/ExJobPreferences.h"
#include "jobprefs/ExLayerPair.h"
#include "jobprefs/ExLayer_Stackup.h"
#include "loader/PC_Corvane_Get.h"
#include "support/TestSupport.h"

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

// A log entry as the host reads it; every entry of this file carries flag 1.
void ExpectEntry(const CExTemporary* entry, const std::string& keyword, const std::string& value, int level,
                 const std::string& context, const Lines& lines)
{
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->sKeyword, keyword);
    EXPECT_EQ(entry->sValue, value);
    EXPECT_EQ(entry->nLevel, level);
    EXPECT_EQ(entry->sContext, context);
    EXPECT_EQ(entry->nFlag, 1);
    EXPECT_EQ(entry->saLines, lines);
}

TEST(JobPreferences, HeaderValues)
{
    CExJobPreferences prefs;
    EXPECT_EQ(prefs.nPhysicalLayers, 0);

    Feed(prefs, {{".UNITS THOU"}, {"  .physical_layers 6  "}, {".UNITS mm", "..IGNORED 1"}, {".DESIGN_UNITS \"th\""}});
    EXPECT_EQ(prefs.sUnits, "MM");              // the last one wins, upper-cased
    EXPECT_EQ(prefs.nPhysicalLayers, 6);        // lower-case keyword matched
    EXPECT_EQ(prefs.sDesignUnits, "\"TH\"");    // quotes stay in top-level values

    Feed(prefs, {{".UNITS"}, {".PHYSICAL_LAYERS"}});
    EXPECT_EQ(prefs.sUnits, ".UNITS");          // no blank: the whole line is the value
    EXPECT_EQ(prefs.nPhysicalLayers, 0);

    Feed(prefs, {{".PHYSICAL_LAYERS 8"}, {".PHYSICAL_LAYERS abc"}});
    EXPECT_EQ(prefs.nPhysicalLayers, 0);

    Feed(prefs, {{".PHYSICAL_LAYERS 1e999"}});  // clamps, no crash
    EXPECT_GT(prefs.nPhysicalLayers, 0);

    EXPECT_EQ(prefs.pNotUsedLog->GetSize(), 0);
    EXPECT_EQ(prefs.pIgnoreLog->GetSize(), 0);
}

TEST(JobPreferences, SkippedAndUnknownRecords)
{
    CExJobPreferences prefs;
    Lines empty;
    prefs.SetData(empty);

    Feed(prefs, {{".JOBNAME x", "..A 1"},
                 {".PADSTACK_TECHNOLOGY \"(Default)\""},
                 {".test_point_placement_grid 1"},
                 {".GRIDS_SECTION", "..ROUTE_GRID 0.1", "...X"}});
    EXPECT_EQ(prefs.pNotUsedLog->GetSize(), 0);

    Feed(prefs, {{"  .Something_New  1 2 ", "..DEEPER a", "...DEEPEST b"}, {"no dot line"}});
    EXPECT_EQ(prefs.pIgnoreLog->GetSize(), 0);
    ASSERT_EQ(prefs.pNotUsedLog->GetSize(), 2);
    // The context is the first line, trimmed, in the case of the file.
    ExpectEntry(prefs.pNotUsedLog->GetAt(0), ".Something_New", "1 2", 1, ".Something_New  1 2",
                {"..DEEPER a", "...DEEPEST b"});
    EXPECT_EQ(prefs.pNotUsedLog->GetAt(1)->sContext, "no dot line");

    EXPECT_TRUE(prefs.sUnits.empty());
    EXPECT_EQ(prefs.pLayerStackupArray->GetSize(), 0);
    EXPECT_EQ(prefs.pViaArray->GetSize(), 0);
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

    ASSERT_EQ(prefs.pLayerStackupArray->GetSize(), 3);
    const CExLayer_Stackup* plane = prefs.pLayerStackupArray->GetAt(0);
    EXPECT_EQ(plane->sLayerType, "SIGNAL_LAYER");
    EXPECT_EQ(plane->nLayerNumber, 2);
    EXPECT_EQ(plane->sLayerName, "Ground Plane");
    EXPECT_EQ(plane->sPlaneType, "POSITIVE");
    EXPECT_EQ(plane->saPlaneNets, (Lines{"GND", "VCC"}));
    EXPECT_DOUBLE_EQ(plane->dLayerThickness, 4.5);  // as written, unscaled
    EXPECT_EQ(plane->nConductiveLayerNumber, 2);
    EXPECT_EQ(plane->pLayerPair->sFromLayer, "1");
    EXPECT_EQ(plane->pLayerPair->sToLayer, "4");    // a third pair line overwrites the to layer
    EXPECT_EQ(plane->sLayerTechnology, "Std");
    EXPECT_EQ(plane->sLayerDescription, "second");

    const CExLayer_Stackup* dielectric = prefs.pLayerStackupArray->GetAt(1);
    EXPECT_EQ(dielectric->sLayerType, "DIELECTRIC_LAYER");
    EXPECT_EQ(dielectric->nLayerNumber, 0);
    EXPECT_DOUBLE_EQ(dielectric->dDielectricConstant, 4.2);
    EXPECT_DOUBLE_EQ(dielectric->dLayerThickness, 0.0);
    EXPECT_TRUE(dielectric->saPlaneNets.empty());

    // Level-2 keywords are matched in any case, level-3 ones only as written.
    const CExLayer_Stackup* signal = prefs.pLayerStackupArray->GetAt(2);
    EXPECT_EQ(signal->sLayerType, "SIGNAL_LAYER");
    EXPECT_EQ(signal->nLayerNumber, 1);
    EXPECT_EQ(signal->sLayerName, "Top");

    // The lines a layer did not take make one entry; skipped keywords none.
    EXPECT_EQ(prefs.pIgnoreLog->GetSize(), 0);
    ASSERT_EQ(prefs.pNotUsedLog->GetSize(), 1);
    ExpectEntry(prefs.pNotUsedLog->GetAt(0), "...layer_name", "x", 3, ".LAYER_STACKUP_SECTION",
                {"...NEW_THING 1", "....DEEP 2"});
}

TEST(LayerStackup, Grouping)
{
    CExJobPreferences prefs;
    Feed(prefs, {{".LAYER_STACKUP_SECTION"}, {".LAYER_STACKUP_SECTION", "", "   "}});
    EXPECT_EQ(prefs.pLayerStackupArray->GetSize(), 0);
    EXPECT_EQ(prefs.pNotUsedLog->GetSize(), 0);

    Feed(prefs, {{".LAYER_STACKUP_SECTION", "...LAYER_NAME orphan", "....X 1", "..RESYNTHESIZE_EP YES",
                  "...LAYER_NAME dropped", "..SIGNAL_LAYER 1", "...LAYER_NAME Top", ".STRAY single dot line",
                  "...PLANE_NET GN", "D", "..MYSTERY_LAYER 9", "...LAYER_NAME m"},
                 {".LAYER_STACKUP_SECTION", "..SIGNAL_LAYER 2"}});

    // Sections accumulate; a layer without deeper lines keeps its defaults.
    ASSERT_EQ(prefs.pLayerStackupArray->GetSize(), 2);
    const CExLayer_Stackup* top = prefs.pLayerStackupArray->GetAt(0);
    EXPECT_EQ(top->sLayerName, "Top");
    EXPECT_EQ(top->saPlaneNets, (Lines{"GND"}));  // continuation joined without separator
    const CExLayer_Stackup* second = prefs.pLayerStackupArray->GetAt(1);
    EXPECT_EQ(second->nLayerNumber, 2);
    EXPECT_TRUE(second->sLayerName.empty());
    EXPECT_TRUE(second->pLayerPair->sFromLayer.empty());

    // The leading level-3 lines form a group of their own; an unknown level-2
    // line is logged with its group.
    ASSERT_EQ(prefs.pNotUsedLog->GetSize(), 2);
    ExpectEntry(prefs.pNotUsedLog->GetAt(0), "...LAYER_NAME", "orphan", 3, ".LAYER_STACKUP_SECTION", {"....X 1"});
    ExpectEntry(prefs.pNotUsedLog->GetAt(1), "..MYSTERY_LAYER", "9", 2, ".LAYER_STACKUP_SECTION", {"...LAYER_NAME m"});
}

TEST(LayerStackup, DirectCallsWithoutLogs)
{
    CExLayer_StackupArray layers;
    Lines group;
    layers.SetLayerStackData(group, nullptr, nullptr);
    EXPECT_EQ(layers.GetSize(), 0);

    group = {"  ..DIELECTRIC_LAYER 7 ", "  ...LAYER_THICKNESS 1e999", "...UNKNOWN"};
    layers.SetLayerStackData(group, nullptr, nullptr);
    EXPECT_TRUE(group.empty());
    ASSERT_EQ(layers.GetSize(), 1);
    EXPECT_EQ(layers.GetAt(0)->nLayerNumber, 7);

    Lines record = {".LAYER_STACKUP_SECTION", "..OTHER", "..SIGNAL_LAYER 1"};
    layers.SetData(record, nullptr, nullptr);
    EXPECT_TRUE(record.empty());
    EXPECT_EQ(layers.GetSize(), 2);
}

TEST(ViaSpans, Spans)
{
    CExJobPreferences prefs;
    Feed(prefs, {{".VIA_SPANS_SECTION"}});
    EXPECT_EQ(prefs.pViaArray->GetSize(), 0);

    Feed(prefs, {{".VIA_SPANS_SECTION", "..enable_general_clearances yes", "...FROM_LAYER 9",
                  "..PADSTACK_NAME \"VIA 0.3\"", "...FROM_LAYER 1", "....TO_LAYER \"4\"", "...FOO 1.5",
                  "  ...from_layer 2  ", "...TO_LAYER 3", "..NEW_SETTING on", "...X 1", "..PADSTACK_NAME \"VIA 0.3\"",
                  "...FROM_LAYER 1", "...FROM_LAYER 2"}});

    ASSERT_EQ(prefs.pViaArray->GetSize(), 2);  // duplicates kept
    const CExJobPreferenceVia* via = prefs.pViaArray->GetAt(0);
    EXPECT_EQ(via->sPadstackName, "VIA 0.3");
    EXPECT_EQ(via->pLayerPair->sFromLayer, "1");
    EXPECT_EQ(via->pLayerPair->sToLayer, "4");
    // Every dot goes, values' dots included; case-sensitive keywords.
    EXPECT_EQ(via->saSpanLines, (Lines{"FOO 15", "from_layer 2", "TO_LAYER 3"}));

    const CExJobPreferenceVia* again = prefs.pViaArray->GetAt(1);
    EXPECT_EQ(again->sPadstackName, "VIA 0.3");
    EXPECT_EQ(again->pLayerPair->sFromLayer, "2");  // the later line wins
    EXPECT_TRUE(again->pLayerPair->sToLayer.empty());
    EXPECT_TRUE(again->saSpanLines.empty());

    EXPECT_EQ(prefs.pIgnoreLog->GetSize(), 0);
    ASSERT_EQ(prefs.pNotUsedLog->GetSize(), 1);
    ExpectEntry(prefs.pNotUsedLog->GetAt(0), "..NEW_SETTING", "on", 2, ".VIA_SPANS_SECTION", {"...X 1"});
}

// Loads a design whose other required files hold nothing of interest and
// returns the root's job preferences.
struct DesignLoad {
    explicit DesignLoad(const std::string& sJobPrefPath)
    {
        const std::string cells = dir.WriteLines("cells.txt", {".FILETYPE CELL_LIBRARY", ".UNITS MM"});
        const std::string layout = dir.WriteLines("layout.txt", {".FILETYPE LAYOUT", ".UNITS MM"});
        const std::string padstacks = dir.WriteLines("padstacks.txt", {".FILETYPE PADSTACK_LIBRARY", ".UNITS MM"});
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.vSetMExpeditionFilePath(sJobPrefPath, cells, layout, padstacks, "", "");
        nResult = loader.ParseExpeditionOfMFC();
    }
    test::TempDir dir;
    CExExpedition root;
    int nResult = 0;
};

TEST(JobPreferencesLoad, DesignRootHoldsTheFile)
{
    test::TempDir files;
    const std::string path = files.WriteLines(
        "job.txt", {".FILETYPE JOB_PREFERENCES_FILE", ".UNITS th", ".PHYSICAL_LAYERS 2", ".LAYER_STACKUP_SECTION",
                    "  ..SIGNAL_LAYER 1", "    ...LAYER_NAME \"Top", "Side\"", "    ...LAYER_THICKNESS 1.4",
                    "  ..DIELECTRIC_LAYER", "    ...DIELECTRIC_CONSTANT 4.6", "  ..PLANE_LAYER 2",
                    "    ...PLANE_NET GND", ".VIA_SPANS_SECTION", "  ..PADSTACK_NAME v", "    ...FROM_LAYER 1",
                    "      ....TO_LAYER 2", ".UNHEARD_OF"});
    DesignLoad load(path);
    ASSERT_EQ(load.nResult, 1);
    const CExJobPreferences* prefs = load.root.pJobPreferences;
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(prefs->sUnits, "TH");
    EXPECT_EQ(prefs->nPhysicalLayers, 2);
    ASSERT_EQ(prefs->pLayerStackupArray->GetSize(), 3);
    // The reader joins the continuation line onto the keyword line.
    EXPECT_EQ(prefs->pLayerStackupArray->GetAt(0)->sLayerName, "TopSide");
    EXPECT_DOUBLE_EQ(prefs->pLayerStackupArray->GetAt(0)->dLayerThickness, 1.4);
    EXPECT_DOUBLE_EQ(prefs->pLayerStackupArray->GetAt(1)->dDielectricConstant, 4.6);
    EXPECT_EQ(prefs->pLayerStackupArray->GetAt(2)->saPlaneNets, (Lines{"GND"}));
    ASSERT_EQ(prefs->pViaArray->GetSize(), 1);
    EXPECT_EQ(prefs->pViaArray->GetAt(0)->pLayerPair->sToLayer, "2");
    ASSERT_EQ(prefs->pNotUsedLog->GetSize(), 1);
    EXPECT_EQ(prefs->pNotUsedLog->GetAt(0)->sKeyword, ".UNHEARD_OF");
}

TEST(JobPreferencesLoad, DemoDesign)
{
    DesignLoad load(test::ExamplePath("demo/job_preferences.txt"));
    ASSERT_EQ(load.nResult, 1);
    const CExJobPreferences* prefs = load.root.pJobPreferences;
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(prefs->sUnits, "MM");
    EXPECT_EQ(prefs->nPhysicalLayers, 4);
    EXPECT_EQ(prefs->pNotUsedLog->GetSize(), 0);

    int nConductive = 0;
    Lines planeNets;
    for (const CExLayer_Stackup* layer : *prefs->pLayerStackupArray) {
        if (layer->sLayerType == "SIGNAL_LAYER")
            ++nConductive;
        planeNets.insert(planeNets.end(), layer->saPlaneNets.begin(), layer->saPlaneNets.end());
    }
    EXPECT_EQ(nConductive, prefs->nPhysicalLayers);
    EXPECT_EQ(planeNets, (Lines{"GND", "VCC"}));
    EXPECT_EQ(prefs->pViaArray->GetSize(), 2);
}

} // namespace
