#include "loader/HelperPool.h"

#include <algorithm>
#include <utility>

namespace ex {

HelperPool::HelperPool(unsigned nThreads) : m_running(nThreads, nullptr)
{
    for (unsigned i = 0; i < nThreads; ++i)
        m_threads.emplace_back([this, i] { Loop(i); });
}

HelperPool::~HelperPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
        m_tasks.clear();
    }
    m_work.notify_all();
    for (std::thread& t : m_threads)
        t.join();
}

unsigned HelperPool::DefaultHelpers()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n <= 1 ? 0 : std::min(n, 8u);
}

void HelperPool::Run(const void* owner, std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tasks.push_back({owner, std::move(task)});
    }
    m_work.notify_one();
}

void HelperPool::Withdraw(const void* owner)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::erase_if(m_tasks, [owner](const Task& t) { return t.owner == owner; });
    m_ended.wait(lock, [&] { return std::find(m_running.begin(), m_running.end(), owner) == m_running.end(); });
}

void HelperPool::Loop(std::size_t slot)
{
    for (;;) {
        std::function<void()> run;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_work.wait(lock, [this] { return m_bStop || !m_tasks.empty(); });
            if (m_bStop)
                return;
            m_running[slot] = m_tasks.front().owner;
            run = std::move(m_tasks.front().run);
            m_tasks.pop_front();
        }
        run();
        run = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_running[slot] = nullptr;
        }
        m_ended.notify_all();
    }
}

} // namespace ex
