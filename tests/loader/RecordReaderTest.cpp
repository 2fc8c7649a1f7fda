#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "expedition.h"
#include "loader/FileWorkers.h"
#include "loader/RecordReader.h"
#include "support/Host.h"
#include "support/TestSupport.h"

namespace {

using namespace std::string_literals;
using test::Lines;
using Records = std::vector<Lines>;

TEST(RecordReader, Grouping)
{
    const std::string big(10u << 20, 'z');
    const struct {
        std::string text;
        Records records;
    } rows[] = {
        {".A 1\n..B 2\n.D 3\n", {{}, {".A 1", "..B 2"}, {".D 3"}}},
        // A continuation joins the line right before it, without a separator.
        {".A\n..XY 1 2\n3 4\n...Z\n  5  \n", {{}, {".A", "..XY 1 23 4", "...Z5"}}},
        // Trimmed, case kept, blank lines ignored, every depth below 1 appended.
        {"\n  \t\n   ..b 2   \n.net \"x\"\n\n.....deep\n", {{"..b 2"}, {".net \"x\"", ".....deep"}}},
        // Lines before the first keyword line form a record of their own.
        {"free\ntext\n.A\n", {{"freetext"}, {".A"}}},
        {"only text", {{"only text"}}},
        // An empty file gives one empty record; a last line without newline counts.
        {"", {{}}},
        {"\n\n", {{}}},
        {".A\n.B", {{}, {".A"}, {".B"}}},
        // CR LF is one newline; a lone CR is an ordinary byte (white space at
        // the ends of a line, kept inside it); NUL bytes stay in the line.
        {".A\r\n..B 1\r\n2\r\n", {{}, {".A", "..B 12"}}},
        {".A\r..B\n..C 1\r2\n", {{}, {".A\r..B", "..C 1\r2"}}},
        {".A\0x\n..B\0\n"s, {{}, {".A\0x"s, "..B\0"s}}},
        {".A\n..XY " + big + "\n.B\n", {{}, {".A", "..XY " + big}, {".B"}}},
    };
    test::TempDir dir;
    for (const auto& row : rows) {
        Records records;
        int nOpened = 0;
        EXPECT_TRUE(ex::ReadRecordFile(
            dir.Write("f", row.text), [] {}, [&](Lines& rec) { records.push_back(rec); },
            [&] {
                ++nOpened;
                EXPECT_TRUE(records.empty());  // before the first record
            }));
        EXPECT_EQ(nOpened, 1);
        EXPECT_TRUE(records == row.records) << row.text.substr(0, 40);
    }
}

TEST(RecordReader, CountsAndFailures)
{
    test::TempDir dir;
    int nCounted = 0;
    EXPECT_TRUE(ex::ReadRecordFile(dir.Write("f", ".A\n\n..B\ncont\n  \n.C"), [&] { ++nCounted; }, [](Lines&) {}));
    EXPECT_EQ(nCounted, 6);  // every line, blank ones too

    for (const std::string& bad : {(dir.Path() / "missing").string(), dir.Path().string(), std::string()}) {
        int nCalls = 0;
        EXPECT_FALSE(ex::ReadRecordFile(
            bad, [&] { ++nCalls; }, [&](Lines&) { ++nCalls; }, [&] { ++nCalls; }))
            << bad;
        EXPECT_EQ(nCalls, 0);
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

// The net class file's own grouping: header lines dropped, the line after a
// class line taken whatever it holds, and what was pending in front of a
// class handed on first.
TEST(RecordReader, NetClassFile)
{
    const struct {
        const char* text;
        Records classes, props;
        int nCounted;
    } rows[] = {
        {".NETCLASS \"A\"\n..X 1\n", {{".NETCLASS \"A\"", "..X 1"}}, {{}}, 2},
        // ".UNITSX" and ".CREATOR" without a blank are not headers.
        {".VERSION 1\n.DATE x\n.CREATOR me\n.FILETYPE NC\n.UNITS TH\n.OUTPUT_IN_DB_UNITS 1\n.UNITSX\n..P 1\n.CREATOR\n",
         {},
         {{}, {".UNITSX", "..P 1"}, {".CREATOR"}},
         9},
        // A file ending with a ".NETCLASS" line: the pending one-line record goes along.
        {".NET_PROP a\n.NETCLASS \"B\"", {{".NET_PROP a", ".NETCLASS \"B\""}}, {{}, {}}, 2},
        // A pending record of three lines goes to the properties first.
        {".P 1\n..Q\n..R\n.NETCLASS c\n..Y\n..Z\n", {{".NETCLASS c", "..Y"}}, {{}, {".P 1", "..Q", "..R"}, {"..Z"}}, 6},
        {".netclass a\n\n.NETCLASS b\n.VERSION 2\n.NETCLASS c\n  .NET x  \nmore\n",
         {{".netclass a", ""}, {".NETCLASS b", ".VERSION 2"}, {".NETCLASS c", ".NET x"}},
         {{"more"}},
         7},
    };
    test::TempDir dir;
    for (const auto& row : rows) {
        Records classes, props;
        int nCounted = 0;
        EXPECT_TRUE(ex::ReadNetClassFile(
            dir.Write("nc", row.text), [&] { ++nCounted; }, [&](Lines& rec) { classes.push_back(rec); },
            [&](Lines& rec) { props.push_back(rec); }));
        EXPECT_EQ(classes, row.classes) << row.text;
        EXPECT_EQ(props, row.props) << row.text;
        EXPECT_EQ(nCounted, row.nCounted) << row.text;
    }
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
    unsigned int (*const workers[])(void*) = {&JobPrefFileWorker,     &CellLibFileWorker, &LayoutFileWorker,
                                              &PadstackLibFileWorker, &NetClassFileWorker, &PartsDbFileWorker};
    // Files that cannot be opened create nothing.
    for (const std::string& bad : {(m_dir.Path() / "missing").string(), m_dir.Path().string()})
        for (auto* w : workers)
            EXPECT_EQ(Run(w, bad), 0);
    EXPECT_EQ(test::SetMembers(m_root), "");

    for (const std::string& f : {m_dir.Write("plain", ".A 1\n..B 2\n"), m_dir.Write("crlf", ".A\r\n..B\r\n\r\n"),
                                 m_dir.Write("lonecr", ".A\r..B\r.C"), m_dir.Write("nul", ".A\0\n\0\0\n"s),
                                 m_dir.Write("notrailing", ".A\n..B"), m_dir.Write("empty", ""),
                                 m_dir.Write("huge", ".A\n" + std::string(10u << 20, '.') + "\n")})
        for (auto* w : workers)
            EXPECT_GT(Run(w, f), 0);
    EXPECT_EQ(test::SetMembers(m_root), test::kAllMembers);
}

TEST_F(WorkerTest, PadstackTechnologyIsCopiedOnEveryRun)
{
    const std::string f = m_dir.Write("f", "\n");
    g_sPadstackTechnology = "Tech A";
    Run(&PadstackLibFileWorker, f);
    m_root.pPadstackLibrary->sVersion = "kept";
    Run(&PadstackLibFileWorker, f);
    EXPECT_EQ(m_root.pPadstackLibrary->sVersion, "kept");
    EXPECT_EQ(m_root.pPadstackLibrary->sPadstackTechnology, "Tech A");
    // A file that cannot be opened leaves the library as it was.
    g_sPadstackTechnology = "Tech B";
    Run(&PadstackLibFileWorker, (m_dir.Path() / "missing").string());
    EXPECT_EQ(m_root.pPadstackLibrary->sPadstackTechnology, "Tech A");
    g_sPadstackTechnology.clear();
}

TEST_F(WorkerTest, ListWorkers)
{
    FileWorkerParam p;
    p.saFilePaths = {m_dir.Write("a", ".A\n..B\n"), (m_dir.Path() / "missing").string(), m_dir.Write("b", ".C\n")};
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
