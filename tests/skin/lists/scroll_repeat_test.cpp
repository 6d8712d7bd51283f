#include "skin/lists/scroll_repeat.h"

#include <gtest/gtest.h>

namespace huecast::skin {
namespace {

using Mode = ScrollRepeat::Mode;

// Runs the timer for `ms` at whatever interval the machine asks for; returns the steps taken and when.
struct Clock {
    explicit Clock(ScrollRepeat& r) : repeat(r) {}
    ScrollRepeat& repeat;
    int now = 0;
    int nextTick = 0;
    std::vector<int> steps;

    void Restart() { nextTick = repeat.TimerInterval() > 0 ? now + repeat.TimerInterval() : -1; }
    void Advance(int ms, bool onPagingSide = true) {
        const int end = now + ms;
        while (nextTick >= 0 && nextTick <= end) {
            now = nextTick;
            const int before = repeat.TimerInterval();
            if (repeat.Tick(onPagingSide)) steps.push_back(now);
            // A window restarts its timer only when the interval changes; otherwise it keeps its rhythm.
            if (repeat.TimerInterval() != before)
                Restart();
            else
                nextTick = now + repeat.TimerInterval();
        }
        now = end;
    }
};

TEST(ScrollRepeat, HeldButtonStepsAtOnceThenAfterTheDelayThenEveryFiftyMs) {
    ScrollRepeat repeat;
    Clock clock{repeat};
    repeat.Press(Mode::Increment);
    clock.steps.push_back(0);  // the press's own step
    clock.Restart();
    EXPECT_EQ(repeat.TimerInterval(), 500);
    clock.Advance(499);
    EXPECT_EQ(clock.steps, (std::vector<int>{0}));
    clock.Advance(201);  // to 700 ms
    EXPECT_EQ(clock.steps, (std::vector<int>{0, 550, 600, 650, 700}));
    EXPECT_EQ(repeat.TimerInterval(), 50);
    repeat.Release();
    EXPECT_EQ(repeat.TimerInterval(), 0);
    EXPECT_EQ(repeat.CurrentMode(), Mode::None);
    clock.Restart();
    clock.Advance(1000);
    EXPECT_EQ(clock.steps.size(), 5u);
}

TEST(ScrollRepeat, PointerOffTheHeldButtonPausesAndComingBackResumesAtTheFastPace) {
    ScrollRepeat repeat;
    Clock clock{repeat};
    repeat.Press(Mode::Decrement);
    clock.Restart();
    clock.Advance(600);  // ticks at 500 (switch), 550 and 600 (steps)
    ASSERT_EQ(clock.steps, (std::vector<int>{550, 600}));
    repeat.PointerMoved(false);
    EXPECT_EQ(repeat.TimerInterval(), 0);
    clock.Restart();
    clock.Advance(1000);
    EXPECT_EQ(clock.steps.size(), 2u);
    repeat.PointerMoved(false);  // still off: nothing changes
    EXPECT_EQ(repeat.TimerInterval(), 0);
    repeat.PointerMoved(true);
    EXPECT_EQ(repeat.TimerInterval(), 50);
    clock.Restart();
    clock.Advance(100);
    EXPECT_EQ(clock.steps, (std::vector<int>{550, 600, 1650, 1700}));
    // Moving about on the button does not restart the rhythm.
    repeat.PointerMoved(true);
    EXPECT_EQ(repeat.TimerInterval(), 50);
    EXPECT_TRUE(repeat.Tick(false));
}

TEST(ScrollRepeat, PagingStopsWhenTheThumbReachesThePointer) {
    ScrollRepeat repeat;
    repeat.Press(Mode::PageForward);
    EXPECT_FALSE(repeat.Tick(true));  // the first tick only speeds up
    EXPECT_TRUE(repeat.Tick(true));
    EXPECT_TRUE(repeat.Tick(true));
    EXPECT_FALSE(repeat.Tick(false));
    EXPECT_EQ(repeat.CurrentMode(), Mode::None);
    EXPECT_EQ(repeat.TimerInterval(), 0);
    EXPECT_FALSE(repeat.Tick(true));
    // Paging has no held button to pause on.
    repeat.Press(Mode::PageBack);
    repeat.PointerMoved(false);
    EXPECT_EQ(repeat.TimerInterval(), 500);
}

TEST(ScrollRepeat, LeavingTheControlEndsOnlyPagingForward) {
    ScrollRepeat repeat;
    repeat.Press(Mode::PageBack);
    repeat.PointerLeft();
    EXPECT_EQ(repeat.CurrentMode(), Mode::PageBack);
    repeat.Press(Mode::Increment);
    repeat.PointerLeft();
    EXPECT_EQ(repeat.CurrentMode(), Mode::Increment);
    repeat.Press(Mode::PageForward);
    repeat.PointerLeft();
    EXPECT_EQ(repeat.CurrentMode(), Mode::None);
}

}  // namespace
}  // namespace huecast::skin
