#include "loader/FileWorkers.h"

#include <exception>
#include <memory>
#include <new>

#include "cell/CellLibraryRecords.h"
#include "cell/ExCell_Library.h"
#include "cell/ExPackage_Cell.h"
#include "core/ExExpedition.h"
#include "jobprefs/ExJobPreferences.h"
#include "layout/ExLayout.h"
#include "layout/LayoutRecords.h"
#include "layout/ExNet.h"
#include "layout/ExPlane_ActualShape.h"
#include "loader/HelperPool.h"
#include "loader/PC_Corvane_Get.h"
#include "loader/RecordPipeline.h"
#include "loader/RecordReader.h"
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

// Counts one line and now and then wakes the progress loop. Only this worker
// writes the counter, so a plain load and store will do.
class LineCounter {
public:
    explicit LineCounter(FileWorkerParam& p) : m_p(p) {}
    void operator()()
    {
        m_p.nLinesRead.store(m_p.nLinesRead.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
        if (++m_nSince == kNotifyEvery) {
            m_nSince = 0;
            ex::WorkerProgress().Notify();
        }
    }

private:
    FileWorkerParam& m_p;
    int m_nSince = 0;
};

// The report of the file a worker reads now.
ex::FileReadReport& NewReport(FileWorkerParam& p)
{
    ex::FileReadReport& report = p.reports.emplace_back();
    report.sPath = p.sFilePath;
    return report;
}

// Notes on the worker's last report that its file stopped early, and why.
void ReportStop(FileWorkerParam& p, const std::exception_ptr& error) noexcept
{
    try {
        ex::FileReadReport& report = p.reports.empty() ? NewReport(p) : p.reports.back();
        report.bStopped = true;
        try {
            std::rethrow_exception(error);
        } catch (const std::bad_alloc&) {
            report.sError = "out of memory";
        } catch (const std::exception& e) {
            report.sError = e.what();
        } catch (...) {
            report.sError = "unknown exception";
        }
    } catch (...) {
        // Out of memory even for the message: the worker still ends.
    }
}

// Runs a worker body and marks the worker ended whichever way it leaves; a
// parse never waits for a worker that stopped early.
template <class Body>
unsigned int RunWorker(void* pParam, Body body)
{
    FileWorkerParam& p = Param(pParam);
    try {
        body(p);
    } catch (...) {
        // A worker must not take the process down; what it read so far stays,
        // and its report tells the host where and why it stopped.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
        throw;  // under a fuzzer an escaping exception is a finding
#endif
        ReportStop(p, std::current_exception());
    }
    p.bEnded.store(true);
    ex::WorkerProgress().Notify();
    return 0;
}

// The end of a file: the last count, and tell the loader.
void ReachEnd(FileWorkerParam& p)
{
    p.nLinesRead.fetch_add(1, std::memory_order_relaxed);
    p.bReachedEnd.store(true);
    g_evWorkerDone.SetEvent();
}

// The common reader over the worker's file; prepare makes sure the root
// member exists once the file is open; finish runs after the last record.
template <class Prepare, class Dispatch, class Finish = ex::NoAction>
void ReadRecords(FileWorkerParam& p, Prepare prepare, Dispatch dispatch, Finish finish = Finish{})
{
    CExExpedition& root = *p.pExpedition;
    if (ex::ReadRecordFile(
            p.sFilePath, LineCounter(p), [&](Record& record) { dispatch(root, record); }, [&] { prepare(root); },
            &NewReport(p))) {
        finish();
        ReachEnd(p);
    }
}

// A record parsed on the worker while the helpers may hold records before
// it, and parts of it: its log entries wait in a pair of their own and join
// the owner's logs in file order. The shape groups of actual plane shapes go
// to the helpers.
class WorkerParse final : public ex::ActualShapeSink {
public:
    WorkerParse(ex::RecordPipeline& pipeline, CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
        : m_pipeline(pipeline), m_pIgnoreLog(pIgnoreLog), m_pNotUsedLog(pNotUsedLog)
    {
    }

    void Take(CExPlane_ActualShape& target, Record& group, const std::string& context, int flag,
              double dScale) override
    {
        Finish();
        m_pipeline.Submit<CExPlane_ActualShape>(
            group, &target, m_pIgnoreLog, m_pNotUsedLog,
            [context, flag, dScale](CExPlane_ActualShape& parsed, Record& g, CExTemporaryArray* ig,
                                    CExTemporaryArray* nu) {
                CExPlane_ActualShape::SetActualShapeData(&parsed, g, context, flag, ig, nu, dScale);
            },
            &ex::MoveHelperShapes);
    }

    // The entries logged since the last hand-over join the queue.
    void Finish() { m_pipeline.SubmitLogs(ignoreLog, notUsedLog, m_pIgnoreLog, m_pNotUsedLog); }

    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

private:
    ex::RecordPipeline& m_pipeline;
    CExTemporaryArray* m_pIgnoreLog;
    CExTemporaryArray* m_pNotUsedLog;
};

// A record whose row may be parsed on a helper goes to the pipeline's
// helpers, into an owner of their own, with the logs and scale the owner has
// now; every other record waits for them and is parsed on this thread, as
// the owner's SetData would.
template <class Owner>
void Dispatch(ex::RecordPipeline& pipeline, const ex::RecordTable<Owner>& table, Owner& owner, Record& r)
{
    const ex::GroupRow<Owner>* row = ex::FindRecordRow(table, r);
    if (row == nullptr || !row->ParsedOnHelper()) {
        pipeline.Drain();
        WorkerParse parse(pipeline, owner.pIgnoreLog, owner.pNotUsedLog);
        const ex::ActualShapeSink::Scope scope(parse);
        ex::TakeRecord(table, owner, r, {{}, 1, &parse.ignoreLog, &parse.notUsedLog, owner.dScale, g_sUnits});
        parse.Finish();
        return;
    }
    pipeline.Submit<Owner>(
        r, &owner, owner.pIgnoreLog, owner.pNotUsedLog,
        [table, dScale = owner.dScale](Owner& parsed, Record& record, CExTemporaryArray* ig, CExTemporaryArray* nu) {
            ex::TakeRecord(table, parsed, record, {{}, 1, ig, nu, dScale});
        },
        [table](Owner& parsed, Owner& target) { ex::MoveParsed(table, parsed, target); });
}

void DispatchLayout(ex::RecordPipeline& pipeline, CExLayout& l, Record& r, int bRemoveNet)
{
    Dispatch(pipeline, ex::LayoutRecords(bRemoveNet), l, r);
}

void DispatchCellLibrary(ex::RecordPipeline& pipeline, CExCell_Library& lib, Record& r)
{
    Dispatch(pipeline, ex::CellLibraryRecords(), lib, r);
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

// The parse's helpers, or the worker's own when it was given none.
class Helpers {
public:
    explicit Helpers(FileWorkerParam& p)
        : m_pOwn(p.pHelpers != nullptr ? nullptr : std::make_unique<ex::HelperPool>()),
          m_pool(p.pHelpers != nullptr ? *p.pHelpers : *m_pOwn)
    {
    }
    ex::HelperPool& operator*() const { return m_pool; }

private:
    std::unique_ptr<ex::HelperPool> m_pOwn;
    ex::HelperPool& m_pool;
};

// One single-file worker run on this thread for each file of the list.
void RunList(FileWorkerParam& p, unsigned int (*worker)(void*))
{
    for (const std::string& path : p.saFilePaths) {
        FileWorkerParam inner;
        inner.sFilePath = path;
        inner.pExpedition = p.pExpedition;
        inner.pHelpers = p.pHelpers;
        worker(&inner);
        for (ex::FileReadReport& report : inner.reports)
            p.reports.push_back(std::move(report));
        p.nLinesRead.fetch_add(inner.nLinesRead.load(), std::memory_order_relaxed);
        if (inner.bReachedEnd.load())
            p.bReachedEnd.store(true);
        ex::WorkerProgress().Notify();
    }
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
        const Helpers helpers(p);
        ex::RecordPipeline pipeline(*helpers);
        ReadRecords(
            p, [](CExExpedition& root) { CreateIfNone(root.pCellLibrary); },
            [&pipeline](CExExpedition& root, Record& r) { DispatchCellLibrary(pipeline, *root.pCellLibrary, r); },
            [&pipeline] { pipeline.Drain(); });
    });
}

unsigned int LayoutFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        const int bRemoveNet = p.bRemoveNet;
        const Helpers helpers(p);
        ex::RecordPipeline pipeline(*helpers);
        ReadRecords(
            p, [](CExExpedition& root) { Replace(root.pLayout); },
            [&pipeline, bRemoveNet](CExExpedition& root, Record& r) {
                DispatchLayout(pipeline, *root.pLayout, r, bRemoveNet);
            },
            [&pipeline] { pipeline.Drain(); });
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

// The net class file has its own grouping (see ex::ReadNetClassFile).
unsigned int NetClassFileWorker(void* pParam)
{
    return RunWorker(pParam, [](FileWorkerParam& p) {
        CExExpedition& root = *p.pExpedition;
        const bool bRead = ex::ReadNetClassFile(
            p.sFilePath, LineCounter(p), [&](Record& r) { root.pNetClassArray->SetData(r); },
            [&](Record& r) { root.pNetPropArray->SetData(r); },
            [&] {
                ReplaceNetArray(root.pNetConnectionArray);
                ReplaceNetArray(root.pNetClassArray);
                ReplaceNetArray(root.pNetPropArray);
            },
            &NewReport(p));
        if (bRead)
            ReachEnd(p);
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
