#pragma once

// Lets a file worker use more than one core. Records that each add elements
// to one owning array (a net, a package cell) are parsed on helper threads,
// each into an array and two logs of its own; the worker then moves the
// elements and log entries into the real array and logs in file order. A
// record of any other kind waits until everything before it is in place
// (Drain), so the tree and the order of every log are exactly those of
// parsing the records one after another.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/ExTemporary.h"
#include "loader/HelperPool.h"

namespace ex {

class RecordPipeline {
public:
    // Parses on helpers of its own; nHelpers 0: every record is parsed at
    // once on the calling thread.
    explicit RecordPipeline(unsigned nHelpers = HelperPool::DefaultHelpers());
    // Parses on the helpers of a pool shared with other pipelines, which
    // must outlive this one.
    explicit RecordPipeline(HelperPool& helpers);
    RecordPipeline(const RecordPipeline&) = delete;
    RecordPipeline& operator=(const RecordPipeline&) = delete;
    // Waits for the parses under way; results not yet moved are destroyed
    // with their elements.
    ~RecordPipeline();

    // Takes the record (it is left empty). parse(array, record, ignoreLog,
    // notUsedLog) fills a private Array on a helper; its elements and log
    // entries later go to target, ignoreLog and notUsedLog. Records that
    // follow one another to the same target travel to a helper together, a
    // few thousand lines at a time, and are parsed in order with the parse
    // given with the first of them. moveParsed(parsed, target) moves the
    // results in; by default every element of the private array, in order.
    template <class Array>
    void Submit(std::vector<std::string>& record, Array* target, CExTemporaryArray* ignoreLog,
                CExTemporaryArray* notUsedLog,
                std::function<void(Array&, std::vector<std::string>&, CExTemporaryArray*, CExTemporaryArray*)> parse,
                std::function<void(Array&, Array&)> moveParsed = &MoveAll<Array>)
    {
        if (m_pBatch == nullptr || m_pBatchTarget != static_cast<const void*>(target)) {
            Flush();
            m_pBatch = std::make_unique<ArrayJob<Array>>(target, ignoreLog, notUsedLog, std::move(parse),
                                                         std::move(moveParsed));
            m_pBatchTarget = target;
        }
        m_nBatchLines += record.size();
        m_pBatch->records.emplace_back().swap(record);
        ReuseSpare(record);
        if (m_nBatchLines >= kBatchLines || m_helpers.Size() == 0)
            Flush();
    }

    // Log entries made on the owner's thread: they join targetIgnoreLog and
    // targetNotUsedLog after the entries of everything submitted before them.
    // Takes the entries.
    void SubmitLogs(CExTemporaryArray& ignoreLog, CExTemporaryArray& notUsedLog, CExTemporaryArray* targetIgnoreLog,
                    CExTemporaryArray* targetNotUsedLog);

    // Waits for every submitted record and moves its results in place;
    // rethrows what a parse threw.
    void Drain();

private:
    // Lines a batch gathers before it goes: enough to make the hand-over
    // cheap next to the parse, few enough to keep the helpers fed.
    static constexpr std::size_t kBatchLines = 4096;

    struct Job {
        virtual ~Job() = default;
        // On a helper: parses the records in order and frees their lines
        // there; stops at the first record whose parse throws. The emptied
        // records keep their room for the owner to fill again.
        void ParseAll()
        {
            try {
                for (std::vector<std::string>& record : records) {
                    Parse(record);
                    record.clear();
                }
            } catch (...) {
                error = std::current_exception();
                records.clear();
            }
        }
        virtual void Parse(std::vector<std::string>& record) = 0;
        virtual void Commit() = 0;  // on the owner's thread, in file order
        std::vector<std::vector<std::string>> records;
        std::exception_ptr error;
        bool bDone = false;
    };

    // Moves the entries of a private array to the end of the real one.
    template <class A>
    static void MoveAll(A& from, A& to)
    {
        for (auto* p : from)
            to.Add(p);
        from.RemoveAll();
    }

    template <class Array>
    struct ArrayJob : Job {
        using Parser = std::function<void(Array&, std::vector<std::string>&, CExTemporaryArray*, CExTemporaryArray*)>;
        using Mover = std::function<void(Array&, Array&)>;
        ArrayJob(Array* t, CExTemporaryArray* ig, CExTemporaryArray* nu, Parser p, Mover m)
            : target(t), targetIgnoreLog(ig), targetNotUsedLog(nu), parse(std::move(p)), moveParsed(std::move(m))
        {
        }
        void Parse(std::vector<std::string>& record) override { parse(parsed, record, &ignoreLog, &notUsedLog); }
        void Commit() override
        {
            moveParsed(parsed, *target);
            MoveAll(ignoreLog, *targetIgnoreLog);
            MoveAll(notUsedLog, *targetNotUsedLog);
        }
        Array parsed;
        CExTemporaryArray ignoreLog;
        CExTemporaryArray notUsedLog;
        Array* target;
        CExTemporaryArray* targetIgnoreLog;
        CExTemporaryArray* targetNotUsedLog;
        Parser parse;
        Mover moveParsed;
    };

    // Entries waiting for their turn; nothing to parse.
    struct LogJob : Job {
        void Parse(std::vector<std::string>&) override {}
        void Commit() override
        {
            MoveAll(ignoreLog, *targetIgnoreLog);
            MoveAll(notUsedLog, *targetNotUsedLog);
        }
        CExTemporaryArray ignoreLog;
        CExTemporaryArray notUsedLog;
        CExTemporaryArray* targetIgnoreLog = nullptr;
        CExTemporaryArray* targetNotUsedLog = nullptr;
    };

    // Hands the batch being gathered, if any, to the helpers.
    void Flush();
    // Puts a job in line behind those in flight, keeping their number bounded.
    void Enqueue(std::unique_ptr<Job> job, bool bParse);
    // Moves the finished jobs at the front into place; with bWait, waits for
    // the front job first.
    void CommitFront(bool bWait);
    // Keeps the emptied records of a committed job, up to a bounded room;
    // ReuseSpare gives the caller of Submit one back to fill, which saves
    // growing a record line by line.
    void Recycle(std::vector<std::vector<std::string>>& records);
    void ReuseSpare(std::vector<std::string>& record);

    std::unique_ptr<HelperPool> m_pOwnHelpers;
    HelperPool& m_helpers;
    std::mutex m_mutex;
    std::condition_variable m_done;  // a job finished
    std::deque<std::unique_ptr<Job>> m_inFlight;  // file order, owned here
    std::unique_ptr<Job> m_pBatch;  // being gathered on the owner's thread
    std::vector<std::vector<std::string>> m_spare;  // emptied records of committed jobs
    std::size_t m_nSpareRoom = 0;                  // their capacity in lines
    const void* m_pBatchTarget = nullptr;
    std::size_t m_nBatchLines = 0;
};

} // namespace ex
