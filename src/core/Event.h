#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace ex {

// Auto-reset event, created not set. Lock waits until it is set and unsets it.
class CEvent {
public:
    void SetEvent()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bSet = true;
        }
        m_cv.notify_one();
    }
    void ResetEvent()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bSet = false;
    }
    void Lock()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [this] { return m_bSet; });
        m_bSet = false;
    }
    // Waits at most the given time; true (and unset) when it was set.
    bool Lock(std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_cv.wait_for(lock, timeout, [this] { return m_bSet; }))
            return false;
        m_bSet = false;
        return true;
    }
    bool IsSet()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_bSet;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_bSet = false;
};

// Lets the thread that waits for workers sleep until one of them reports
// progress (or a short time has passed) instead of spinning.
class ProgressSignal {
public:
    void Notify()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_nGeneration;
        }
        m_cv.notify_all();
    }
    unsigned long Generation()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_nGeneration;
    }
    // Returns when the generation differs from `seen` or after the timeout.
    void WaitPast(unsigned long seen, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait_for(lock, timeout, [&] { return m_nGeneration != seen; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    unsigned long m_nGeneration = 0;
};

} // namespace ex
