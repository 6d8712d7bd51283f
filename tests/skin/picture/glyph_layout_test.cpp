// The glyph-and-text layout of buttons and menu items, and the morph stepper.
#include <gtest/gtest.h>

#include "skin/picture/glyph_layout.h"
#include "skin/picture/morph_stepper.h"

namespace huecast::skin {
namespace {

TEST(GlyphLayout, CentredWithMarginMinusOne) {
    const Rect r{0, 0, 95, 25};  // centre (47, 12)
    // No glyph: the caption is centred.
    GlyphTextPlacement at = LayoutGlyphAndText(r, -1, false, {}, {30, 12}, ButtonLayout::GlyphLeft, 0);
    EXPECT_EQ(at.text, (Rect{32, 6, 64, 18}));
    // Glyph 16 × 16, text 30 × 12, spacing 4: T = 25.
    at = LayoutGlyphAndText(r, -1, false, {16, 16}, {30, 12}, ButtonLayout::GlyphLeft, 4);
    EXPECT_EQ(at.glyph, (Point{22, 4}));
    EXPECT_EQ(at.text.left, 42);
    at = LayoutGlyphAndText(r, -1, false, {16, 16}, {30, 12}, ButtonLayout::GlyphRight, 4);
    EXPECT_EQ(at.text.left, 22);
    EXPECT_EQ(at.glyph.x, 56);
    // V = (16 + 12 + 4) / 2 = 16.
    at = LayoutGlyphAndText({0, 0, 60, 60}, -1, false, {16, 16}, {30, 12}, ButtonLayout::GlyphTop, 4);
    EXPECT_EQ(at.glyph, (Point{22, 14}));
    EXPECT_EQ(at.text, (Rect{15, 34, 47, 46}));
    at = LayoutGlyphAndText({0, 0, 60, 60}, -1, false, {16, 16}, {30, 12}, ButtonLayout::GlyphBottom, 4);
    EXPECT_EQ(at.text.top, 14);
    EXPECT_EQ(at.glyph.y, 30);
}

TEST(GlyphLayout, MarginKeepsTheGlyphAtItsSideAndPressingMovesBoth) {
    const Rect r{10, 10, 110, 40};
    GlyphTextPlacement at = LayoutGlyphAndText(r, 3, false, {16, 16}, {30, 12}, ButtonLayout::GlyphLeft, 2);
    EXPECT_EQ(at.glyph, (Point{13, 17}));
    EXPECT_EQ(at.text.left, 31);
    at = LayoutGlyphAndText(r, 3, false, {16, 16}, {30, 12}, ButtonLayout::GlyphRight, 2);
    EXPECT_EQ(at.glyph.x, 91);
    EXPECT_EQ(at.text.left, 59);
    at = LayoutGlyphAndText(r, 3, false, {16, 16}, {30, 12}, ButtonLayout::GlyphTop, 2);
    EXPECT_EQ(at.glyph.y, 13);
    EXPECT_EQ(at.text.top, 31);
    at = LayoutGlyphAndText(r, 3, false, {16, 16}, {30, 12}, ButtonLayout::GlyphBottom, 2);
    EXPECT_EQ(at.glyph.y, 21);
    EXPECT_EQ(at.text.top, 7);
    const GlyphTextPlacement pressed =
        LayoutGlyphAndText(r, 3, true, {16, 16}, {30, 12}, ButtonLayout::GlyphBottom, 2);
    EXPECT_EQ(pressed.glyph, (Point{at.glyph.x + 1, at.glyph.y + 1}));
    EXPECT_EQ(pressed.text, at.text.Offset(1, 1));
}

TEST(GlyphLayout, CellSizeOfAStrip) {
    EXPECT_EQ(GlyphCellSize(64, 16, 4), (Size{16, 16}));
    EXPECT_EQ(GlyphCellSize(64, 16, 0), (Size{64, 16}));
    EXPECT_EQ(GlyphCellSize(0, 16, 4), (Size{}));
}

TEST(MorphStepper, TakesTenStepsUpWhileHotAndTenDownAfterwards) {
    MorphStepper m;
    for (int i = 1; i <= 10; ++i) {
        EXPECT_TRUE(m.Tick(true));
        EXPECT_DOUBLE_EQ(m.K(), i / 10.0);
    }
    EXPECT_FALSE(m.Tick(true));  // at 1: the timer stops
    EXPECT_DOUBLE_EQ(m.K(), 1.0);
    for (int i = 9; i >= 0; --i) {
        EXPECT_TRUE(m.Tick(false));
        EXPECT_EQ(m.Step(), i);
    }
    EXPECT_FALSE(m.Tick(false));
    EXPECT_EQ(m.K(), 0.0);
    m.Tick(true);
    m.Tick(false);  // leaving half-way turns back at once
    EXPECT_EQ(m.Step(), 0);
    m.Snap(true);
    EXPECT_EQ(m.K(), 1.0);
}

}  // namespace
}  // namespace huecast::skin
