#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/Event.h"

namespace {

using namespace std::chrono_literals;

TEST(CEvent, AutoResetAndWakingAnotherThread)
{
    ex::CEvent ev;
    EXPECT_FALSE(ev.Lock(1ms));  // created not set
    ev.SetEvent();
    ev.SetEvent();  // sets do not add up
    EXPECT_TRUE(ev.Lock(1ms));
    EXPECT_FALSE(ev.IsSet());  // a wait consumes it
    EXPECT_FALSE(ev.Lock(1ms));
    ev.SetEvent();
    ev.ResetEvent();
    EXPECT_FALSE(ev.Lock(1ms));

    std::thread setter([&] {
        std::this_thread::sleep_for(20ms);
        ev.SetEvent();
    });
    ev.Lock();  // without a time limit
    setter.join();
    EXPECT_FALSE(ev.IsSet());
}

TEST(ProgressSignal, WaitsUntilNotifiedOrTimeout)
{
    ex::ProgressSignal signal;
    const unsigned long g0 = signal.Generation();
    auto t0 = std::chrono::steady_clock::now();
    signal.WaitPast(g0, 30ms);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, 25ms);

    signal.Notify();
    EXPECT_NE(signal.Generation(), g0);
    t0 = std::chrono::steady_clock::now();
    signal.WaitPast(g0, 10s);  // already past: no wait
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 5s);

    const unsigned long g1 = signal.Generation();
    std::thread notifier([&] {
        std::this_thread::sleep_for(20ms);
        signal.Notify();
    });
    t0 = std::chrono::steady_clock::now();
    signal.WaitPast(g1, 10s);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 5s);
    notifier.join();
}

} // namespace
