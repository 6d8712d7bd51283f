#include "aatext/win32/timer_ex.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/win32/message_pump.h"

namespace huecast {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

class TimerExTest : public ::testing::TestWithParam<TTimerQuality> {
  protected:
    TimerExTest() {
        timer.SetQuality(GetParam());
        timer.OnTimer = [this] {
            threads.push_back(GetCurrentThreadId());
            ticks.push_back(GetTickCount64());
        };
    }

    TTimerEx timer;
    std::vector<DWORD> threads;
    std::vector<ULONGLONG> ticks;
};

TEST_P(TimerExTest, WorkerThreadOnlyInTheHighQualities) {
    EXPECT_EQ(timer.HasThread(), GetParam() != TTimerQuality::tqLow);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000);
}

TEST_P(TimerExTest, FirstTickComesAFullIntervalAfterEnablingAndOnTheCallingThread) {
    timer.SetEnabled(false);
    timer.SetInterval(300);  // a new interval leaves the timer running
    EXPECT_TRUE(timer.Enabled());
    PumpFor(150);
    EXPECT_TRUE(ticks.empty());
    ASSERT_TRUE(PumpUntil([&] { return ticks.size() >= 3; }, 5000));
    for (DWORD thread : threads)
        EXPECT_EQ(thread, GetCurrentThreadId());
}

TEST_P(TimerExTest, NoTickAfterDisablingEvenOneAlreadyUnderWay) {
    timer.SetInterval(30);
    // The tick falls due while this thread is busy; the worker is then waiting to hand it over.
    Sleep(120);
    timer.SetEnabled(false);
    PumpFor(200);
    EXPECT_TRUE(ticks.empty());
}

TEST_P(TimerExTest, RestartingPutsTheNextTickAFullIntervalAway) {
    timer.SetInterval(200);
    PumpFor(120);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    PumpFor(120);  // 240 ms after the first start, 120 after the restart
    EXPECT_TRUE(ticks.empty());
    EXPECT_TRUE(PumpUntil([&] { return !ticks.empty(); }, 3000));
}

TEST_P(TimerExTest, TicksNeverOverlapWhenAHandlerRunsTheMessageLoop) {
    int depth = 0, deepest = 0, count = 0;
    timer.OnTimer = [&] {
        ++count;
        deepest = std::max(deepest, ++depth);
        PumpFor(60);  // longer than the interval
        --depth;
    };
    timer.SetInterval(20);
    PumpUntil([&] { return count >= 4; }, 5000);
    EXPECT_GE(count, 4);
    EXPECT_EQ(deepest, 1);
}

TEST_P(TimerExTest, DestroyingWhileATickWaitsToBeHandedOverEndsCleanly) {
    auto doomed = std::make_unique<TTimerEx>();
    doomed->SetQuality(GetParam());
    int fired = 0;
    doomed->OnTimer = [&] { ++fired; };
    doomed->SetInterval(20);
    Sleep(100);
    doomed.reset();
    PumpFor(100);
    EXPECT_EQ(fired, 0);
}

TEST_P(TimerExTest, ChangingQualityKeepsStateAndInterval) {
    timer.SetInterval(50);
    const TTimerQuality other =
        GetParam() == TTimerQuality::tqLow ? TTimerQuality::tqHighest : TTimerQuality::tqLow;
    timer.SetQuality(other);
    EXPECT_EQ(timer.HasThread(), other != TTimerQuality::tqLow);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 50);
    EXPECT_TRUE(PumpUntil([&] { return ticks.size() >= 2; }, 3000));

    timer.SetEnabled(false);
    timer.SetQuality(GetParam());
    ticks.clear();
    PumpFor(150);
    EXPECT_TRUE(ticks.empty());
}

INSTANTIATE_TEST_SUITE_P(Qualities, TimerExTest,
                         ::testing::Values(TTimerQuality::tqLow, TTimerQuality::tqHigh,
                                           TTimerQuality::tqHighest),
                         [](const ::testing::TestParamInfo<TTimerQuality>& quality) {
                             switch (quality.param) {
                                 case TTimerQuality::tqLow:
                                     return "MessageTimer";
                                 case TTimerQuality::tqHigh:
                                     return "Thread";
                                 default:
                                     return "ThreadAboveNormal";
                             }
                         });

}  // namespace
}  // namespace huecast
