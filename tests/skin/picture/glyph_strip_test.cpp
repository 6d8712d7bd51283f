#include "skin/picture/glyph_strip.h"

#include <gtest/gtest.h>

namespace huecast::skin {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr std::uint32_t kBackground = 0x202020;

// Four 5 × 4 images in a row, image i filled with colour 0x10 * (i + 1); the strip's bottom-left pixel is
// the key, and so is a 2 × 2 hole at the top-left of every image. Image 3's own bottom-left corner is not
// the key: only the strip's corner says what is transparent.
Bitmap Strip(int bits = 24) {
    Bitmap b(20, 4, bits);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 20; ++x)
            b.SetPixelColor(x, y, (x % 5 < 2 && y < 2) ? kKey : 0x10u * static_cast<unsigned>(x / 5 + 1));
    b.SetPixelColor(0, 3, kKey);
    return b;
}

Bitmap Filled(int w, int h) {
    Bitmap b(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixelColor(x, y, kBackground);
    return b;
}

TEST(GlyphStripTest, CellsAndCountsOfTheStrip) {
    EXPECT_EQ(GlyphStrip(Strip(), 4).CellSize(), (Size{5, 4}));
    EXPECT_EQ(GlyphStrip(Strip(), 2).CellSize(), (Size{10, 4}));
    EXPECT_EQ(GlyphStrip(Strip(), 0).NumGlyphs(), 1);
    EXPECT_EQ(GlyphStrip(Strip(), 9).NumGlyphs(), 4);
    EXPECT_TRUE(GlyphStrip().Empty());
    EXPECT_EQ(GlyphStrip().CellSize(), (Size{0, 0}));
    EXPECT_EQ(GlyphStrip(Bitmap{}, 2).CellSize(), (Size{0, 0}));
}

TEST(GlyphStripTest, DrawsTheChosenImageWithoutTheStripsKeyColour) {
    const GlyphStrip glyph(Strip(), 4);
    Bitmap to = Filled(12, 8);
    glyph.Draw(3, to, {4, 2});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inCell = x >= 4 && x < 9 && y >= 2 && y < 6;
            const bool hole = inCell && x < 6 && y < 4;
            EXPECT_EQ(to.PixelColor(x, y), inCell && !hole ? 0x30u : kBackground) << x << "," << y;
        }
}

TEST(GlyphStripTest, ClipsAtEveryEdgeAndClampsTheIndex) {
    const GlyphStrip glyph(Strip(32), 4);  // any depth the core reads
    Bitmap to = Filled(4, 3);
    glyph.Draw(4, to, {-2, -1});  // rows 1..3 and columns 2..4 of image 4 land at (0..2, 0..2)
    EXPECT_EQ(to.PixelColor(0, 0), 0x40u);
    EXPECT_EQ(to.PixelColor(2, 2), 0x40u);
    EXPECT_EQ(to.PixelColor(3, 0), kBackground);
    Bitmap clamped = Filled(4, 3);
    glyph.Draw(7, clamped, {1, 1});  // past the strip: its last image, cut at the right and the bottom
    EXPECT_EQ(clamped.PixelColor(3, 1), 0x40u);
    EXPECT_EQ(clamped.PixelColor(3, 2), 0x40u);
    EXPECT_EQ(clamped.PixelColor(1, 1), kBackground) << "the hole is transparent";
    Bitmap far = Filled(4, 3);
    glyph.Draw(1, far, {10, 10});
    glyph.Draw(1, far, {-10, 0});
    EXPECT_EQ(far.PixelColor(0, 0), kBackground);

    const GlyphStrip one(Strip(), 1);
    Bitmap whole = Filled(20, 4);
    one.Draw(2, whole, {0, 0});  // one image: the whole strip
    EXPECT_EQ(whole.PixelColor(19, 3), 0x40u);
    EXPECT_EQ(whole.PixelColor(0, 3), kBackground);
}

}  // namespace
}  // namespace huecast::skin
