#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/Host.h"
#include "cell/ExCell_Library.h"
#include "core/ExExpedition.h"
#include "jobprefs/ExJobPreferences.h"
#include "layout/ExLayout.h"
#include "loader/FileWorkers.h"
#include "loader/PC_Corvane_Get.h"
#include "loader/RecordReader.h"
#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"
#include "padstack/ExPadstack_Library.h"
#include "parts/ExLibPart.h"
#include "support/TestSupport.h"

namespace {

using namespace std::string_literals;
using test::Lines;
using Records = std::vector<Lines>;

struct Read {
    bool bOpened = false;
    int nCounted = 0;
    int nOpenedCalls = 0;
    Records records;
};

Read ReadFile(const std::string& path)
{
    Read r;
    r.bOpened = ex::ReadRecordFile(
        path, [&] { ++r.nCounted; }, [&](Lines& rec) { r.records.push_back(rec); },
        [&] {
            ++r.nOpenedCalls;
            EXPECT_TRUE(r.records.empty());  // before the first record
        });
    return r;
}

Records RecordsOf(const std::string& text)
{
    test::TempDir dir;
    return ReadFile(dir.Write("f", text)).records;
}

TEST(RecordReader, Grouping)
{
    EXPECT_EQ(RecordsOf(".A 1\n..B 2\n.D 3\n"), (Records{{}, {".A 1", "..B 2"}, {".D 3"}}));
    // A continuation joins the line right before it, without a separator.
    EXPECT_EQ(RecordsOf(".A\n..XY 1 2\n3 4\n...Z\n  5  \n"), (Records{{}, {".A", "..XY 1 23 4", "...Z5"}}));
    // Trimmed, case kept, blank lines ignored, every depth below 1 appended.
    EXPECT_EQ(RecordsOf("\n  \t\n   ..b 2   \n.net \"x\"\n\n.....deep\n"),
              (Records{{"..b 2"}, {".net \"x\"", ".....deep"}}));
    // Lines before the first keyword line form a record of their own.
    EXPECT_EQ(RecordsOf("free\ntext\n.A\n"), (Records{{"freetext"}, {".A"}}));
    EXPECT_EQ(RecordsOf("only text"), (Records{{"only text"}}));
    // An empty file gives one empty record; a last line without newline counts.
    EXPECT_EQ(RecordsOf(""), (Records{{}}));
    EXPECT_EQ(RecordsOf("\n\n"), (Records{{}}));
    EXPECT_EQ(RecordsOf(".A\n.B"), (Records{{}, {".A"}, {".B"}}));
}

TEST(RecordReader, OddBytes)
{
    // CR LF is one newline; a lone CR is an ordinary byte (white space at the
    // ends of a line, kept inside it).
    EXPECT_EQ(RecordsOf(".A\r\n..B 1\r\n2\r\n"), (Records{{}, {".A", "..B 12"}}));
    EXPECT_EQ(RecordsOf(".A\r..B\n..C 1\r2\n"), (Records{{}, {".A\r..B", "..C 1\r2"}}));
    // NUL bytes stay in the line.
    EXPECT_EQ(RecordsOf(".A\0x\n..B\0\n"s), (Records{{}, {".A\0x"s, "..B\0"s}}));
    // A 10 MB line.
    const std::string big(10u << 20, 'z');
    const Records r = RecordsOf(".A\n..XY " + big + "\n.B\n");
    ASSERT_EQ(r.size(), 3u);
    ASSERT_EQ(r[1].size(), 2u);
    EXPECT_EQ(r[1][1].size(), big.size() + 5);
}

TEST(RecordReader, CountsOpensAndFailures)
{
    test::TempDir dir;
    Read r = ReadFile(dir.Write("f", ".A\n\n..B\ncont\n  \n.C"));
    EXPECT_TRUE(r.bOpened);
    EXPECT_EQ(r.nCounted, 6);  // every line, blank ones too
    EXPECT_EQ(r.nOpenedCalls, 1);

    for (const std::string& bad : {(dir.Path() / "missing").string(), dir.Path().string(), std::string()}) {
        r = ReadFile(bad);
        EXPECT_FALSE(r.bOpened) << bad;
        EXPECT_EQ(r.nCounted, 0);
        EXPECT_EQ(r.nOpenedCalls, 0);
        EXPECT_TRUE(r.records.empty());
    }

    // A dispatcher may leave lines in the record: the next one starts empty.
    Records seen;
    ex::ReadRecordFile(
        dir.Write("g", ".A\n..1\n.B\n..2\n"), [] {},
        [&](Lines& rec) {
            seen.push_back(rec);
            if (!rec.empty())
                rec.pop_back();
        });
    EXPECT_EQ(seen, (Records{{}, {".A", "..1"}, {".B", "..2"}}));
}

struct NetRead {
    Records classes;
    Records props;
    int nCounted = 0;
};

NetRead NetClassRecords(const std::string& text)
{
    test::TempDir dir;
    NetRead r;
    EXPECT_TRUE(ex::ReadNetClassFile(
        dir.Write("nc", text), [&] { ++r.nCounted; }, [&](Lines& rec) { r.classes.push_back(rec); },
        [&](Lines& rec) { r.props.push_back(rec); }));
    return r;
}

TEST(RecordReader, NetClassFile)
{
    NetRead r = NetClassRecords(".NETCLASS \"A\"\n..X 1\n");
    EXPECT_EQ(r.classes, (Records{{".NETCLASS \"A\"", "..X 1"}}));
    EXPECT_EQ(r.props, (Records{{}}));
    EXPECT_EQ(r.nCounted, 2);

    // Header lines are dropped; ".UNITSX" and ".CREATOR" without a blank are not headers.
    r = NetClassRecords(".VERSION 1\n.DATE x\n.CREATOR me\n.FILETYPE NC\n.UNITS TH\n.OUTPUT_IN_DB_UNITS 1\n"
                        ".UNITSX\n..P 1\n.CREATOR\n");
    EXPECT_TRUE(r.classes.empty());
    EXPECT_EQ(r.props, (Records{{}, {".UNITSX", "..P 1"}, {".CREATOR"}}));
    EXPECT_EQ(r.nCounted, 9);

    // A file ending with a ".NETCLASS" line.
    r = NetClassRecords(".NET_PROP a\n.NETCLASS \"B\"");
    EXPECT_EQ(r.classes, (Records{{".NET_PROP a", ".NETCLASS \"B\""}}));  // the pending one-line record goes along
    EXPECT_EQ(r.props, (Records{{}, {}}));

    // A pending record of three lines goes to the properties first.
    r = NetClassRecords(".P 1\n..Q\n..R\n.NETCLASS c\n..Y\n..Z\n");
    EXPECT_EQ(r.props, (Records{{}, {".P 1", "..Q", "..R"}, {"..Z"}}));
    EXPECT_EQ(r.classes, (Records{{".NETCLASS c", "..Y"}}));

    // The line after ".NETCLASS" is taken whatever it holds, and counted.
    r = NetClassRecords(".netclass a\n\n.NETCLASS b\n.VERSION 2\n.NETCLASS c\n  .NET x  \nmore\n");
    EXPECT_EQ(r.classes, (Records{{".netclass a", ""}, {".NETCLASS b", ".VERSION 2"}, {".NETCLASS c", ".NET x"}}));
    EXPECT_EQ(r.props, (Records{{"more"}}));
    EXPECT_EQ(r.nCounted, 7);
}

// --- The workers, run on this thread.

class WorkerTest : public ::testing::Test {
protected:
    void SetUp() override { g_evWorkerDone.Lock(std::chrono::milliseconds(0)); }
    void TearDown() override { g_evWorkerDone.Lock(std::chrono::milliseconds(0)); }

