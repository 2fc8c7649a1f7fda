#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

#include "support/Host.h"
#include "cell/ExCell_Library.h"
#include "core/ExExpedition.h"
#include "core/ExTemporary.h"
#include "jobprefs/ExJobPreferences.h"
#include "layout/ExLayout.h"
#include "loader/PC_Corvane_Get.h"
#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"
#include "padstack/ExPadstack_Library.h"
#include "parts/ExLibPart.h"
#include "support/TestSupport.h"

namespace {

using namespace std::string_literals;
using test::Trace;

// The six design files in slot order.
struct Design {
    std::string sJobPref, sCellLib, sLayout, sPadstackLib, sNetClass, sPartsDb;
};

Design WriteDesign(const test::TempDir& dir)
{
    std::string layout = ".FILETYPE LAYOUT\n.UNITS MM\n";
    for (int i = 0; i < 20000; ++i)
        layout += ".NET \"N" + std::to_string(i) + "\"\n..TRACE\n...XY (0,0) (1,1)\n";
    return {dir.WriteLines("job.jpf", {".FILETYPE JOB_PREFERENCES", ".UNITS \"MM\"", ".PADSTACK_TECHNOLOGY \"(Default)\"",
                                       ".LAYER_STACKUP_SECTION", "..SIGNAL_LAYER 1"}),
            dir.WriteLines("cell.hkp", {".FILETYPE CELL_LIBRARY", ".UNITS MM", ".PACKAGE_CELL \"C1\""}),
            dir.Write("layout.hkp", layout),
            dir.WriteLines("pad.hkp", {".FILETYPE PADSTACK_LIBRARY", ".UNITS MM", ".PAD \"P1\"", "..ROUND", "...DIAMETER 1"}),
            dir.WriteLines("net.nc", {".NETCLASS \"Default\"", "..X 1"}),
            dir.WriteLines("parts.pdb", {".FILETYPE PARTS_DB", ".PART_NUMBER \"R1\""})};
}

void SetDesign(CPC_Corvane_Get& loader, const Design& d)
{
    loader.vSetMExpeditionFilePath(d.sJobPref, d.sCellLib, d.sLayout, d.sPadstackLib, d.sNetClass, d.sPartsDb);
}

// Bars 1..6 with bar 1's parent window, all writing into one trace.
struct Bars {
    explicit Bars(bool bParent = true)
        : wnd(trace), b1(1, trace, bParent ? &wnd : nullptr), b2(2, trace, &wnd), b3(3, trace, &wnd), b4(4, trace),
          b5(5, trace), b6(6, trace)
    {
    }
    void Install(CPC_Corvane_Get& loader) { loader.vSetProgressPtr(&b1, &b2, &b3, &b4, &b5, &b6); }

    // Every pass moves the set bars in the order 1, 4, 6, 2, 3, 5 and then,
    // with a parent, refreshes it; returns the number of passes.
    int CheckPasses(const std::vector<int>& order, bool bRefresh) const
    {
        std::vector<int> pass = order;
        if (bRefresh)
            pass.push_back(0);
        EXPECT_FALSE(trace.empty());
        EXPECT_EQ(trace.size() % pass.size(), 0u);
        for (std::size_t i = 0; i < trace.size(); ++i) {
            EXPECT_EQ(trace[i].first, pass[i % pass.size()]) << "event " << i;
            if (trace[i].first == 0) {
                EXPECT_EQ(trace[i].second, 0) << "the parent is refreshed from its data";
            }
        }
        return static_cast<int>(trace.size() / pass.size());
    }

    // Positions only grow, stay within 0..100 and end at 100.
    void CheckPositions() const
    {
        std::map<int, int> last;
        for (const auto& [bar, pos] : trace) {
            if (bar == 0)
                continue;
            EXPECT_GE(pos, 0);
            EXPECT_LE(pos, 100);
            EXPECT_GE(pos, last[bar]) << "bar " << bar;
            last[bar] = pos;
        }
        for (const auto& [bar, pos] : last)
            EXPECT_EQ(pos, 100) << "bar " << bar;
    }

