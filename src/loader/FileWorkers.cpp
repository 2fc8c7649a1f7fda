#include "loader/FileWorkers.h"

#include <string_view>

#include "cell/ExCell_Library.h"
#include "core/ExExpedition.h"
#include "core/Grouping.h"
#include "core/LineReader.h"
#include "core/StringOps.h"
#include "jobprefs/ExJobPreferences.h"
#include "layout/ExLayout.h"
#include "loader/PC_Corvane_Get.h"
#include "loader/WorkerProgress.h"
#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"
#include "padstack/ExPadstack_Library.h"
#include "parts/ExLibPart.h"

namespace {

using Record = std::vector<std::string>;

// The progress loop is woken this often while a worker reads.
constexpr int kNotifyEvery = 1 << 15;

FileWorkerParam& Param(void* p) { return *static_cast<FileWorkerParam*>(p); }

// Counts one line and now and then wakes the progress loop.
class LineCounter {
public:
    explicit LineCounter(FileWorkerParam& p) : m_p(p) {}
    void Count()
    {
        m_p.nLinesRead.fetch_add(1, std::memory_order_relaxed);
        if (++m_nSince == kNotifyEvery) {
            m_nSince = 0;
            ex::WorkerProgress().Notify();
        }
    }

private:
    FileWorkerParam& m_p;
    int m_nSince = 0;
};

// Runs a worker body and marks the worker ended whichever way it leaves; a
// parse never waits for a worker that stopped early.
template <class Body>
unsigned int RunWorker(void* pParam, Body body)
{
    FileWorkerParam& p = Param(pParam);
    try {
        body(p);
    } catch (...) {
        // A worker must not take the process down; what it read so far stays.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
        throw;  // under a fuzzer an escaping exception is a finding
#endif
    }
    p.bEnded.store(true);
    ex::WorkerProgress().Notify();
    return 0;
}

// The end of a file: the last count, close, and tell the loader.
void ReachEnd(FileWorkerParam& p, ex::LineReader& reader)
{
    p.nLinesRead.fetch_add(1, std::memory_order_relaxed);
    reader.Close();
    p.bReachedEnd.store(true);
    g_evWorkerDone.SetEvent();
}

// The common reader: level-1 lines open records, deeper lines join them,
// lines without a dot continue the line before. Every record is handed over,
// also an empty one before the first keyword line and at the end of a file.
template <class Prepare, class Dispatch>
void ReadRecords(FileWorkerParam& p, Prepare prepare, Dispatch dispatch)
{
    ex::LineReader reader;
    if (!reader.Open(p.sFilePath))
        return;
    prepare(*p.pExpedition);
    auto handOver = [&](Record& record) { dispatch(*p.pExpedition, record); };
    ex::LineGrouper<decltype(handOver)> grouper({1, 0, true}, handOver);
    LineCounter counter(p);
    std::string_view line;
    while (reader.ReadLine(line)) {
        counter.Count();
        grouper.AddView(ex::TrimView(line));
    }
    grouper.Finish(true);
    ReachEnd(p, reader);
}

template <class T>
void Replace(T*& member)
{
    delete member;
    member = new T;
}

template <class T>
void CreateIfNone(T*& member)
{
    if (!member)
        member = new T;
}

// The net arrays do not own their elements.
template <class Array>
void ReplaceNetArray(Array*& member)
{
    if (member) {
        member->DeleteAll();
        delete member;
    }
    member = new Array;
}

// One single-file worker run on this thread for each file of the list.
void RunList(FileWorkerParam& p, unsigned int (*worker)(void*))
{
    for (const std::string& path : p.saFilePaths) {
        FileWorkerParam inner;
        inner.sFilePath = path;
        inner.pExpedition = p.pExpedition;
        worker(&inner);
        p.nLinesRead.fetch_add(inner.nLinesRead.load(), std::memory_order_relaxed);
        if (inner.bReachedEnd.load())
            p.bReachedEnd.store(true);
        ex::WorkerProgress().Notify();
    }
}

bool IsNetClassHeader(std::string_view line)
{
    static constexpr std::string_view kHeaders[] = {".VERSION", ".DATE", ".CREATOR ", ".FILETYPE ", ".UNITS ",
                                                    ".OUTPUT_IN_DB_UNITS "};
    for (std::string_view h : kHeaders)
        if (ex::StartsWithNoCase(line, h))
            return true;
    return false;
}

} // namespace

unsigned int JobPrefFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        ReadRecords(
            p, [](CExExpedition& root) { Replace(root.pJobPreferences); },
            [](CExExpedition& root, Record& r) { root.pJobPreferences->SetData(r); });
    });
}

unsigned int CellLibFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        ReadRecords(
            p, [](CExExpedition& root) { CreateIfNone(root.pCellLibrary); },
            [](CExExpedition& root, Record& r) { root.pCellLibrary->SetData(r, g_sUnits); });
    });
}

unsigned int LayoutFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        const int bRemoveNet = p.bRemoveNet;
        ReadRecords(
            p, [](CExExpedition& root) { Replace(root.pLayout); },
            [bRemoveNet](CExExpedition& root, Record& r) { root.pLayout->SetData(r, g_sUnits, bRemoveNet); });
    });
}

unsigned int PadstackLibFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        ReadRecords(
            p,
            [](CExExpedition& root) {
                CreateIfNone(root.pPadstackLibrary);
                root.pPadstackLibrary->sPadstackTechnology = g_sPadstackTechnology;
            },
            [](CExExpedition& root, Record& r) { root.pPadstackLibrary->SetData(r, g_sUnits); });
    });
}

unsigned int PartsDbFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        ReadRecords(
            p, [](CExExpedition& root) { Replace(root.pLibPart); },
            [](CExExpedition& root, Record& r) { root.pLibPart->SetData(r); });
    });
}

// The net class file has its own grouping: a ".NETCLASS" line and exactly the
// one line after it make a net class record; every other record is a net
// property record; header lines are dropped.
unsigned int NetClassFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        ex::LineReader reader;
        if (!reader.Open(p.sFilePath))
            return;
        CExExpedition& root = *p.pExpedition;
        ReplaceNetArray(root.pNetConnectionArray);
        ReplaceNetArray(root.pNetClassArray);
        ReplaceNetArray(root.pNetPropArray);

        Record record;
        LineCounter counter(p);
        std::string_view raw;
        while (reader.ReadLine(raw)) {
            counter.Count();
            const std::string_view line = ex::TrimView(raw);
            if (line.empty() || IsNetClassHeader(line))
                continue;
            if (ex::StartsWithNoCase(line, ".NETCLASS")) {
                if (record.size() > 2) {
                    root.pNetPropArray->SetData(record);
                    record.clear();
                }
                record.emplace_back(line);
                if (reader.ReadLine(raw)) {
                    counter.Count();
                    record.emplace_back(ex::TrimView(raw));
                }
                root.pNetClassArray->SetData(record);
                record.clear();
            } else if (ex::LeadingDots(line) >= 2) {
                record.emplace_back(line);
            } else if (ex::LeadingDots(line) == 1) {
                root.pNetPropArray->SetData(record);
                record.clear();
                record.emplace_back(line);
            } else if (record.empty()) {
                record.emplace_back(line);
            } else {
                record.back() += line;
            }
        }
        root.pNetPropArray->SetData(record);
        record.clear();
        ReachEnd(p, reader);
    });
}

unsigned int CellLibListWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) { RunList(p, &CellLibFileWorker); });
}

unsigned int PadstackLibListWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) { RunList(p, &PadstackLibFileWorker); });
}
