#include "loader/FileWorkers.h"

#include "cell/ExCell_Library.h"
#include "cell/ExPackage_Cell.h"
#include "core/ExExpedition.h"
#include "jobprefs/ExJobPreferences.h"
#include "layout/ExLayout.h"
#include "layout/ExNet.h"
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
            p.sFilePath, LineCounter(p), [&](Record& record) { dispatch(root, record); }, [&] { prepare(root); })) {
        finish();
        ReachEnd(p);
    }
}

// Hands a record that only appends to one array (its SetData takes the
// record, a unit word, the two logs and the scale) to the pipeline's helpers.
template <class Array>
void SubmitElements(ex::RecordPipeline& pipeline, Record& record, Array* target, std::string units,
                    CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    pipeline.Submit<Array>(record, target, ignoreLog, notUsedLog,
                           [units = std::move(units), dScale](Array& array, Record& r, CExTemporaryArray* ig,
                                                              CExTemporaryArray* nu) {
                               array.SetData(r, units, ig, nu, dScale);
                           });
}

// The layout's nets (unless they are removed) and placed package cells go to
// the helpers with the arguments CExLayout::SetData would give them; every
// other record waits for them and goes to the dispatcher.
void DispatchLayout(ex::RecordPipeline& pipeline, CExLayout& l, Record& r, int bRemoveNet)
{
    const std::string_view head = r.empty() ? std::string_view() : ex::TrimView(r[0]);
    if (bRemoveNet == 0 && ex::StartsWithNoCase(head, ".NET")) {
        SubmitElements(pipeline, r, l.pNetArray, l.sUnits, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
    } else if (ex::StartsWithNoCase(head, ".PACKAGE_CELL")) {
        SubmitElements(pipeline, r, l.pPackageCellArray, l.sUnits, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
    } else {
        pipeline.Drain();
        l.SetData(r, g_sUnits, bRemoveNet);
    }
}

// The same for the package cells of a cell library (which get no unit word).
void DispatchCellLibrary(ex::RecordPipeline& pipeline, CExCell_Library& lib, Record& r)
{
    if (!r.empty() && ex::StartsWithNoCase(ex::TrimView(r[0]), ".PACKAGE_CELL")) {
        SubmitElements(pipeline, r, lib.pPackageCellArray, "", lib.pIgnoreLog, lib.pNotUsedLog, lib.dScale);
    } else {
        pipeline.Drain();
        lib.SetData(r, g_sUnits);
    }
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
        ex::RecordPipeline pipeline;
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
        ex::RecordPipeline pipeline;
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
            });
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
