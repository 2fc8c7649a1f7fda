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

#include "expedition.h"
#include "support/Host.h"
#include "support/TestSupport.h"

namespace {

using namespace std::string_literals;
using test::Trace;

test::Files WriteDesign(const test::TempDir& dir)
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

void SetDesign(CPC_Corvane_Get& loader, const test::Files& d)
{
    loader.vSetMExpeditionFilePath(d.sJobPrefs, d.sCells, d.sLayout, d.sPadstacks, d.sNetClasses, d.sParts);
}

// Bars 1..6 with bar 1's parent window, all writing into one trace.
struct Bars {
    Bars() : wnd(trace), b1(1, trace, &wnd), b2(2, trace, &wnd), b3(3, trace, &wnd), b4(4, trace), b5(5, trace), b6(6, trace)
    {
    }
    void Install(CPC_Corvane_Get& loader) { loader.vSetProgressPtr(&b1, &b2, &b3, &b4, &b5, &b6); }

    // Every pass moves the set bars in the given order and then, with a
    // parent, refreshes it from its data; positions only grow, stay within
    // 0..100 and end at 100. Returns the number of passes.
    int Check(const std::vector<int>& order = {1, 4, 6, 2, 3, 5}, bool bRefresh = true) const
    {
        std::vector<int> pass = order;
        if (bRefresh)
            pass.push_back(0);
        EXPECT_FALSE(trace.empty());
        EXPECT_EQ(trace.size() % pass.size(), 0u);
        std::map<int, int> last;
        for (std::size_t i = 0; i < trace.size(); ++i) {
            const auto [bar, pos] = trace[i];
            EXPECT_EQ(bar, pass[i % pass.size()]) << "event " << i;
            EXPECT_TRUE(pos >= 0 && pos <= 100 && pos >= last[bar]) << "bar " << bar << " at " << pos;
            last[bar] = bar == 0 ? 0 : pos;
        }
        for (const auto& [bar, pos] : last)
            EXPECT_EQ(pos, bar == 0 ? 0 : 100) << "bar " << bar;
        return static_cast<int>(trace.size() / pass.size());
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
    const test::Files d = WriteDesign(m_dir);
    CExExpedition root;
    CPC_Corvane_Get loader;
    Bars bars;
    SetDesign(loader, d);
    bars.Install(loader);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    EXPECT_TRUE(m_host.boxes.empty());
    EXPECT_GE(m_host.nPumps, 1);
    EXPECT_GE(bars.Check(), 1);
    ASSERT_EQ(test::SetMembers(root), test::kAllMembers);
    EXPECT_EQ(g_sUnits, "MM");
    EXPECT_EQ(root.pPadstackLibrary->sPadstackTechnology, "(Default)");
    EXPECT_EQ(loader.sGetErrorMsg(), "");

    // A second parse with the same loader keeps the captured headers; bars 5
    // and 6 are still moved on every pass without their files.
    bars.trace.clear();
    loader.vSetMExpeditionFilePath(m_dir.WriteLines("job2.jpf", {".UNITS TH", ".PADSTACK_TECHNOLOGY T2"}), d.sCells,
                                   d.sLayout, d.sPadstacks, "", "");
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    bars.Check();
    EXPECT_EQ(g_sUnits, "MM");
    EXPECT_EQ(root.pPadstackLibrary->sPadstackTechnology, "(Default)");

    // Bar 6 is kept when the new one is null; bars 2 and 3 have a parent, but
    // only bar 1's counts.
    CPC_Corvane_Get other;
    Bars some;
    CExExpedition second;
    SetDesign(other, d);
    some.Install(other);
    other.vSetProgressPtr(nullptr, &some.b2, nullptr, &some.b4, nullptr, nullptr);
    other.vSetExpedition(&second);
    EXPECT_EQ(other.ParseExpeditionOfMFC(), 1);
    some.Check({4, 6, 2}, false);

    // Optional files not given make no members.
    CExExpedition third;
    EXPECT_EQ(test::LoadDesign(third, {d.sJobPrefs, d.sCells, d.sLayout, d.sPadstacks, "", ""}), 1);
    EXPECT_EQ(test::SetMembers(third), "pad cell layout job");
}

TEST_F(ParseTest, WarningWhenARequiredPathIsMissing)
{
    const test::Files d = WriteDesign(m_dir);
    for (std::string test::Files::*missing :
         {&test::Files::sJobPrefs, &test::Files::sCells, &test::Files::sLayout, &test::Files::sPadstacks}) {
        test::Files partial = d;
        (partial.*missing).clear();
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
        // Nothing started, nothing loaded, no bar moved, no report left.
        EXPECT_TRUE(bars.trace.empty());
        EXPECT_EQ(test::SetMembers(root), "");
        EXPECT_TRUE(loader.GetReadReports().empty());
        // The totals were counted first, so the units may be captured already.
        EXPECT_EQ(g_sUnits, missing == &test::Files::sJobPrefs ? "" : "MM");
    }
    // The library load needs no path.
    CExExpedition root;
    m_host.boxes.clear();
    EXPECT_EQ(test::LoadLibrary(root, "", {}, {}), 1);
    EXPECT_TRUE(m_host.boxes.empty());
}

TEST_F(ParseTest, LibraryLoad)
{
    const test::Files d = WriteDesign(m_dir);
    CExExpedition root;
    root.pCellLibrary = new CExCell_Library;
    root.pCellLibrary->sVersion = "existing";
    CPC_Corvane_Get loader;
    Bars bars;
    loader.vSetMExpeditionLibFilePath(d.sJobPrefs,
                                      {d.sCells, m_dir.WriteLines("cell2.hkp", {".PACKAGE_CELL \"C2\"", "..PIN 1"})},
                                      "", {d.sPadstacks, m_dir.WriteLines("pad2.hkp", {".PAD \"P2\""})}, "", d.sParts);
    bars.Install(loader);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    bars.Check();
    // Both lists feed the libraries already in the root; no layout or net
    // class path: not started.
    EXPECT_EQ(root.pCellLibrary->sVersion, "existing");
    EXPECT_EQ(root.pCellLibrary->pPackageCellArray->GetSize(), 2);
    EXPECT_EQ(test::SetMembers(root), "pad cell job parts");

    // Empty lists and no other file: the load still ends, and an empty list
    // opens no file, so makes no library.
    CExExpedition empty;
    CPC_Corvane_Get nothing;
    Bars quiet;
    quiet.Install(nothing);
    nothing.vSetExpedition(&empty);
    EXPECT_EQ(nothing.ParseXpeditionLib(), 1);
    quiet.Check();
    EXPECT_EQ(test::SetMembers(empty), "");
}

TEST_F(ParseTest, MembersAcrossParses)
{
    const test::Files empty{m_dir.Write("j", ""), m_dir.Write("c", ""), m_dir.Write("l", ""),
                            m_dir.Write("p", ""), m_dir.Write("n", ""), m_dir.Write("d", "")};
    CExExpedition root;
    ASSERT_EQ(test::LoadDesign(root, empty), 1);
    root.pCellLibrary->sVersion = "kept";
    root.pPadstackLibrary->sVersion = "kept";
    root.pLayout->sVersion = "old";
    root.pJobPreferences->sUnits = "old";
    std::vector<std::string> line{".OLD"};
    root.pLibPart->pNotUsedLog->SetNoUsedArray(line, "", 0);
    root.pNetPropArray->Add(new CExNetProp);

    // Libraries are added to, the other members made afresh.
    ASSERT_EQ(test::LoadDesign(root, empty), 1);
    EXPECT_EQ(root.pCellLibrary->sVersion, "kept");
    EXPECT_EQ(root.pPadstackLibrary->sVersion, "kept");
    EXPECT_EQ(root.pLayout->sVersion, "");
    EXPECT_EQ(root.pJobPreferences->sUnits, "");
    EXPECT_TRUE(root.pLibPart->pNotUsedLog->IsEmpty());
    EXPECT_TRUE(root.pNetPropArray->IsEmpty());

    // Files that cannot be opened leave their members as they were.
    root.pLayout->sVersion = "stays";
    ASSERT_EQ(test::LoadDesign(root, {empty.sJobPrefs, empty.sCells, (m_dir.Path() / "gone").string(),
                                      empty.sPadstacks, m_dir.Path().string(), ""}),
              1);
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
        bars.Check();
        loader.vSetMExpeditionLibFilePath(gone, {gone, folder}, gone, {folder}, gone, gone);
        EXPECT_EQ(loader.ParseXpeditionLib(), 1);
        EXPECT_EQ(test::SetMembers(root), "");
    }
    // Odd bytes in every file.
    {
        const test::Files odd{m_dir.Write("o1", ".UNITS MM\r\n.PADSTACK_TECHNOLOGY X\r\n"),
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
        bars.Check();
        EXPECT_EQ(g_sUnits, "MM");
        ASSERT_EQ(test::SetMembers(root), test::kAllMembers);
        EXPECT_EQ(root.pPadstackLibrary->sPadstackTechnology, "X");
    }
    // No root: nothing to fill, no crash.
    CPC_Corvane_Get loader;
    SetDesign(loader, WriteDesign(m_dir));
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 0);
    EXPECT_EQ(loader.ParseXpeditionLib(), 1);
}

// A file that has fewer lines when its worker reads it than when it was
// counted never reaches its total: the parse ends when every worker has ended.
// The net class path is a pipe, so that the test runs between the counts and
// the workers: while the loader counts the pipe, the layout file is cut short
// and a plain file takes the pipe's place for the net class worker.
TEST_F(ParseTest, FileShorterThanItsCount)
{
    const test::Files d = WriteDesign(m_dir);
    const std::string pipe = (m_dir.Path() / "net.pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        const int fd = ::open(pipe.c_str(), O_WRONLY);  // waits for the loader to count the pipe
        m_dir.Write("layout.hkp", ".NET A\n");
        std::filesystem::rename(d.sNetClasses, pipe);
        const std::string text = ".NETCLASS x\n..Y\n";
        EXPECT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        ::close(fd);
    });
    CExExpedition root;
    CPC_Corvane_Get loader;
    Bars bars;
    loader.vSetMExpeditionFilePath(d.sJobPrefs, d.sCells, d.sLayout, d.sPadstacks, pipe, d.sParts);
    bars.Install(loader);
    loader.vSetExpedition(&root);
    EXPECT_EQ(loader.ParseExpeditionOfMFC(), 1);
    writer.join();
    bars.Check();  // the bars are filled at the end all the same
    EXPECT_TRUE(std::any_of(bars.trace.begin(), bars.trace.end(),
                            [](const auto& e) { return e.first == 3 && e.second < 100; }))
        << "the layout bar never showed the short read";
    EXPECT_NE(root.pNetClassArray, nullptr);
}

