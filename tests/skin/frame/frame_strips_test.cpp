// The four frame strips cut from the built-in skin's main picture, and from skins that lie.
#include <gtest/gtest.h>

#include "skin/frame/frame_strips.h"
#include "skin/format/picture_cache.h"
#include "tests/skin/frame/orange_frame.h"

namespace huecast::skin {
namespace {

using testing::kMainWindow;
using testing::OrangePicture;
using testing::OrangeSkinData;

// A 24-bit picture whose pixels all differ, so a piece from the wrong place shows.
Bitmap Numbered(int w, int h) {
    Bitmap b(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixelColor(x, y, static_cast<std::uint32_t>(x | y << 8 | 0x800000));
    return b;
}

Bitmap Draw(const Bitmap& picture, const StripPlan& plan) {
    Bitmap strip(plan.size.cx, plan.size.cy, 24);
    DrawStrip(picture, plan, strip);
    return strip;
}

TEST(FrameStrips, OrangeStripsAroundTheMainWindow) {
    const FrameStrips s = PlanFrameStrips(OrangeSkinData().FormInfo(), OrangePicture(), kMainWindow);
    EXPECT_EQ(s.top.size, (Size{616, 26}));
    EXPECT_EQ(s.top.at, (Point{0, 0}));
    EXPECT_EQ(s.bottom.size, (Size{616, 8}));
    EXPECT_EQ(s.bottom.at, (Point{0, 445}));
    EXPECT_EQ(s.left.size, (Size{8, 419}));
    EXPECT_EQ(s.left.at, (Point{0, 26}));
    EXPECT_EQ(s.right.size, (Size{9, 419}));
    EXPECT_EQ(s.right.at, (Point{607, 26}));
}

TEST(FrameStrips, TheTopStripTilesItsMiddleFromTheLeftAndCopiesTheCorners) {
    const Bitmap main24 = To24Bits(OrangeSkinData().MainPicture());
    const FrameStrips s = PlanFrameStrips(OrangeSkinData().FormInfo(), OrangePicture(), kMainWindow);
    const Bitmap top = Draw(main24, s.top);
    // LT.x = 10, RT.x = 165: corners [0, 10) and [165, 177) of the picture, the middle of period 155
    // tiled from x = 0, so column x of the middle shows picture column 10 + x mod 155.
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 616; ++x) {
            int from = 10 + x % 155;
            if (x < 10) from = x;
            if (x >= 604) from = 165 + (x - 604);
            ASSERT_EQ(top.PixelColor(x, y), main24.PixelColor(from, y)) << x << "," << y;
        }
    }
    const Bitmap right = Draw(main24, s.right);
    // Columns [168, 177); top piece rows [26, 28), bottom piece rows [115, 116) at the strip's bottom.
    EXPECT_EQ(right.PixelColor(0, 0), main24.PixelColor(168, 26));
    EXPECT_EQ(right.PixelColor(8, 418), main24.PixelColor(176, 115));
    EXPECT_EQ(right.PixelColor(3, 2 + 87), main24.PixelColor(171, 28));  // the middle tiled again
}

TEST(FrameStrips, StretchedEdgesFillTheirSpanFromEndToEnd) {
    TDataSkinFormInfo info;
    info.leftTopPoint = {4, 8};
    info.rightTopPoint = {12, 8};
    info.leftBottomPoint = {4, 12};
    info.rightBottomPoint = {12, 12};
    info.clientRect = {2, 4, 14, 14};
    info.topStretch = true;
    info.leftStretch = true;
    const Bitmap picture = Numbered(16, 16);
    const FrameStrips s = PlanFrameStrips(info, {16, 16}, {32, 24});
    const Bitmap top = Draw(picture, s.top);
    EXPECT_EQ(top.PixelColor(3, 1), picture.PixelColor(3, 1));
    EXPECT_EQ(top.PixelColor(4, 1), picture.PixelColor(4, 1));    // the middle starts at LT.x
    EXPECT_EQ(top.PixelColor(27, 1), picture.PixelColor(11, 1));  // and ends at RT.x + dx
    EXPECT_EQ(top.PixelColor(15, 1), picture.PixelColor(7, 1));   // 8 columns over 24: every third
    EXPECT_EQ(top.PixelColor(28, 1), picture.PixelColor(12, 1));  // the right corner
    const Bitmap left = Draw(picture, s.left);
    ASSERT_EQ(left.Height(), 18);
    EXPECT_EQ(left.PixelColor(0, 3), picture.PixelColor(0, 7));  // the top piece
    EXPECT_EQ(left.PixelColor(0, 4), picture.PixelColor(0, 8));  // the middle, stretched
    EXPECT_EQ(left.PixelColor(0, 15), picture.PixelColor(0, 11));
    EXPECT_EQ(left.PixelColor(1, 16), picture.PixelColor(1, 12));  // the bottom piece at the bottom
}

TEST(FrameStrips, LyingSkinsAreClippedAndNeverDivideByZero) {
    const Bitmap picture = Numbered(16, 16);
    TDataSkinFormInfo info;
    info.clientRect = {5, 5, 500, 400};  // beyond the picture
    info.rightTopPoint = {0, 9};         // a middle of width 0: nothing to tile
    info.rightBottomPoint = {40, 40};
    for (bool stretch : {false, true}) {
        info.topStretch = info.bottomStretch = info.leftStretch = info.rightStretch = stretch;
        for (Size window : {Size{40, 30}, Size{3, 2}, Size{0, 0}}) {
            const FrameStrips s = PlanFrameStrips(info, {16, 16}, window);
            for (const StripPlan* plan : {&s.top, &s.bottom, &s.left, &s.right}) {
                EXPECT_GE(plan->size.cx, 0);
                EXPECT_GE(plan->size.cy, 0);
                Draw(picture, *plan);
            }
        }
    }
    // The cut is clipped to the picture: the client rect's right and bottom end at its edges.
    const FrameStrips s = PlanFrameStrips(info, {16, 16}, {40, 30});
    EXPECT_EQ(s.top.size, (Size{40, 5}));
    EXPECT_EQ(s.bottom.size, (Size{40, 0}));
    EXPECT_EQ(s.right.size, (Size{0, 25}));
}

}  // namespace
}  // namespace huecast::skin