    Trace trace;
    test::RecordingWnd wnd;
    test::RecordingBar b1, b2, b3, b4, b5, b6;
};

class ParseTest : public ::testing::Test {
protected:
    void SetUp() override { g_evWorkerDone.Lock(std::chrono::milliseconds(0)); }
    void TearDown() override
    {
        // No parse leaves the completion event set behind it.
        EXPECT_FALSE(g_evWorkerDone.IsSet());
        g_evWorkerDone.Lock(std::chrono::milliseconds(0));
    }

    test::TempDir m_dir;
    test::RecordingHost m_host;
    test::HostScope m_scope{m_host};
};

TEST_F(ParseTest, DesignLoad)
{
    const Design d = WriteDesign(m_dir);
    CExExpedition root;
    CPC_Corvane_Get loader;
    Bars bars;
    SetDesign(loader, d);
    bars.Install(loader);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.pGetExpedition(), &root);

    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    EXPECT_TRUE(m_host.boxes.empty());
    EXPECT_GE(m_host.nPumps, 1);
    EXPECT_GE(bars.CheckPasses({1, 4, 6, 2, 3, 5}, true), 1);
    bars.CheckPositions();

    ASSERT_EQ(test::SetMembers(root), test::kAllMembers);
    EXPECT_EQ(g_sUnits, "MM");
    EXPECT_EQ(g_sPadstackTechnology, "(Default)");
    EXPECT_EQ(root.pPadstackLibrary->sPadstackTechnology, "(Default)");
    EXPECT_EQ(loader.sGetErrorMsg(), "");

    // A second parse with the same loader keeps the captured headers.
    const std::string other = m_dir.WriteLines("job2.jpf", {".UNITS TH", ".PADSTACK_TECHNOLOGY T2"});
    loader.vSetMExpeditionFilePath(other, d.sCellLib, d.sLayout, d.sPadstackLib, "", "");
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    EXPECT_EQ(g_sUnits, "MM");
    EXPECT_EQ(root.pPadstackLibrary->sPadstackTechnology, "(Default)");
}

TEST_F(ParseTest, OptionalFilesAbsent)
{
    const Design d = WriteDesign(m_dir);
    CExExpedition root;
    CPC_Corvane_Get loader;
    Bars bars;
    loader.vSetMExpeditionFilePath(d.sJobPref, d.sCellLib, d.sLayout, d.sPadstackLib, "", "");
    bars.Install(loader);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    // Bars 5 and 6 are still moved on every pass.
    bars.CheckPasses({1, 4, 6, 2, 3, 5}, true);
    bars.CheckPositions();
    EXPECT_EQ(test::SetMembers(root), "pad cell layout job");
}

TEST_F(ParseTest, WarningWhenARequiredPathIsMissing)
{
    const Design d = WriteDesign(m_dir);
    for (int missing = 0; missing < 4; ++missing) {
        Design partial = d;
        std::string* paths[] = {&partial.sJobPref, &partial.sCellLib, &partial.sLayout, &partial.sPadstackLib};
        paths[missing]->clear();
        CExExpedition root;
        CPC_Corvane_Get loader;
        Bars bars;
        SetDesign(loader, partial);
        bars.Install(loader);
        loader.vSetExpedition(&root);
        m_host.boxes.clear();

        EXPECT_EQ(loader.ParseExpeditionOfMFC(), 0);
        ASSERT_EQ(m_host.boxes.size(), 1u);
        EXPECT_EQ(m_host.boxes[0].sText, "No definition for Expedition file path");
        EXPECT_EQ(m_host.boxes[0].sCaption, "WARNING");
        EXPECT_EQ(m_host.boxes[0].nStyle, 48u);
        // Nothing started, nothing loaded, no bar moved.
        EXPECT_TRUE(bars.trace.empty());
        EXPECT_EQ(test::SetMembers(root), "");
        // The totals were counted first, so the units may be captured already.
        EXPECT_EQ(g_sUnits, missing == 0 ? "" : "MM");
    }
    // The library load needs no path.
    CExExpedition root;
    CPC_Corvane_Get loader;
    loader.vSetExpedition(&root);
    m_host.boxes.clear();
    EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    EXPECT_TRUE(m_host.boxes.empty());
}

