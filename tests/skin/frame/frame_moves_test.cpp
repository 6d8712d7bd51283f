#include <gtest/gtest.h>

#include "skin/frame/frame_moves.h"

namespace huecast::skin {
namespace {

const Rect kWorkArea{0, 0, 1024, 740};

TEST(MagneticSnapping, SnapsWithinTheDistanceButNotAtIt) {
    const Rect at4{4, 100, 204, 200};
    EXPECT_EQ(SnapToEdges(at4, kWorkArea, 5), (Rect{0, 100, 200, 200}));
    const Rect at5{5, 100, 205, 200};
    EXPECT_EQ(SnapToEdges(at5, kWorkArea, 5), at5);
    const Rect aboveBy4{300, -4, 500, 96};
    EXPECT_EQ(SnapToEdges(aboveBy4, kWorkArea, 5), (Rect{300, 0, 500, 100}));
    // Right and bottom edges snap onto the opposite edges of the work area.
    EXPECT_EQ(SnapToEdges({820, 637, 1020, 737}, kWorkArea, 5), (Rect{824, 640, 1024, 740}));
    EXPECT_EQ(SnapToEdges({819, 635, 1019, 735}, kWorkArea, 5), (Rect{819, 635, 1019, 735}));
    // A window as wide as the area touching both edges takes the right edge last.
    EXPECT_EQ(SnapToEdges({2, 10, 1026, 110}, kWorkArea, 5), (Rect{0, 10, 1024, 110}));
}

TEST(MinimizedSlots, FillTheBottomRowFromTheLeftThenRowsAbove) {
    const Size s{177, 34};
    std::vector<Point> taken;
    const Point first = FindMinimizedSlot(kWorkArea, s, taken);
    EXPECT_EQ(first, (Point{0, 706}));
    taken.push_back(first);
    const Point second = FindMinimizedSlot(kWorkArea, s, taken);
    EXPECT_EQ(second, (Point{177, 706}));
    taken.push_back(second);
    const Point third = FindMinimizedSlot(kWorkArea, s, taken);
    EXPECT_EQ(third, (Point{354, 706}));
    // A free slot between taken ones is used first.
    taken.erase(taken.begin());
    EXPECT_EQ(FindMinimizedSlot(kWorkArea, s, taken), first);
}

TEST(MinimizedSlots, AFullRowGoesUpAndAFullAreaFallsBackBottomLeft) {
    const Rect area{0, 0, 400, 100};
    const Size s{177, 34};
    std::vector<Point> taken{{0, 66}, {177, 66}};
    EXPECT_EQ(FindMinimizedSlot(area, s, taken), (Point{0, 32}));
    taken.insert(taken.end(), {{0, 32}, {177, 32}});
    EXPECT_EQ(FindMinimizedSlot(area, s, taken), (Point{0, 66}));
    EXPECT_EQ(FindMinimizedSlot(area, {0, 0}, taken), (Point{0, 100}));
}

}  // namespace
}  // namespace huecast::skin