// The result is 1 whatever became of the files; the reports tell what did.
// The layout is the process's own memory: it opens, and its first read fails,
// so its worker stops on the read error.
TEST_F(ParseTest, ReadReportsTellWhatEachWorkerRead)
{
    const test::Files d = WriteDesign(m_dir);
    const std::string gone = (m_dir.Path() / "gone").string();
    CExExpedition root;
    CPC_Corvane_Get loader;
    loader.vSetMExpeditionFilePath(d.sJobPrefs, d.sCells, "/proc/self/mem", d.sPadstacks, d.sNetClasses, gone);
    loader.vSetExpedition(&root);
    ASSERT_EQ(loader.ParseExpeditionOfMFC(), 1);

    const std::vector<ex::FileReadReport>& reports = loader.GetReadReports();
    ASSERT_EQ(reports.size(), 6u);
    const std::string paths[] = {d.sJobPrefs, d.sCells, "/proc/self/mem", d.sPadstacks, d.sNetClasses, gone};
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
    EXPECT_TRUE(layout.bOpened && layout.bStopped);
    EXPECT_EQ(layout.sError, std::system_category().message(EIO));
    EXPECT_EQ(layout.nLinesRead, 0);
    EXPECT_EQ(layout.nBytesRead, 0u);
    const ex::FileReadReport& parts = reports[5];
    EXPECT_FALSE(parts.bOpened || parts.bStopped);
    EXPECT_EQ(parts.sError, std::system_category().message(ENOENT));

    // A library load reports every file of a list, in list order. The parts
    // path of the design load stays set (an empty sixth argument keeps it).
    const std::string cell2 = m_dir.WriteLines("cell2.hkp", {".PACKAGE_CELL \"C2\"", "..PIN 1"});
    loader.vSetMExpeditionLibFilePath("", {d.sCells, gone, cell2}, "", {}, "", "");
    ASSERT_EQ(loader.ParseXpeditionLib(), 1);
    std::vector<std::string> seen;
    for (const ex::FileReadReport& r : loader.GetReadReports())
        seen.push_back(std::to_string(r.nSlot) + " " + r.sPath +
                       (r.bOpened ? " read " + std::to_string(r.nLinesRead) : " " + r.sError));
    const std::string missing = " " + std::system_category().message(ENOENT);
    EXPECT_EQ(seen, (std::vector<std::string>{"1 " + d.sCells + " read 3", "1 " + gone + missing,
                                              "1 " + cell2 + " read 2", "5 " + gone + missing}));
}

// Many parses in a row: no stale completion event, no stuck worker.
TEST_F(ParseTest, RepeatedParses)
{
    const test::Files d = WriteDesign(m_dir);
    CExExpedition root;
    for (int i = 0; i < 25; ++i) {
        ASSERT_EQ(test::LoadDesign(root, d), 1);
        ASSERT_FALSE(g_evWorkerDone.IsSet());
    }
    EXPECT_NE(root.pLayout, nullptr);
}

} // namespace