TEST_F(ParseTest, Setters)
{
    CPC_Corvane_Get loader;
    EXPECT_EQ(loader.pGetExpedition(), nullptr);
    EXPECT_EQ(loader.bRemoveNet, 0);
    EXPECT_EQ(loader.pPartsDbProgress, nullptr);

    loader.vSetMExpeditionFilePath("1", "2", "3", "4", "5", "6");
    loader.vSetMExpeditionFilePath("a", "b", "c", "d", "", "");
    EXPECT_EQ(loader.sJobPrefFilePath, "a");
    EXPECT_EQ(loader.sCellLibFilePath, "b");
    EXPECT_EQ(loader.sLayoutFilePath, "c");
    EXPECT_EQ(loader.sPadstackLibFilePath, "d");
    EXPECT_EQ(loader.sNetClassFilePath, "");   // path 5 is stored as given
    EXPECT_EQ(loader.sPartsDbFilePath, "6");   // an empty sixth keeps the one before

    const std::vector<std::string> cells{"c1", "c2"}, pads{"p1"};
    loader.vSetMExpeditionLibFilePath("j", cells, "l", pads, "n", "");
    EXPECT_EQ(loader.sJobPrefFilePath, "j");
    EXPECT_EQ(loader.sCellLibFilePath, "b");  // paths 2 and 4 are left alone
    EXPECT_EQ(loader.sPadstackLibFilePath, "d");
    EXPECT_EQ(loader.saCellLibFilePaths, cells);
    EXPECT_EQ(loader.saPadstackLibFilePaths, pads);
    EXPECT_EQ(loader.sLayoutFilePath, "l");
    EXPECT_EQ(loader.sNetClassFilePath, "n");
    EXPECT_EQ(loader.sPartsDbFilePath, "6");
    loader.vSetMExpeditionLibFilePath("j", cells, "l", pads, "n", "p");
    EXPECT_EQ(loader.sPartsDbFilePath, "p");

    Trace trace;
    test::RecordingBar b1(1, trace), b6(6, trace), other(6, trace);
    loader.vSetProgressPtr(&b1, &b1, &b1, &b1, &b1, &b6);
    loader.vSetProgressPtr(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(loader.pJobPrefProgress, nullptr);
    EXPECT_EQ(loader.pNetClassProgress, nullptr);
    EXPECT_EQ(loader.pPartsDbProgress, &b6);  // a null sixth keeps the bar before
    loader.vSetProgressPtr(nullptr, nullptr, nullptr, nullptr, nullptr, &other);
    EXPECT_EQ(loader.pPartsDbProgress, &other);

    loader.SetRemoveNet(1);
    EXPECT_EQ(loader.bRemoveNet, 1);
    EXPECT_EQ(loader.sGetErrorMsg(), "");
}

TEST_F(ParseTest, BarSixKeptAndNoParentWithoutBarOne)
{
    const Design d = WriteDesign(m_dir);
    CExExpedition root;
    CPC_Corvane_Get loader;
    Bars bars;
    SetDesign(loader, d);
    loader.vSetProgressPtr(&bars.b1, &bars.b2, &bars.b3, &bars.b4, &bars.b5, &bars.b6);
    loader.vSetProgressPtr(nullptr, &bars.b2, nullptr, &bars.b4, nullptr, nullptr);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    // Bar 6 is still there; bars 2 and 3 have a parent, but only bar 1's counts.
    bars.CheckPasses({4, 6, 2}, false);
    bars.CheckPositions();
}

TEST_F(ParseTest, LibraryLoad)
{
    const Design d = WriteDesign(m_dir);
    const std::string cell2 = m_dir.WriteLines("cell2.hkp", {".PACKAGE_CELL \"C2\"", "..PIN 1"});
    const std::string pad2 = m_dir.WriteLines("pad2.hkp", {".PAD \"P2\""});
    CExExpedition root;
    root.pCellLibrary = new CExCell_Library;
    root.pCellLibrary->sVersion = "existing";
    CPC_Corvane_Get loader;
    Bars bars;
    loader.vSetMExpeditionLibFilePath(d.sJobPref, {d.sCellLib, cell2}, "", {d.sPadstackLib, pad2}, "", d.sPartsDb);
    bars.Install(loader);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    bars.CheckPasses({1, 4, 6, 2, 3, 5}, true);
    bars.CheckPositions();
    // Both lists feed the libraries already in the root.
    EXPECT_EQ(root.pCellLibrary->sVersion, "existing");
    EXPECT_EQ(test::SetMembers(root), "pad cell job parts");  // no layout or net class path: not started

    // Empty lists and no other file: the load still ends.
    CExExpedition empty;
    CPC_Corvane_Get nothing;
    Bars quiet;
    quiet.Install(nothing);
    nothing.vSetExpedition(&empty);
    EXPECT_EQ(nothing.ParseXpeditionLib(), 1);
    quiet.CheckPositions();
    EXPECT_EQ(test::SetMembers(empty), "");  // an empty list opens no file, so makes no library
}

TEST_F(ParseTest, MembersAcrossParses)
{
    const Design empty{m_dir.Write("j", ""), m_dir.Write("c", ""), m_dir.Write("l", ""),
                       m_dir.Write("p", ""), m_dir.Write("n", ""), m_dir.Write("d", "")};
    CExExpedition root;
    CPC_Corvane_Get loader;
    SetDesign(loader, empty);
    loader.vSetExpedition(&root);
    ASSERT_EQ(loader.ParseExpeditionOfMFC(), 1);
    root.pCellLibrary->sVersion = "kept";
    root.pPadstackLibrary->sVersion = "kept";
    root.pLayout->sVersion = "old";
    root.pJobPreferences->sUnits = "old";
    std::vector<std::string> line{".OLD"};
    root.pLibPart->pNotUsedLog->SetNoUsedArray(line, "", 0);
    root.pNetPropArray->Add(new CExNetProp);

    ASSERT_EQ(loader.ParseExpeditionOfMFC(), 1);
    EXPECT_EQ(root.pCellLibrary->sVersion, "kept");
    EXPECT_EQ(root.pPadstackLibrary->sVersion, "kept");
    EXPECT_EQ(root.pLayout->sVersion, "");
    EXPECT_EQ(root.pJobPreferences->sUnits, "");
    EXPECT_EQ(root.pLibPart->pNotUsedLog->GetSize(), 0);
    EXPECT_EQ(root.pNetPropArray->GetSize(), 0);

    // Files that cannot be opened leave their members as they were.
    root.pLayout->sVersion = "stays";
    loader.vSetMExpeditionFilePath(empty.sJobPref, empty.sCellLib, (m_dir.Path() / "gone").string(),
                                   empty.sPadstackLib, m_dir.Path().string(), "");
    ASSERT_EQ(loader.ParseExpeditionOfMFC(), 1);
    EXPECT_EQ(root.pLayout->sVersion, "stays");
}

TEST_F(ParseTest, BadInputNeverHangs)
{
    // Every started file fails to open: no worker reaches an end, and the
    // parse must not wait for one.
    const std::string gone = (m_dir.Path() / "gone").string();
    const std::string folder = m_dir.Path().string();
    {
        CExExpedition root;
        CPC_Corvane_Get loader;
        Bars bars;
        loader.vSetMExpeditionFilePath(gone, folder, gone, folder, gone, folder);
        bars.Install(loader);
        loader.vSetExpedition(&root);
        EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
        bars.CheckPositions();
        EXPECT_EQ(test::SetMembers(root), "");

        loader.vSetMExpeditionLibFilePath(gone, {gone, folder}, gone, {folder}, gone, gone);
        EXPECT_EQ(loader.ParseXpeditionLib(), 1);
        EXPECT_EQ(test::SetMembers(root), "");
    }
    // Odd bytes in every file.
    {
        const Design odd{m_dir.Write("o1", ".UNITS MM\r\n.PADSTACK_TECHNOLOGY X\r\n"),
                         m_dir.Write("o2", ".A\r..B\r"),
                         m_dir.Write("o3", ".NET\0x\n\0\n"s),
                         m_dir.Write("o4", ".PAD \"P\"\n..XY " + std::string(10u << 20, '1') + "\n"),
                         m_dir.Write("o5", ".NETCLASS"),
                         m_dir.Write("o6", "")};
        CExExpedition root;
        CPC_Corvane_Get loader;
        Bars bars;
        SetDesign(loader, odd);
        bars.Install(loader);
        loader.vSetExpedition(&root);
        EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
        bars.CheckPasses({1, 4, 6, 2, 3, 5}, true);
        bars.CheckPositions();
        EXPECT_EQ(g_sUnits, "MM");
        ASSERT_EQ(test::SetMembers(root), test::kAllMembers);
        EXPECT_EQ(root.pPadstackLibrary->sPadstackTechnology, "X");
    }
    // No root: nothing to fill, no crash.
    {
        const Design d = WriteDesign(m_dir);
        CPC_Corvane_Get loader;
        SetDesign(loader, d);
        EXPECT_EQ(loader.ParseExpeditionOfMFC(), 0);
        EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    }
}

// A file that has fewer lines when its worker reads it than when it was
// counted never reaches its total: the parse ends when every worker has ended.
// The net class path is a pipe, so that the test runs between the counts and
// the workers: while the loader counts the pipe, the layout file is cut short
// and a plain file takes the pipe's place for the net class worker.
TEST_F(ParseTest, FileShorterThanItsCount)
{
    const Design d = WriteDesign(m_dir);
    const std::string pipe = (m_dir.Path() / "net.pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        const int fd = ::open(pipe.c_str(), O_WRONLY);  // waits for the loader to count the pipe
        m_dir.Write("layout.hkp", ".NET A\n");
        std::filesystem::rename(d.sNetClass, pipe);
        const std::string text = ".NETCLASS x\n..Y\n";
        EXPECT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        ::close(fd);
    });
    CExExpedition root;
    CPC_Corvane_Get loader;
    Bars bars;
    loader.vSetMExpeditionFilePath(d.sJobPref, d.sCellLib, d.sLayout, d.sPadstackLib, pipe, d.sPartsDb);
    bars.Install(loader);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    writer.join();
    bars.CheckPasses({1, 4, 6, 2, 3, 5}, true);
    bars.CheckPositions();  // the bars are filled at the end all the same
    const bool bPartial = std::find_if(bars.trace.begin(), bars.trace.end(), [](const auto& e) {
                              return e.first == 3 && e.second < 100;
                          }) != bars.trace.end();
    EXPECT_TRUE(bPartial) << "the layout bar never showed the short read";
    EXPECT_NE(root.pNetClassArray, nullptr);
}

