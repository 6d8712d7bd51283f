#include "skin/lists/track_bar_model.h"

#include <gtest/gtest.h>

#include "tests/skin/orange_elements.h"

namespace huecast::skin {
namespace {

using testing::OrangeElement;

TrackBarRange SizeBar() {
    return {.minValue = 10, .maxValue = 500, .value = 30};
}

TEST(TrackBarValue, ClampsAndReportsOnlyRealChanges) {
    TrackBarRange r = SizeBar();
    EXPECT_TRUE(SetTrackValue(r, 5));
    EXPECT_EQ(r.value, 10);
    EXPECT_FALSE(SetTrackValue(r, 10));
    EXPECT_TRUE(SetTrackValue(r, 9999));
    EXPECT_EQ(r.value, 500);
    SetTrackMaxValue(r, 200);
    EXPECT_EQ(r.value, 200);
    SetTrackMinValue(r, 300);  // inverted: behaves as MaxValue = MinValue
    EXPECT_EQ(r.value, 300);
    EXPECT_DOUBLE_EQ(r.Fraction(), 0.0);
    EXPECT_FALSE(SetTrackValue(r, 250));
    EXPECT_EQ(r.value, 300);
}

TEST(TrackBarGeometry, TheSizeBarOfTheMainWindow) {
    const TrackBarLayoutArgs args{
        .width = 201, .height = 22, .element = &OrangeElement<TDataSkinTrackBarControl>("htrackbar")};
    const TrackBarGeometry g = LayOutTrackBar(args, SizeBar());
    EXPECT_EQ(g.track, (Rect{4, 0, 197, 22}));
    EXPECT_EQ(g.travel, 182);
    EXPECT_EQ(g.offset, 7);  // 182 × 20 / 490, rounded
    EXPECT_EQ(g.thumb, (Rect{11, 1, 22, 21}));
    // Dragged to the right end the bar gives its maximum.
    EXPECT_EQ(TrackValueForOffset(SizeBar(), g.travel, g.travel), 500);
    EXPECT_EQ(TrackValueForOffset(SizeBar(), g.travel + 40, g.travel), 500);
    EXPECT_EQ(TrackValueForOffset(SizeBar(), -3, g.travel), 10);
    EXPECT_EQ(TrackValueForOffset(SizeBar(), 7, g.travel), 29);  // round(490 × 7 / 182) + 10
    EXPECT_EQ(TrackClickOffset(args, g, {100, 10}), 91);
    TrackBarRange top = SizeBar();
    top.value = 500;
    EXPECT_EQ(LayOutTrackBar(args, top).thumb, (Rect{186, 1, 197, 21}));
    // In fixed resize mode the track stays as the skin draws it.
    TrackBarLayoutArgs fixed = args;
    fixed.fixedResize = true;
    EXPECT_EQ(LayOutTrackBar(fixed, SizeBar()).track, (Rect{4, 0, 56, 22}));
}

TEST(TrackBarGeometry, PlainVerticalBarHasItsMaximumAtTheTop) {
    const TrackBarLayoutArgs args{.vertical = true, .width = 22, .height = 100};
    TrackBarRange r{.minValue = 0, .maxValue = 87, .value = 0};
    TrackBarGeometry g = LayOutTrackBar(args, r);
    EXPECT_EQ(g.track, (Rect{2, 2, 20, 98}));
    EXPECT_EQ(g.travel, 87);
    EXPECT_EQ(g.thumb, (Rect{2, 89, 20, 98}));  // 18 × 9 at the bottom, inside the track
    r.value = 87;
    g = LayOutTrackBar(args, r);
    EXPECT_EQ(g.thumb, (Rect{2, 2, 20, 11}));
    // Upwards travel raises the value; a click near the top asks for a large offset.
    EXPECT_EQ(TrackValueForOffset(r, 44, g.travel), 44);
    EXPECT_EQ(TrackClickOffset(args, g, {10, 10}), 84);  // (100 - 10) - 9 div 2 - 2
}

TEST(TrackBarGeometry, PlainHorizontalAndEmptyRange) {
    TrackBarRange r{.minValue = 5, .maxValue = 5, .value = 5};
    const TrackBarGeometry g = LayOutTrackBar({.width = 100, .height = 20}, r);
    EXPECT_EQ(g.thumb, (Rect{2, 2, 10, 18}));  // 8 × 16 at the start
    EXPECT_EQ(TrackValueForOffset(r, 40, g.travel), 5);
    EXPECT_EQ(TrackValueForOffset(r, 40, 0), 5);
}

}  // namespace
}  // namespace huecast::skin
