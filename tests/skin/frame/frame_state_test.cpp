#include <gtest/gtest.h>

#include "skin/frame/frame_state.h"

namespace huecast::skin {
namespace {

const Rect kBounds{186, 201, 802, 654};
const Rect kWorkArea{0, 0, 1024, 740};

TEST(FrameState, MaximizeSavesTheBoundsOnceAndRestoreReturnsThem) {
    FrameState s;
    FrameAction a = s.Maximize(kBounds, kWorkArea);
    EXPECT_EQ(a.bounds, kWorkArea);
    EXPECT_TRUE(s.Maximized());
    EXPECT_EQ(s.SavedBounds(), kBounds);
    s.Maximize(kWorkArea, kWorkArea);  // a second maximize keeps the first bounds
    a = s.Restore();
    EXPECT_EQ(a.bounds, kBounds);
    EXPECT_TRUE(a.restartTracking);
    EXPECT_EQ(s.Show(), WindowShow::Normal);
    EXPECT_FALSE(s.SavedBounds());
}

TEST(FrameState, RestoreWithNoSavedBoundsOnlyChangesTheState) {
    FrameState s;
    // The main form is minimized by the system, which keeps its bounds.
    FrameAction a = s.Minimize(kBounds, true, {});
    EXPECT_EQ(a.system, FrameAction::System::Minimize);
    EXPECT_FALSE(a.bounds);
    s.SystemShowed(WindowShow::Minimized);
    EXPECT_TRUE(s.Minimized());
    a = s.Restore();
    EXPECT_FALSE(a.bounds);
    EXPECT_EQ(a.system, FrameAction::System::Restore);
    EXPECT_EQ(s.Show(), WindowShow::Normal);

    // A maximize by the window manager, undone through the frame: the system restores its own bounds.
    s.SystemShowed(WindowShow::Maximized);
    EXPECT_TRUE(s.Maximized());
    a = s.Restore();
    EXPECT_FALSE(a.bounds);
    EXPECT_EQ(a.system, FrameAction::System::Restore);

    // Nothing made by anyone: a restore of a normal window does nothing to the bounds.
    a = s.Restore();
    EXPECT_FALSE(a.bounds);
    EXPECT_EQ(a.system, FrameAction::System::None);
}

TEST(FrameState, TheStateFollowsWhatTheSystemDid) {
    FrameState s;
    s.Maximize(kBounds, kWorkArea);
    s.SystemShowed(WindowShow::Minimized);  // minimized from the taskbar while maximized
    EXPECT_TRUE(s.Minimized());
    s.SystemShowed(WindowShow::Normal);  // restored from the taskbar: back to maximized
    EXPECT_TRUE(s.Maximized());
    EXPECT_EQ(s.Restore().bounds, kBounds);

    s.SystemShowed(WindowShow::Maximized);
    s.SystemShowed(WindowShow::Normal);
    EXPECT_EQ(s.Show(), WindowShow::Normal);
    // The frame's own maximize is not the system's to end.
    s.Maximize(kBounds, kWorkArea);
    s.SystemShowed(WindowShow::Normal);
    EXPECT_TRUE(s.Maximized());
}

TEST(FrameState, AnotherFormMinimizesToItsSlotAndComesBack) {
    FrameState s;
    const Rect slot{0, 706, 177, 740};
    FrameAction a = s.Minimize(kBounds, false, slot);
    EXPECT_EQ(a.bounds, slot);
    EXPECT_TRUE(s.Minimized());
    EXPECT_EQ(s.Restore().bounds, kBounds);
}

TEST(FrameState, RollUpKeepsTheHeightAndRefusesWhereItMust) {
    FrameState s;
    EXPECT_FALSE(s.ToggleRollUp(kBounds, false, 34));  // no biRollUp
    auto a = s.ToggleRollUp(kBounds, true, 34);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->bounds, (Rect{186, 201, 802, 235}));
    EXPECT_TRUE(a->rollUpChanged);
    EXPECT_TRUE(s.RolledUp());
    a = s.ToggleRollUp(*a->bounds, true, 34);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->bounds, kBounds);
    EXPECT_FALSE(s.RolledUp());

    // Rolled up, then maximized: the roll-up came first and may not be undone while maximized.
    s.ToggleRollUp(kBounds, true, 34);
    s.Maximize(kBounds, kWorkArea);
    EXPECT_FALSE(s.ToggleRollUp(kWorkArea, true, 34));

    // Maximized, then rolled up: it rolls down again.
    FrameState t;
    t.Maximize(kBounds, kWorkArea);
    ASSERT_TRUE(t.ToggleRollUp(kWorkArea, true, 34));
    EXPECT_TRUE(t.RolledUpWhileMaximized());
    a = t.ToggleRollUp({0, 0, 1024, 34}, true, 34);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->bounds, kWorkArea);

    FrameState m;
    m.Minimize(kBounds, false, {0, 706, 177, 740});
    EXPECT_FALSE(m.ToggleRollUp(kBounds, true, 34));
}

}  // namespace
}  // namespace huecast::skin
