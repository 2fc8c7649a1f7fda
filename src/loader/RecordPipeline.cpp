#include "loader/RecordPipeline.h"

#include <algorithm>

namespace ex {

namespace {
// Batches parsed ahead of the one being moved in: enough to keep the helpers
// busy, few enough that memory holds only a handful of batches.
constexpr std::size_t kMaxInFlight = 8;
// Room for lines in emptied records kept for reuse: a few batches' worth.
constexpr std::size_t kMaxSpareRoom = 8 * 4096;
} // namespace

RecordPipeline::RecordPipeline(unsigned nHelpers)
{
    for (unsigned i = 0; i < nHelpers; ++i)
        m_helpers.emplace_back([this] { HelperLoop(); });
}

RecordPipeline::~RecordPipeline()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
        m_toParse.clear();
    }
    m_work.notify_all();
    for (std::thread& t : m_helpers)
        t.join();
}

unsigned RecordPipeline::DefaultHelpers()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n <= 1 ? 0 : std::min(n, 8u);
}

void RecordPipeline::Flush()
{
    if (m_pBatch == nullptr)
        return;
    std::unique_ptr<Job> job = std::move(m_pBatch);
    m_pBatchTarget = nullptr;
    m_nBatchLines = 0;
    if (m_helpers.empty()) {
        job->ParseAll();
        if (job->error)
            std::rethrow_exception(job->error);
        job->Commit();
        Recycle(job->records);
        return;
    }
    Enqueue(std::move(job), true);
}

void RecordPipeline::Enqueue(std::unique_ptr<Job> job, bool bParse)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (bParse)
            m_toParse.push_back(job.get());
        else
            job->bDone = true;
        m_inFlight.push_back(std::move(job));
    }
    if (bParse)
        m_work.notify_one();
    CommitFront(false);
    while (m_inFlight.size() >= kMaxInFlight)
        CommitFront(true);
}

void RecordPipeline::SubmitLogs(CExTemporaryArray& ignoreLog, CExTemporaryArray& notUsedLog,
                                CExTemporaryArray* targetIgnoreLog, CExTemporaryArray* targetNotUsedLog)
{
    if (ignoreLog.IsEmpty() && notUsedLog.IsEmpty())
        return;
    Flush();
    auto job = std::make_unique<LogJob>();
    MoveAll(ignoreLog, job->ignoreLog);
    MoveAll(notUsedLog, job->notUsedLog);
    job->targetIgnoreLog = targetIgnoreLog;
    job->targetNotUsedLog = targetNotUsedLog;
    if (m_inFlight.empty())
        job->Commit();
    else
        Enqueue(std::move(job), false);
}

void RecordPipeline::Drain()
{
    Flush();
    while (!m_inFlight.empty())
        CommitFront(true);
}

void RecordPipeline::CommitFront(bool bWait)
{
    for (;;) {
        std::unique_ptr<Job> job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_inFlight.empty())
                return;
            if (bWait)
                m_done.wait(lock, [this] { return m_inFlight.front()->bDone; });
            else if (!m_inFlight.front()->bDone)
                return;
            job = std::move(m_inFlight.front());
            m_inFlight.pop_front();
        }
        bWait = false;
        if (job->error)
            std::rethrow_exception(job->error);
        job->Commit();
        Recycle(job->records);
    }
}

void RecordPipeline::Recycle(std::vector<std::vector<std::string>>& records)
{
    for (std::vector<std::string>& record : records) {
        const std::size_t room = record.capacity();
        if (room == 0 || m_nSpareRoom + room > kMaxSpareRoom)
            continue;
        m_nSpareRoom += room;
        m_spare.push_back(std::move(record));
    }
}

void RecordPipeline::ReuseSpare(std::vector<std::string>& record)
{
    if (m_spare.empty())
        return;
    m_nSpareRoom -= m_spare.back().capacity();
    record.swap(m_spare.back());
    m_spare.pop_back();
}

void RecordPipeline::HelperLoop()
{
    for (;;) {
        Job* job = nullptr;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_work.wait(lock, [this] { return m_bStop || !m_toParse.empty(); });
            if (m_bStop)
                return;
            job = m_toParse.front();
            m_toParse.pop_front();
        }
        job->ParseAll();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            job->bDone = true;
        }
        m_done.notify_all();
    }
}

} // namespace ex
