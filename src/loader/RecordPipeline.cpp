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
    : m_pOwnHelpers(std::make_unique<HelperPool>(nHelpers)), m_helpers(*m_pOwnHelpers)
{
}

RecordPipeline::RecordPipeline(HelperPool& helpers) : m_helpers(helpers) {}

RecordPipeline::~RecordPipeline() { m_helpers.Withdraw(this); }

void RecordPipeline::Flush()
{
    if (m_pBatch == nullptr)
        return;
    std::unique_ptr<Job> job = std::move(m_pBatch);
    m_pBatchTarget = nullptr;
    m_nBatchLines = 0;
    if (m_helpers.Size() == 0) {
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
    Job* parse = bParse ? job.get() : nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        job->bDone = !bParse;
        m_inFlight.push_back(std::move(job));
    }
    if (parse != nullptr)
        m_helpers.Run(this, [this, parse] {
            parse->ParseAll();
            // Told under the lock: once it is released this task touches
            // nothing of the pipeline.
            std::lock_guard<std::mutex> lock(m_mutex);
            parse->bDone = true;
            m_done.notify_all();
        });
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

} // namespace ex
