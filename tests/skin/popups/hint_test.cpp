// The hint window's size and place, and the timing of the application's hints.
#include <gtest/gtest.h>

#include "skin/popups/hint_layout.h"
#include "skin/popups/hint_schedule.h"

namespace huecast::skin {
namespace {

// The built-in skin's hint look: hw.bmp is 29 x 15 with a 3-pixel border around its client piece.
struct OrangeHintLook : TDataSkinHintWindow {
    OrangeHintLook() {
        windowPictureIndex = 4;
        clientRect = {3, 3, 26, 12};
    }
};

TEST(HintLayout, SkinnedHintIsTheTextInsideThePictureMarginsAndNeverSmallerThanThePicture) {
    const OrangeHintLook look;
    const HintSkin skin{look, {29, 15}};
    struct Case {
        Size text;
        Size window;
        Rect textArea;
    } cases[] = {
        {{294, 56}, {300, 62}, {3, 3, 297, 59}},  // four lines
        {{10, 4}, {29, 15}, {3, 3, 26, 12}},      // smaller than the picture
        {{100, 4}, {106, 15}, {3, 3, 103, 12}},   // wide, one row of the picture high
        {{0, 0}, {29, 15}, {3, 3, 26, 12}},
    };
    for (const Case& c : cases) {
        const HintLayout layout = LayOutHint(c.text, &skin);
        EXPECT_EQ(layout.window, c.window) << c.text.cx << "x" << c.text.cy;
        EXPECT_EQ(layout.textArea, c.textArea) << c.text.cx << "x" << c.text.cy;
    }
}

TEST(HintLayout, UnevenMarginsKeepTheirSides) {
    TDataSkinHintWindow look;
    look.clientRect = {5, 2, 20, 9};  // picture 24 x 12: margins 5 left, 4 right, 2 top, 3 bottom
    const HintSkin skin{look, {24, 12}};
    const HintLayout layout = LayOutHint({50, 30}, &skin);
    EXPECT_EQ(layout.window, (Size{59, 35}));
    EXPECT_EQ(layout.textArea, (Rect{5, 2, 55, 32}));
}

TEST(HintLayout, ComposedPictureKeepsTheCornersAndTilesTheEdges) {
    // A 5 x 5 picture with a 1-pixel border of distinct corners and a grey middle.
    Bitmap picture(5, 5, 24);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            picture.SetPixelColor(x, y, 0x808080);
    picture.SetPixelColor(0, 0, 0x0000FF);
    picture.SetPixelColor(4, 0, 0x00FF00);
    picture.SetPixelColor(0, 4, 0xFF0000);
    picture.SetPixelColor(4, 4, 0xFFFFFF);
    picture.SetPixelColor(2, 0, 0x111111);  // the top edge's middle
    struct Look : TDataSkinHintWindow {
        Look() {
            leftTopPoint = {1, 1};
            rightTopPoint = {4, 1};
            leftBottomPoint = {1, 4};
            rightBottomPoint = {4, 4};
            clientRect = {1, 1, 4, 4};
        }
    } look;
    Bitmap target(11, 7, 24);
    ComposeHintPicture(picture, look, target);
    EXPECT_EQ(target.PixelColor(0, 0), 0x0000FFu);
    EXPECT_EQ(target.PixelColor(10, 0), 0x00FF00u);
    EXPECT_EQ(target.PixelColor(0, 6), 0xFF0000u);
    EXPECT_EQ(target.PixelColor(10, 6), 0xFFFFFFu);
    // The top edge (source x 1..3) tiles from x = 1 in steps of 3.
    EXPECT_EQ(target.PixelColor(2, 0), 0x111111u);
    EXPECT_EQ(target.PixelColor(5, 0), 0x111111u);
    EXPECT_EQ(target.PixelColor(8, 0), 0x111111u);
    EXPECT_EQ(target.PixelColor(5, 3), 0x808080u);
}

TEST(HintLayout, PlainHintIsTheTextWithTwoPixelsAround) {
    const HintLayout layout = LayOutHint({120, 26}, nullptr);
    EXPECT_EQ(layout.window, (Size{124, 30}));
    EXPECT_EQ(layout.textArea, (Rect{2, 2, 122, 28}));
}

TEST(HintPlace, FlipsAtTheScreensRightAndBottomEdges) {
    const Rect screen{0, 0, 1024, 768};
    const Size hint{200, 60};
    struct Case {
        Point suggested;
        Point expected;
    } cases[] = {
        {{100, 100}, {100, 100}},   // room everywhere
        {{824, 100}, {824, 100}},   // ends exactly at the right edge
        {{825, 100}, {623, 100}},   // one pixel too far right: moved left by 202
        {{100, 709}, {100, 647}},   // one pixel too low: moved up by 62
        {{1000, 740}, {798, 678}},  // the bottom-right corner: above and left of the pointer
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceHint(c.suggested, hint, screen), c.expected) << c.suggested.x << "," << c.suggested.y;
}

TEST(HintPlace, AFlipNeverPushesItOffTheScreensOtherSide) {
    EXPECT_EQ(PlaceHint({150, 20}, {300, 60}, {0, 0, 320, 70}), (Point{0, 0}));
    EXPECT_EQ(PlaceHint({1200, 20}, {300, 60}, {1024, 0, 1400, 768}), (Point{1024, 20}));
}

// ---- Timing ----

int a, b;  // two controls with hints
const HintTimings kTimings{500, 100, 15000};

TEST(HintSchedule, ShowsAfterThePauseAndHidesAfterTheHidePause) {
    HintSchedule s(kTimings);
    EXPECT_EQ(s.PointerOver(&a), (HintStep{.timer = 500}));
    EXPECT_EQ(s.PointerOver(&a), HintStep{});  // resting on it does not restart the wait
    EXPECT_EQ(s.TimerElapsed(), (HintStep{.show = true, .timer = 15000}));
    EXPECT_TRUE(s.Showing());
    EXPECT_EQ(s.Current(), &a);
    EXPECT_EQ(s.TimerElapsed(), (HintStep{.hide = true, .timer = 0}));
    EXPECT_FALSE(s.Showing());
    // It stays away while the pointer stays, and comes back after the pointer has left and returned.
    EXPECT_EQ(s.PointerOver(&a), HintStep{});
    EXPECT_EQ(s.PointerOver(nullptr), HintStep{});
    EXPECT_EQ(s.PointerOver(&a), (HintStep{.timer = 500}));
}

TEST(HintSchedule, MovingToANeighbourWhileAHintShowsSwitchesAfterTheShortPause) {
    HintSchedule s(kTimings);
    s.PointerOver(&a);
    s.TimerElapsed();
    EXPECT_EQ(s.PointerOver(&b), (HintStep{.hide = true, .timer = 100}));
    EXPECT_EQ(s.Current(), &b);
    EXPECT_EQ(s.TimerElapsed(), (HintStep{.show = true, .timer = 15000}));
    EXPECT_EQ(s.Current(), &b);
}

TEST(HintSchedule, AGapWithoutHintBetweenNeighboursStillGivesTheShortPause) {
    HintSchedule s(kTimings);
    s.PointerOver(&a);
    s.TimerElapsed();
    EXPECT_EQ(s.PointerOver(nullptr), (HintStep{.hide = true, .timer = 500}));
    EXPECT_EQ(s.PointerOver(nullptr), HintStep{});
    EXPECT_EQ(s.PointerOver(&b), (HintStep{.timer = 100}));
    // After a longer time over nothing the full pause applies again.
    HintSchedule t(kTimings);
    t.PointerOver(&a);
    t.TimerElapsed();
    t.PointerOver(nullptr);
    EXPECT_EQ(t.TimerElapsed(), (HintStep{.timer = 0}));
    EXPECT_EQ(t.PointerOver(&b), (HintStep{.timer = 500}));
}

TEST(HintSchedule, LeavingBeforeThePauseShowsNothing) {
    HintSchedule s(kTimings);
    s.PointerOver(&a);
    EXPECT_EQ(s.PointerOver(nullptr), (HintStep{.timer = 0}));
    EXPECT_EQ(s.TimerElapsed(), (HintStep{.timer = 0}));  // a late tick shows nothing
    EXPECT_FALSE(s.Showing());
    s.PointerOver(&a);
    EXPECT_EQ(s.PointerOver(&b), (HintStep{.timer = 500}));  // the wait starts afresh on the next control
    EXPECT_EQ(s.Current(), &b);
}

TEST(HintSchedule, APressHidesTheHintUntilThePointerLeaves) {
    HintSchedule s(kTimings);
    s.PointerOver(&a);
    s.TimerElapsed();
    EXPECT_EQ(s.Cancel(), (HintStep{.hide = true, .timer = 0}));
    EXPECT_EQ(s.PointerOver(&a), HintStep{});
    EXPECT_EQ(s.PointerOver(&b), (HintStep{.timer = 500}));
    EXPECT_EQ(s.Cancel(), (HintStep{.timer = 0}));  // a press while waiting: no hint for b either
    EXPECT_EQ(s.TimerElapsed(), (HintStep{.timer = 0}));
    EXPECT_FALSE(s.Showing());
}

}  // namespace
}  // namespace huecast::skin
