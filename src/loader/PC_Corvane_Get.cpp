#include "loader/PC_Corvane_Get.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <thread>

#include "core/ExExpedition.h"
#include "core/HostInterface.h"
#include "core/LineReader.h"
#include "core/StringOps.h"
#include "loader/FileWorkers.h"
#include "loader/HelperPool.h"
#include "loader/WorkerProgress.h"

std::string g_sUnits;
std::string g_sPadstackTechnology;
ex::CEvent g_evWorkerDone;

namespace ex {
ProgressSignal& WorkerProgress()
{
    static ProgressSignal signal;
    return signal;
}
} // namespace ex

namespace {

enum Slot { kJobPref, kCellLib, kLayout, kPadstackLib, kNetClass, kPartsDb, kSlots };

// The order in which bars are moved on each pass.
constexpr Slot kBarOrder[] = {kJobPref, kPadstackLib, kPartsDb, kCellLib, kLayout, kNetClass};

int Percent(int nRead, int nTotal)
{
    if (nTotal <= 0)
        return 100;  // nothing to read: complete from the start
    const int pct = static_cast<int>(static_cast<double>(nRead) / nTotal * 100.0);
    return pct < 0 ? 0 : (pct > 100 ? 100 : pct);
}

// Joins the workers however the parse is left (a host's bar or pump may
// throw): no worker may outlive the parameter blocks declared before it.
class WorkerThreads {
public:
    WorkerThreads() = default;
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;
    ~WorkerThreads() { JoinAll(); }

    void Start(unsigned int (*worker)(void*), FileWorkerParam& param)
    {
        m_threads.emplace_back(worker, static_cast<void*>(&param));
    }
    void JoinAll()
    {
        for (std::thread& t : m_threads)
            if (t.joinable())
                t.join();
    }

private:
    std::vector<std::thread> m_threads;
};

} // namespace

CPC_Corvane_Get::CPC_Corvane_Get()
{
    g_sUnits.clear();
    g_sPadstackTechnology.clear();
}

CPC_Corvane_Get::~CPC_Corvane_Get() = default;

void CPC_Corvane_Get::vSetMExpeditionFilePath(std::string sJobPref, std::string sCellLib, std::string sLayout,
                                              std::string sPadstackLib, std::string sNetClass, std::string sPartsDb)
{
    sJobPrefFilePath = std::move(sJobPref);
    sCellLibFilePath = std::move(sCellLib);
    sLayoutFilePath = std::move(sLayout);
    sPadstackLibFilePath = std::move(sPadstackLib);
    sNetClassFilePath = std::move(sNetClass);
    if (!sPartsDb.empty())
        sPartsDbFilePath = std::move(sPartsDb);
}

void CPC_Corvane_Get::vSetMExpeditionLibFilePath(std::string sJobPref, const std::vector<std::string>& saCellLibs,
                                                 std::string sLayout, const std::vector<std::string>& saPadstackLibs,
                                                 std::string sNetClass, std::string sPartsDb)
{
    sJobPrefFilePath = std::move(sJobPref);
    saCellLibFilePaths = saCellLibs;
    sLayoutFilePath = std::move(sLayout);
    saPadstackLibFilePaths = saPadstackLibs;
    sNetClassFilePath = std::move(sNetClass);
    if (!sPartsDb.empty())
        sPartsDbFilePath = std::move(sPartsDb);
}

void CPC_Corvane_Get::vSetProgressPtr(CProgressCtrl* pJobPref, CProgressCtrl* pCellLib, CProgressCtrl* pLayout,
                                      CProgressCtrl* pPadstackLib, CProgressCtrl* pNetClass, CProgressCtrl* pPartsDb)
{
    pJobPrefProgress = pJobPref;
    pCellLibProgress = pCellLib;
    pLayoutProgress = pLayout;
    pPadstackLibProgress = pPadstackLib;
    pNetClassProgress = pNetClass;
    if (pPartsDb)
        pPartsDbProgress = pPartsDb;
}

int CPC_Corvane_Get::nGetFileLineCount(std::string sPath, int nFlag)
{
    ex::LineReader reader;
    if (!reader.Open(sPath))
        return 0;
    std::int64_t nTotal = 1;
    if (nFlag == 1) {
        // Look at lines only while a header value is still missing.
        std::string_view raw;
        while ((g_sUnits.empty() || g_sPadstackTechnology.empty()) && reader.ReadLine(raw)) {
            ++nTotal;
            const std::string_view line = ex::TrimView(raw);
            if (line.empty())
                continue;
            if (g_sUnits.empty() && ex::StartsWithNoCase(line, ".UNITS"))
                g_sUnits = ex::KeywordValue(line);
            else if (g_sPadstackTechnology.empty() && ex::StartsWithNoCase(line, ".PADSTACK_TECHNOLOGY"))
                g_sPadstackTechnology = ex::KeywordValue(line);
        }
    }
    nTotal += reader.CountRemainingLines();
    return nTotal > INT32_MAX ? INT32_MAX : static_cast<int>(nTotal);
}

int CPC_Corvane_Get::ParseExpeditionOfMFC() { return Parse(false); }

int CPC_Corvane_Get::ParseXpeditionLib() { return Parse(true); }

