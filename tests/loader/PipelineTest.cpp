// Nets and package cells are parsed on helper threads; what a load builds and
// logs must be exactly what parsing record after record builds and logs.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "loader/HelperPool.h"
#include "loader/RecordPipeline.h"
#include "loader/RecordReader.h"
#include "support/Fields.h"
#include "support/TestSupport.h"

namespace {

// A design of the given layout and cell lines, its other required files
// holding only their units.
test::Files WriteDesign(const test::TempDir& dir, const test::Lines& layout, const test::Lines& cells)
{
    test::Files files;
    files.sJobPrefs = dir.WriteLines("job.txt", {".UNITS MM"});
    files.sLayout = dir.WriteLines("layout.txt", layout);
    files.sCells = dir.WriteLines("cells.txt", cells);
    files.sPadstacks = dir.WriteLines("pads.txt", {".UNITS MM"});
    return files;
}

// A plane layer whose one plane net holds an actual plane shape of many
// voids, tie legs among them, and lines that are logged: a tie leg without a
// shape (parsed on a helper) and groups around it (parsed by the worker).
test::Lines PlaneLayer(const std::string& name, int nVoids)
{
    test::Lines lines = {"..PLANE_LAYER " + name, "...PLANE_TYPE POSITIVE", "...PLANE_NET \"N" + name + "\"",
                         "....POLYLINE_SHAPE", ".....XY (0, 0) (9, 0) (9, 9)", "....UNKNOWN_NET_GROUP " + name,
                         "....ACTUAL_PLANE_SHAPE", ".....PLANE_ID 1"};
    for (int i = 0; i < nVoids; ++i) {
        const std::string n = std::to_string(i);
        lines.insert(lines.end(), {".....CIRCLE_SHAPE", "......RADIUS 0.5", "......XY (" + n + ", " + name + ")"});
        if (i % 7 == 0)
            lines.insert(lines.end(), {".....APS_TIE_LEG", "......POLYLINE_PATH", ".......WIDTH 0.3",
                                       ".......XY (" + n + ", 0) (" + n + ", 1)"});
        if (i % 150 == 0)
            lines.insert(lines.end(), {".....APS_TIE_LEG", "......NOT_A_SHAPE " + n, ".....UNKNOWN_IN_SHAPE " + n});
        if (i == nVoids / 2)
            lines.push_back(".....PLANE_ID 7");
    }
    lines.insert(lines.end(), {"...UNKNOWN_LAYER_GROUP " + name, "..ACTUAL_PLANE_SHAPE", "...CIRCLE_SHAPE",
                               "....RADIUS 1", "....XY (5, 5)", "...UNKNOWN_AT_LAYER_LEVEL " + name});
    return lines;
}

test::Lines Net(int i, const char* extra)
{
    const std::string n = std::to_string(i);
    return {std::string(".NET \"N") + n + "\"", "..TRACE", "...ROUTE_LYR 1", "...POLYLINE_PATH", "....WIDTH 0.1",
            std::string("....XY (") + n + ", 1) (" + n + ", 2)", extra, "..VIA", "...XY 1, 2", "...PADSTACK \"V\""};
}

test::Lines Cell(int i)
{
    const std::string n = std::to_string(i);
    return {std::string(".PACKAGE_CELL \"C") + n + "\"", "..PIN \"1\"", std::string("...XY (") + n + ", 0)",
            "..PIN \"2\"", std::string("...XY (0, ") + n + ")", std::string("..UNKNOWN_IN_CELL ") + n};
}

} // namespace

