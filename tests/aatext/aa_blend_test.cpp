#include "aatext/aa_blend.h"

#include <gtest/gtest.h>

#include "aatext/aa_painter.h"
#include "tests/aatext/test_support.h"

namespace huecast {
namespace {

struct BlendFixture : ::testing::Test {
    Bitmap target{8, 6, 24};
    AACanvas canvas;
    TAAPainter painter{&canvas};
    BlendFixture() {
        canvas.target = &target;
        canvas.brush.style = Brush::Style::Clear;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                target.SetPixelColor(x, y, 0x102030);
    }
    void Coverage(int value, int w = 3, int h = 2) {
        testing::SetMask(painter.Mask(), std::vector<std::vector<int>>(h, std::vector<int>(w, value)));
    }
};

TEST_F(BlendFixture, FullCoverageAtAlpha100) {
    Coverage(255);
    painter.Blend().BlendColor(1, 1, painter.Mask(), 100, 0x0000FF);
    EXPECT_EQ(target.PixelColor(1, 1), 0x0000FFu) << "255 replaces exactly";
    Coverage(254);  // a fully inked block at aqNormal
    painter.Blend().BlendColor(1, 1, painter.Mask(), 100, 0xFF0000);
    // Weight 254 / 256: red 255 + floor((0 - 255) × 254 / 256) = 1, blue 0 + floor(255 × 254 / 256) = 253.
    EXPECT_EQ(target.PixelColor(1, 1), 0xFD0001u);
}

TEST_F(BlendFixture, OpacityScaleAndFlooring) {
    Coverage(255);
    painter.Blend().BlendColor(0, 0, painter.Mask(), 70, 0x000000);  // k = 179, a = 178
    // red 0x30 = 48: 48 + floor(-48 × 178 / 256) = 48 - 34 = 14 (flooring a negative step)
    EXPECT_EQ(target.PixelColor(0, 0) & 0xFF, 48u - 34u);
    EXPECT_EQ(target.PixelColor(0, 0) >> 16, 16u - 12u);  // 16 + floor(-16 × 178 / 256) = 16 - 12
    Coverage(1);                                          // a = 0 at alpha 90: nothing changes
    painter.Blend().BlendColor(4, 0, painter.Mask(), 90, 0xFFFFFF);
    EXPECT_EQ(target.PixelColor(4, 0), 0x102030u);
    Coverage(2);  // a = 2: any step down floors to at least -1
    painter.Blend().BlendColor(4, 0, painter.Mask(), 100, 0x000000);
    EXPECT_EQ(target.PixelColor(4, 0), 0x0F1F2Fu);
}

TEST_F(BlendFixture, AlphaZeroWithClearAndSolidBrush) {
    Coverage(255);
    painter.Blend().BlendColor(2, 2, painter.Mask(), 0, 0x00FF00);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(target.PixelColor(x, y), 0x102030u);
    canvas.brush = {Brush::Style::Solid, 0xABCDEF};
    painter.Blend().BlendColor(2, 2, painter.Mask(), 0, 0x00FF00);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inBox = x >= 2 && x < 5 && y >= 2 && y < 4;
            ASSERT_EQ(target.PixelColor(x, y), inBox ? 0xABCDEFu : 0x102030u) << x << "," << y;
        }
}

TEST_F(BlendFixture, SystemColourIndexAndOutOfRangeAlpha) {
    Coverage(255);
    painter.Blend().BlendColor(0, 0, painter.Mask(), 100, 0x80000000u | kColorWindowText);
    EXPECT_EQ(target.PixelColor(0, 0), ClassicSystemColor(kColorWindowText));
    painter.Blend().BlendColor(0, 0, painter.Mask(), 250, 0x00FF00);  // as 100, not wrapped
    EXPECT_EQ(target.PixelColor(0, 0), 0x00FF00u);
}

TEST_F(BlendFixture, ClippedAtEveryEdge) {
    Coverage(255, 4, 4);
    painter.Blend().BlendColor(-2, -2, painter.Mask(), 100, 0x0000FF);
    painter.Blend().BlendColor(6, 4, painter.Mask(), 100, 0x00FF00);
    painter.Blend().BlendColor(100, -100, painter.Mask(), 100, 0x00FF00);
    EXPECT_EQ(target.PixelColor(1, 1), 0x0000FFu);
    EXPECT_EQ(target.PixelColor(2, 2), 0x102030u);
    EXPECT_EQ(target.PixelColor(7, 5), 0x00FF00u);
    EXPECT_EQ(target.PixelColor(5, 5), 0x102030u);
}

TEST_F(BlendFixture, ForegroundPictureThroughTheMask) {
    testing::SetMask(painter.Mask(), {{255, 0}, {128, 255}});
    Bitmap& fore = painter.Blend().ForeBmp();
    fore = Bitmap(2, 2, 24);
    fore.SetPixelColor(0, 0, 0x0000FF);
    fore.SetPixelColor(1, 0, 0x00FF00);
    fore.SetPixelColor(0, 1, 0xFFFFFF);
    fore.SetPixelColor(1, 1, 0xFF0000);
    painter.Blend().BlendForeground(3, 3, painter.Mask(), 100);
    EXPECT_EQ(target.PixelColor(3, 3), 0x0000FFu);
    EXPECT_EQ(target.PixelColor(4, 3), 0x102030u);
    EXPECT_EQ(target.PixelColor(4, 4), 0xFF0000u);
    // a = 128: 0x10 + floor((255 - 16) / 2) = 0x10 + 119
    EXPECT_EQ(target.PixelColor(3, 4) >> 16, 16u + 119u);
}

TEST_F(BlendFixture, WrongForegroundThrowsAndDrawsNothing) {
    Coverage(255);
    canvas.brush.style = Brush::Style::Solid;
    for (Bitmap wrong : {Bitmap(2, 2, 24), Bitmap(3, 3, 24), Bitmap(3, 2, 32), Bitmap()}) {
        painter.Blend().ForeBmp() = wrong;
        try {
            painter.Blend().BlendForeground(0, 0, painter.Mask(), 100);
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidForeBmp& e) {
            EXPECT_STREQ(e.what(), "Invalid foreground bitmap!");
        }
    }
    EXPECT_EQ(target.PixelColor(0, 0), 0x102030u);
}

TEST_F(BlendFixture, ThirtyTwoBitTargetsKeepTheirAlphaByte) {
    Bitmap wide(4, 2, 32);
    wide.Row(0)[3] = 0x77;
    canvas.target = &wide;
    Coverage(255, 2, 1);
    painter.Blend().BlendColor(0, 0, painter.Mask(), 100, 0x123456);
    EXPECT_EQ(wide.PixelColor(0, 0) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(wide.Row(0)[3], 0x77);
    EXPECT_EQ(wide.PixelColor(2, 0) & 0xFFFFFF, 0u);
}

TEST(BlendWithoutCanvas, DoesNothing) {
    TAAPainter painter(nullptr);
    testing::SetMask(painter.Mask(), {{255}});
    painter.Blend().BlendColor(0, 0, painter.Mask(), 100, 0);
    painter.Blend().BlendForeground(0, 0, painter.Mask(), 100);  // no canvas: not even the check
}

}  // namespace
}  // namespace huecast
