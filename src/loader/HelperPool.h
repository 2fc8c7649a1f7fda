#pragma once

// The helper threads of a load, one per core, shared by every file worker
// that hands records to helpers: fewer threads than cores' worth per worker,
// and none idle while another worker's records wait.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ex {

class HelperPool {
public:
    // nThreads 0: no helper; callers then parse on their own thread.
    explicit HelperPool(unsigned nThreads = DefaultHelpers());
    HelperPool(const HelperPool&) = delete;
    HelperPool& operator=(const HelperPool&) = delete;
    // Tasks not started are dropped.
    ~HelperPool();

    // One helper per core.
    static unsigned DefaultHelpers();

    unsigned Size() const { return static_cast<unsigned>(m_threads.size()); }

    // Runs task on a helper, after the tasks given before it have started.
    void Run(const void* owner, std::function<void()> task);
    // Drops the owner's tasks that have not started and waits for those that
    // have: afterwards no helper touches what the owner's tasks reach.
    void Withdraw(const void* owner);

private:
    struct Task {
        const void* owner;
        std::function<void()> run;
    };
    void Loop(std::size_t slot);

    std::mutex m_mutex;
    std::condition_variable m_work;   // a task to run, or stop
    std::condition_variable m_ended;  // a task ended
    std::deque<Task> m_tasks;
    std::vector<const void*> m_running;  // owner of the task each helper runs
    bool m_bStop = false;
    std::vector<std::thread> m_threads;
};

} // namespace ex