TEST(Pipeline, LoadEqualsRecordAfterRecord)
{
    // Nets and cells between other records, some with lines that are logged,
    // and a unit change half way that rescales what follows it.
    test::Lines layout = {".FILETYPE LAYOUT", ".UNITS MM", ".BOGUS_RECORD 1"};
    for (int i = 0; i < 300; ++i) {
        for (const std::string& line : Net(i, i % 7 == 0 ? "...UNKNOWN_TRACE_LINE 1" : "...PID 5"))
            layout.push_back(line);
        if (i % 5 == 0)
            for (const std::string& line : Cell(i))
                layout.push_back(line);
        if (i == 150)
            layout.insert(layout.end(), {".UNITS TH", ".ANOTHER_BOGUS 2"});
    }
    test::Lines cells = {".FILETYPE CELL_LIBRARY", ".UNITS MM"};
    for (int i = 0; i < 200; ++i) {
        for (const std::string& line : Cell(i))
            cells.push_back(line);
        if (i == 100)
            cells.insert(cells.end(), {".UNITS IN", ".NOT_A_CELL x"});
    }
    test::TempDir dir;
    const test::Files files = WriteDesign(dir, layout, cells);
    const std::string& layoutPath = files.sLayout;
    const std::string& cellPath = files.sCells;
    CExExpedition root;
    ASSERT_EQ(test::LoadDesign(root, files), 1);

    CExLayout sequential;
    ex::ReadRecordFile(layoutPath, [] {}, [&](std::vector<std::string>& r) { sequential.SetData(r, "MM", 0); });
    CExCell_Library sequentialCells;
    ex::ReadRecordFile(cellPath, [] {}, [&](std::vector<std::string>& r) { sequentialCells.SetData(r, "MM"); });

    // Everything, logs included, compared as text.
    EXPECT_EQ(test::Counts(*root.pLayout), "pPackageCellArray=60 pNetArray=300 pNotUsedLog=105");
    EXPECT_TRUE(test::Fields(*root.pLayout) == test::Fields(sequential));
    EXPECT_EQ(test::Counts(*root.pCellLibrary), "pPackageCellArray=200 pNotUsedLog=201");
    EXPECT_TRUE(test::Fields(*root.pCellLibrary) == test::Fields(sequentialCells));
}

TEST(Pipeline, ResultsInSubmitOrderAndErrorsReachTheOwner)
{
    using Record = std::vector<std::string>;
    for (unsigned helpers : {0u, 1u, 3u}) {
        CExTemporaryArray target, ignoreLog, notUsedLog;
        ex::RecordPipeline pipeline(helpers);
        // Each record logs itself; the logs must come out in submit order.
        for (int i = 0; i < 100; ++i) {
            Record r{std::string(".R ") + std::to_string(i)};
            pipeline.Submit<CExTemporaryArray>(r, &target, &ignoreLog, &notUsedLog,
                                               [](CExTemporaryArray& a, Record& rec, CExTemporaryArray*,
                                                  CExTemporaryArray* nu) {
                                                   Record copy = rec;
                                                   a.SetNoUsedArray(rec, "element", 1);
                                                   nu->SetNoUsedArray(copy, "log", 1);
                                               });
            EXPECT_TRUE(r.empty());
        }
        pipeline.Drain();
        ASSERT_EQ(target.GetSize(), 100);
        ASSERT_EQ(notUsedLog.GetSize(), 100);
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(target[i]->sValue, std::to_string(i));
            EXPECT_EQ(notUsedLog[i]->sValue, std::to_string(i));
        }

        // Without helpers the parse runs, and throws, within Submit.
        Record bad{".BAD"};
        auto submitAndDrain = [&] {
            pipeline.Submit<CExTemporaryArray>(bad, &target, &ignoreLog, &notUsedLog,
                                               [](CExTemporaryArray&, Record&, CExTemporaryArray*,
                                                  CExTemporaryArray*) { throw std::runtime_error("x"); });
            pipeline.Drain();
        };
        EXPECT_THROW(submitAndDrain(), std::runtime_error) << helpers << " helpers";
        EXPECT_EQ(target.GetSize(), 100);
    }
}

TEST(Pipeline, BatchesKeepFileOrderAcrossTargets)
{
    // Runs of records to two targets, long enough that runs span several
    // batches: each target gets its records, and the shared log every
    // record, in submit order.
    using Record = std::vector<std::string>;
    auto parse = [](CExTemporaryArray& a, Record& rec, CExTemporaryArray*, CExTemporaryArray* nu) {
        Record copy = rec;
        a.SetNoUsedArray(rec, "element", 1);
        nu->SetNoUsedArray(copy, "log", 1);
    };
    for (unsigned helpers : {0u, 2u}) {
        CExTemporaryArray first, second, ignoreLog, notUsedLog;
        ex::RecordPipeline pipeline(helpers);
        std::vector<std::string> expectFirst, expectSecond;
        bool toFirst = false;
        for (int run : {1, 5000, 3, 9000, 1, 1, 4097}) {
            toFirst = !toFirst;
            for (int i = 0; i < run; ++i) {
                const std::string value = std::to_string(expectFirst.size() + expectSecond.size());
                Record r{".R " + value};
                (toFirst ? expectFirst : expectSecond).push_back(value);
                pipeline.Submit<CExTemporaryArray>(r, toFirst ? &first : &second, &ignoreLog, &notUsedLog, parse);
            }
        }
        pipeline.Drain();
        const auto values = [](const CExTemporaryArray& a) {
            std::vector<std::string> v;
            for (const CExTemporary* t : a)
                v.push_back(t->sValue);
            return v;
        };
        EXPECT_EQ(values(first), expectFirst) << helpers << " helpers";
        EXPECT_EQ(values(second), expectSecond) << helpers << " helpers";
        ASSERT_EQ(notUsedLog.GetSize(), static_cast<std::int64_t>(expectFirst.size() + expectSecond.size()));
        for (std::int64_t i = 0; i < notUsedLog.GetSize(); ++i)
            ASSERT_EQ(notUsedLog[i]->sValue, std::to_string(i));
    }
}