int CPC_Corvane_Get::Parse(bool bLibrary)
{
    ex::HostInterface& host = ex::GetHostInterface();
    CWnd* pParent = pJobPrefProgress ? pJobPrefProgress->GetParent() : nullptr;
    m_readReports.clear();

    std::array<int, kSlots> totals{};
    if (!bLibrary) {
        totals[kJobPref] = nGetFileLineCount(sJobPrefFilePath, 1);
        totals[kCellLib] = nGetFileLineCount(sCellLibFilePath, 0);
        totals[kLayout] = nGetFileLineCount(sLayoutFilePath, 0);
        totals[kPadstackLib] = nGetFileLineCount(sPadstackLibFilePath, 0);
        totals[kNetClass] = sNetClassFilePath.empty() ? 0 : nGetFileLineCount(sNetClassFilePath, 0);
        totals[kPartsDb] = sPartsDbFilePath.empty() ? 0 : nGetFileLineCount(sPartsDbFilePath, 0);
        if (sJobPrefFilePath.empty() || sCellLibFilePath.empty() || sLayoutFilePath.empty() ||
            sPadstackLibFilePath.empty()) {
            host.MessageBox("No definition for Expedition file path", "WARNING", 48);
            return 0;
        }
    } else {
        totals[kJobPref] = nGetFileLineCount(sJobPrefFilePath, 1);
        totals[kLayout] = nGetFileLineCount(sLayoutFilePath, 0);
        totals[kNetClass] = sNetClassFilePath.empty() ? 0 : nGetFileLineCount(sNetClassFilePath, 0);
        totals[kPartsDb] = sPartsDbFilePath.empty() ? 0 : nGetFileLineCount(sPartsDbFilePath, 0);
        auto sum = [this](const std::vector<std::string>& paths) {
            std::int64_t n = 0;
            for (const std::string& path : paths)
                n += nGetFileLineCount(path, 0);
            return n > INT32_MAX ? INT32_MAX : static_cast<int>(n);
        };
        totals[kCellLib] = sum(saCellLibFilePaths);
        totals[kPadstackLib] = sum(saPadstackLibFilePaths);
    }
    // Without a root there is nothing to fill.
    if (!pExpedition)
        return bLibrary ? 1 : 0;

    std::array<FileWorkerParam, kSlots> params;
    params[kJobPref].sFilePath = sJobPrefFilePath;
    params[kLayout].sFilePath = sLayoutFilePath;
    params[kLayout].bRemoveNet = bRemoveNet;
    params[kNetClass].sFilePath = sNetClassFilePath;
    params[kPartsDb].sFilePath = sPartsDbFilePath;
    if (bLibrary) {
        params[kCellLib].saFilePaths = saCellLibFilePaths;
        params[kPadstackLib].saFilePaths = saPadstackLibFilePaths;
    } else {
        params[kCellLib].sFilePath = sCellLibFilePath;
        params[kPadstackLib].sFilePath = sPadstackLibFilePath;
    }
    // Declared before the workers, so that it outlives them.
    ex::HelperPool helpers;
    for (FileWorkerParam& p : params) {
        p.pExpedition = pExpedition;
        p.pHelpers = &helpers;
    }

    ex::ProgressSignal& progress = ex::WorkerProgress();
    unsigned long seen = progress.Generation();

    // Start order: layout, job preferences, padstack library, parts database,
    // cell library, net class.
    struct Start {
        Slot slot;
        unsigned int (*worker)(void*);
        bool bStart;
    };
    const Start starts[] = {
        {kLayout, &LayoutFileWorker, !bLibrary || !sLayoutFilePath.empty()},
        {kJobPref, &JobPrefFileWorker, !bLibrary || !sJobPrefFilePath.empty()},
        {kPadstackLib, bLibrary ? &PadstackLibListWorker : &PadstackLibFileWorker, true},
        {kPartsDb, &PartsDbFileWorker, !sPartsDbFilePath.empty()},
        {kCellLib, bLibrary ? &CellLibListWorker : &CellLibFileWorker, true},
        {kNetClass, &NetClassFileWorker, !sNetClassFilePath.empty()},
    };
    WorkerThreads threads;
    std::array<bool, kSlots> started{};
    for (const Start& s : starts) {
        if (!s.bStart)
            continue;
        started[s.slot] = true;
        threads.Start(s.worker, params[s.slot]);
    }

    CProgressCtrl* const bars[kSlots] = {pJobPrefProgress, pCellLibProgress, pLayoutProgress,
                                         pPadstackLibProgress, pNetClassProgress, pPartsDbProgress};
    for (;;) {
        host.PumpMessages(progress, seen);
        seen = progress.Generation();
        std::array<int, kSlots> read{};
        for (int s = 0; s < kSlots; ++s)
            read[s] = params[s].nLinesRead.load(std::memory_order_relaxed);
        for (Slot s : kBarOrder)
            if (bars[s])
                bars[s]->SetPos(Percent(read[s], totals[s]));
        if (pParent)
            pParent->UpdateData(false);

        bool bPending = false;
        bool bAllEnded = true;
        for (int s = 0; s < kSlots; ++s) {
            if (read[s] < totals[s])
                bPending = true;
            if (started[s] && !params[s].bEnded.load())
                bAllEnded = false;
        }
        // Also done when every started worker has ended: a file that shrank
        // or vanished after counting never reaches its total.
        if (!bPending)
            break;
        if (bAllEnded) {
            // Everything that could be read has been: the bars end full.
            for (Slot s : kBarOrder)
                if (bars[s])
                    bars[s]->SetPos(100);
            if (pParent)
                pParent->UpdateData(false);
            break;
        }
    }

    threads.JoinAll();
    for (int s = 0; s < kSlots; ++s)
        for (ex::FileReadReport& report : params[s].reports) {
            report.nSlot = s;
            m_readReports.push_back(std::move(report));
        }

    bool bAnyReachedEnd = false;
    for (int s = 0; s < kSlots; ++s)
        bAnyReachedEnd = bAnyReachedEnd || params[s].bReachedEnd.load();
    // No worker that failed to open its file sets the event: do not wait for it.
    if (bAnyReachedEnd)
        g_evWorkerDone.Lock();
    return 1;
}
