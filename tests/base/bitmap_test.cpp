#include "base/bitmap.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace huecast {
namespace {

TEST(Bitmap, RowsArePaddedToFourBytesLikeADib) {
    EXPECT_EQ(Bitmap::StrideFor(1, 24), 4u);
    EXPECT_EQ(Bitmap::StrideFor(5, 24), 16u);
    EXPECT_EQ(Bitmap::StrideFor(5, 8), 8u);
    EXPECT_EQ(Bitmap::StrideFor(3, 32), 12u);
    Bitmap b(5, 3, 24);
    EXPECT_EQ(b.Bytes().size(), 48u);
    // Pixels left unset still come with zero padding, so rows written out whole carry no stray bytes.
    Bitmap unset = Bitmap::Uninitialised(5, 3, 24, Bitmap::Order::BottomUp);
    EXPECT_EQ(unset.Bytes().size(), 48u);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(unset.Row(y)[15], 0) << "row " << y;
}

TEST(Bitmap, RowZeroIsTheTopInBothMemoryOrders) {
    std::uint8_t pixels[2 * 4] = {};
    Bitmap bottomUp = Bitmap::View(pixels, 1, 2, 24, Bitmap::Order::BottomUp);
    bottomUp.SetPixelColor(0, 0, 0x0000FF);  // red, top row
    // In a bottom-up picture the top row is the last row in memory: blue, green, red bytes.
    EXPECT_EQ(pixels[4 + 2], 0xFF);
    EXPECT_EQ(pixels[2], 0);
    EXPECT_EQ(bottomUp.PixelColor(0, 0), 0x0000FFu);
    EXPECT_FALSE(bottomUp.OwnsPixels());
}

TEST(Bitmap, CopiesOwnTheirPixelsAndMovesLeaveTheSourceEmpty) {
    std::uint8_t pixels[4] = {1, 2, 3, 0};
    Bitmap view = Bitmap::View(pixels, 1, 1, 24, Bitmap::Order::TopDown);
    Bitmap copy = view;
    pixels[0] = 9;
    EXPECT_TRUE(copy.OwnsPixels());
    EXPECT_EQ(copy.Row(0)[0], 1);

    Bitmap moved = std::move(copy);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(moved.PixelColor(0, 0), 0x010203u);
}

TEST(Bitmap, EightBitPixelsReadThroughThePalette) {
    Bitmap b(2, 1, 8);
    b.Palette() = {0x112233, 0x445566};
    b.Row(0)[1] = 1;
    b.Row(0)[0] = 7;  // outside the palette
    EXPECT_EQ(b.PixelColor(1, 0), 0x445566u);
    EXPECT_EQ(b.PixelColor(0, 0), 0u);
    EXPECT_THROW(b.SetPixelColor(0, 0, 1), std::logic_error);
}

TEST(Bitmap, RejectsDepthsAndSizesItCannotHold) {
    EXPECT_THROW(Bitmap(1, 1, 16), std::invalid_argument);
    EXPECT_THROW(Bitmap(-1, 1, 24), std::invalid_argument);
    EXPECT_THROW(Bitmap(40000, 1, 24), std::invalid_argument);
}

}  // namespace
}  // namespace huecast