TEST(Pipeline, PipelinesShareOnePoolOfHelpers)
{
    // Two workers, each with its pipeline on the same two helpers, and a
    // third pipeline left with work under way: each gets exactly its own
    // records back, in its own order.
    using Record = std::vector<std::string>;
    auto parse = [](CExTemporaryArray& a, Record& rec, CExTemporaryArray*, CExTemporaryArray*) {
        a.SetNoUsedArray(rec, "element", 1);
    };
    ex::HelperPool helpers(2);
    auto work = [&](const std::string& name, int n, std::vector<std::string>& got) {
        CExTemporaryArray target, ignoreLog, notUsedLog;
        ex::RecordPipeline pipeline(helpers);
        for (int i = 0; i < n; ++i) {
            Record r{".R " + name + std::to_string(i), "..X"};
            pipeline.Submit<CExTemporaryArray>(r, &target, &ignoreLog, &notUsedLog, parse);
        }
        pipeline.Drain();
        for (const CExTemporary* t : target)
            got.push_back(t->sValue);
    };
    std::vector<std::string> gotA, gotB;
    std::thread a([&] { work("a", 20000, gotA); });
    std::thread b([&] { work("b", 15000, gotB); });
    {
        // Dropped with records still queued or being parsed.
        CExTemporaryArray target, ignoreLog, notUsedLog;
        ex::RecordPipeline abandoned(helpers);
        for (int i = 0; i < 20000; ++i) {
            Record r{".R c" + std::to_string(i)};
            abandoned.Submit<CExTemporaryArray>(r, &target, &ignoreLog, &notUsedLog, parse);
        }
    }
    a.join();
    b.join();
    ASSERT_EQ(gotA.size(), 20000u);
    ASSERT_EQ(gotB.size(), 15000u);
    for (int i = 0; i < 20000; ++i)
        ASSERT_EQ(gotA[static_cast<std::size_t>(i)], "a" + std::to_string(i));
    for (int i = 0; i < 15000; ++i)
        ASSERT_EQ(gotB[static_cast<std::size_t>(i)], "b" + std::to_string(i));
}

TEST(Pipeline, PlaneShapesOnHelpersKeepFileOrder)
{
    // Plane records between nets: the shapes of their actual plane shapes go
    // to the helpers in batches, while what the worker logs around them must
    // still come after what the helpers log before it.
    test::Lines layout = {".FILETYPE LAYOUT", ".UNITS MM"};
    for (int i = 0; i < 50; ++i)
        for (const std::string& line : Net(i, i % 3 == 0 ? "...UNKNOWN_TRACE_LINE 1" : "...PID 5"))
            layout.push_back(line);
    layout.push_back(".GENERATED_DATA");
    for (const char* name : {"2", "5"})
        for (const std::string& line : PlaneLayer(name, 2000))
            layout.push_back(line);
    for (int i = 50; i < 60; ++i)
        for (const std::string& line : Net(i, "...UNKNOWN_TRACE_LINE 2"))
            layout.push_back(line);
    layout.push_back(".UPG_APS_DATA");
    for (const std::string& line : PlaneLayer("1", 40))
        layout.push_back(line);
    layout.push_back(".BOGUS_AFTER_PLANES 1");

    test::TempDir dir;
    const test::Files files = WriteDesign(dir, layout, {".UNITS MM"});
    const std::string& layoutPath = files.sLayout;
    CExExpedition root;
    ASSERT_EQ(test::LoadDesign(root, files), 1);

    CExLayout sequential;
    ex::ReadRecordFile(layoutPath, [] {}, [&](std::vector<std::string>& r) { sequential.SetData(r, "MM", 0); });

    const CExLayout& l = *root.pLayout;
    ASSERT_EQ(l.pGeneratedDataArray->GetSize(), 2);
    const CExPlane_ActualShape& actual = *l.pGeneratedDataArray->GetAt(0)->pPlaneNetArray->GetAt(0)->pActualShapeArray->GetAt(0);
    EXPECT_EQ(actual.pShapeArray->GetSize(), 2000);
    EXPECT_EQ(actual.pTieLegArray->GetSize(), 286);  // the ones without a shape add none
    EXPECT_EQ(actual.nPlaneId, 7);
    EXPECT_TRUE(test::Fields(l) == test::Fields(sequential));
}