// The result is 1 whatever became of the files; the reports tell what did.
// The layout is the process's own memory: it opens, and its first read fails,
// so its worker stops on the read error.
TEST_F(ParseTest, ReadReportsTellWhatEachWorkerRead)
{
    const Design d = WriteDesign(m_dir);
    const std::string gone = (m_dir.Path() / "gone").string();
    CExExpedition root;
    CPC_Corvane_Get loader;
    loader.vSetMExpeditionFilePath(d.sJobPref, d.sCellLib, "/proc/self/mem", d.sPadstackLib, d.sNetClass, gone);
    loader.vSetExpedition(&root);
    ASSERT_EQ(loader.ParseExpeditionOfMFC(), 1);

    const std::vector<ex::FileReadReport>& reports = loader.GetReadReports();
    ASSERT_EQ(reports.size(), 6u);
    const std::string paths[] = {d.sJobPref, d.sCellLib, "/proc/self/mem", d.sPadstackLib, d.sNetClass, gone};
    for (int s = 0; s < 6; ++s) {
        const ex::FileReadReport& r = reports[static_cast<std::size_t>(s)];
        EXPECT_EQ(r.nSlot, s);
        EXPECT_EQ(r.sPath, paths[s]);
        if (s == 2 || s == 5)
            continue;
        EXPECT_TRUE(r.Complete()) << r.sPath << ": " << r.sError;
        EXPECT_EQ(r.nBytesRead, std::filesystem::file_size(r.sPath)) << r.sPath;
        EXPECT_EQ(r.nLinesRead + 1, loader.nGetFileLineCount(r.sPath, 0)) << r.sPath;
    }
    const ex::FileReadReport& layout = reports[2];
    EXPECT_TRUE(layout.bOpened);
    EXPECT_TRUE(layout.bStopped);
    EXPECT_EQ(layout.sError, std::system_category().message(EIO));
    EXPECT_EQ(layout.nLinesRead, 0);
    EXPECT_EQ(layout.nBytesRead, 0u);
    const ex::FileReadReport& parts = reports[5];
    EXPECT_FALSE(parts.bOpened);
    EXPECT_FALSE(parts.bStopped);
    EXPECT_EQ(parts.sError, std::system_category().message(ENOENT));

    // A library load reports every file of a list, in list order.
    const std::string cell2 = m_dir.WriteLines("cell2.hkp", {".PACKAGE_CELL \"C2\"", "..PIN 1"});
    loader.vSetMExpeditionLibFilePath("", {d.sCellLib, gone, cell2}, "", {}, "", "");
    ASSERT_EQ(loader.ParseXpeditionLib(), 1);
    std::vector<std::string> seen;
    for (const ex::FileReadReport& r : loader.GetReadReports())
        seen.push_back(std::to_string(r.nSlot) + " " + r.sPath +
                       (r.bOpened ? " read " + std::to_string(r.nLinesRead) : " " + r.sError));
    // The parts path of the design load stays set (an empty sixth argument keeps it).
    const std::string missing = " " + std::system_category().message(ENOENT);
    EXPECT_EQ(seen, (std::vector<std::string>{"1 " + d.sCellLib + " read 3", "1 " + gone + missing,
                                              "1 " + cell2 + " read 2", "5 " + gone + missing}));

    // A design load refused for a missing path leaves no report behind.
    loader.vSetMExpeditionFilePath("", d.sCellLib, d.sLayout, d.sPadstackLib, "", "");
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 0);
    EXPECT_TRUE(loader.GetReadReports().empty());
}

// Many parses in a row: no stale completion event, no stuck worker.
TEST_F(ParseTest, RepeatedParses)
{
    const Design d = WriteDesign(m_dir);
    CExExpedition root;
    for (int i = 0; i < 25; ++i) {
        CPC_Corvane_Get loader;
        SetDesign(loader, d);
        loader.vSetExpedition(&root);
        ASSERT_EQ(loader.ParseExpeditionOfMFC(), 1);
        ASSERT_FALSE(g_evWorkerDone.IsSet());
    }
    EXPECT_NE(root.pLayout, nullptr);
}

} // namespace