    // Runs a worker over one file and checks its count against the loader's total.
    int Run(unsigned int (*worker)(void*), const std::string& path)
    {
        FileWorkerParam p;
        p.sFilePath = path;
        p.pExpedition = &m_root;
        EXPECT_EQ(worker(&p), 0u);
        EXPECT_TRUE(p.bEnded.load());
        EXPECT_EQ(p.nLinesRead.load(), m_loader.nGetFileLineCount(path, 0)) << path;
        EXPECT_EQ(p.bReachedEnd.load(), p.nLinesRead.load() > 0);
        EXPECT_EQ(g_evWorkerDone.Lock(std::chrono::milliseconds(0)), p.bReachedEnd.load());
        return p.nLinesRead.load();
    }

    test::TempDir m_dir;
    CExExpedition m_root;
    CPC_Corvane_Get m_loader;  // for line totals; made once, as it clears the header strings
};

TEST_F(WorkerTest, CountsMatchTheLineTotalOnOddFiles)
{
    const std::vector<std::string> files = {
        m_dir.Write("plain", ".A 1\n..B 2\n"),
        m_dir.Write("crlf", ".A\r\n..B\r\n\r\n"),
        m_dir.Write("lonecr", ".A\r..B\r.C"),
        m_dir.Write("nul", ".A\0\n\0\0\n"s),
        m_dir.Write("notrailing", ".A\n..B"),
        m_dir.Write("empty", ""),
        m_dir.Write("huge", ".A\n" + std::string(10u << 20, '.') + "\n"),
    };
    unsigned int (*const workers[])(void*) = {&JobPrefFileWorker,     &CellLibFileWorker, &LayoutFileWorker,
                                              &PadstackLibFileWorker, &NetClassFileWorker, &PartsDbFileWorker};
    for (const std::string& f : files)
        for (auto* w : workers)
            EXPECT_GT(Run(w, f), 0);
    EXPECT_EQ(Run(&LayoutFileWorker, m_dir.Write("one", "")), 1);

    EXPECT_EQ(test::SetMembers(m_root), test::kAllMembers);
}

TEST_F(WorkerTest, FileThatCannotBeOpened)
{
    for (const std::string& bad : {(m_dir.Path() / "missing").string(), m_dir.Path().string()}) {
        EXPECT_EQ(Run(&LayoutFileWorker, bad), 0);
        EXPECT_EQ(Run(&NetClassFileWorker, bad), 0);
        EXPECT_EQ(Run(&CellLibFileWorker, bad), 0);
    }
    EXPECT_EQ(test::SetMembers(m_root), "");  // nothing was created
}

TEST_F(WorkerTest, MembersKeptOrReplaced)
{
    const std::string f = m_dir.Write("f", "\n");
    Run(&CellLibFileWorker, f);
    Run(&PadstackLibFileWorker, f);
    Run(&LayoutFileWorker, f);
    Run(&NetClassFileWorker, f);
    m_root.pCellLibrary->sVersion = "kept";
    m_root.pPadstackLibrary->sVersion = "kept";
    m_root.pLayout->sVersion = "old";
    m_root.pNetClassArray->Add(new CExNetClass);  // the worker frees it when it replaces the array

    g_sPadstackTechnology = "Tech A";
    Run(&CellLibFileWorker, f);
    Run(&PadstackLibFileWorker, f);
    Run(&LayoutFileWorker, f);
    Run(&NetClassFileWorker, f);
    EXPECT_EQ(m_root.pCellLibrary->sVersion, "kept");
    EXPECT_EQ(m_root.pPadstackLibrary->sVersion, "kept");
    EXPECT_EQ(m_root.pPadstackLibrary->sPadstackTechnology, "Tech A");  // copied on every run
    EXPECT_EQ(m_root.pLayout->sVersion, "");
    EXPECT_EQ(m_root.pNetClassArray->GetSize(), 0);

    // A file that cannot be opened leaves the member as it was.
    m_root.pLayout->sVersion = "stays";
    g_sPadstackTechnology = "Tech B";
    Run(&LayoutFileWorker, (m_dir.Path() / "missing").string());
    Run(&PadstackLibFileWorker, (m_dir.Path() / "missing").string());
    EXPECT_EQ(m_root.pLayout->sVersion, "stays");
    EXPECT_EQ(m_root.pPadstackLibrary->sPadstackTechnology, "Tech A");
    g_sPadstackTechnology.clear();
}

TEST_F(WorkerTest, ListWorkers)
{
    const std::string a = m_dir.Write("a", ".A\n..B\n");
    const std::string b = m_dir.Write("b", ".C\n");
    FileWorkerParam p;
    p.saFilePaths = {a, (m_dir.Path() / "missing").string(), b};
    p.pExpedition = &m_root;
    EXPECT_EQ(CellLibListWorker(&p), 0u);
    EXPECT_EQ(p.nLinesRead.load(), 3 + 0 + 2);
    EXPECT_TRUE(p.bEnded.load());
    EXPECT_TRUE(g_evWorkerDone.Lock(std::chrono::milliseconds(0)));
    ASSERT_NE(m_root.pCellLibrary, nullptr);

    FileWorkerParam empty;
    empty.pExpedition = &m_root;
    EXPECT_EQ(PadstackLibListWorker(&empty), 0u);
    EXPECT_EQ(empty.nLinesRead.load(), 0);
    EXPECT_FALSE(empty.bReachedEnd.load());
    EXPECT_FALSE(g_evWorkerDone.Lock(std::chrono::milliseconds(0)));
    EXPECT_EQ(m_root.pPadstackLibrary, nullptr);
}

} // namespace
