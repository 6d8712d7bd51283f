#include "aatext/banner_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace huecast {
namespace {

// A text bitmap whose row r is filled with the colour r (so a frame row tells which text row it shows).
Bitmap NumberedRows(int width, int height) {
    Bitmap text(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            text.SetPixelColor(x, y, static_cast<std::uint32_t>(y));
    return text;
}

std::vector<int> ShownRows(const Bitmap& view) {
    std::vector<int> rows;
    for (int y = 0; y < view.Height(); ++y)
        rows.push_back(static_cast<int>(view.PixelColor(view.Width() - 1, y)));
    return rows;
}

std::vector<int> Range(int from, int to) {  // from .. to - 1
    std::vector<int> r;
    for (int i = from; i < to; ++i)
        r.push_back(i);
    return r;
}

TEST(CopyFrameRows, WrapsRoundToTheTextsStart) {
    const Bitmap text = NumberedRows(5, 100);
    Bitmap view(5, 37, 24);
    CopyFrameRows(text, 80, view);
    std::vector<int> expected = Range(80, 100);
    for (int r : Range(0, 17))
        expected.push_back(r);
    EXPECT_EQ(ShownRows(view), expected);

    CopyFrameRows(text, 10, view);
    EXPECT_EQ(ShownRows(view), Range(10, 47));
    CopyFrameRows(text, 63, view);  // exactly the last rows
    EXPECT_EQ(ShownRows(view), Range(63, 100));
    CopyFrameRows(text, -1, view);  // taken modulo the height
    EXPECT_EQ(ShownRows(view)[0], 99);
    EXPECT_EQ(ShownRows(view)[1], 0);
}

TEST(CopyFrameRows, TextShorterThanTheViewRepeats) {
    const Bitmap text = NumberedRows(5, 4);
    Bitmap view(5, 10, 24);
    CopyFrameRows(text, 2, view);
    EXPECT_EQ(ShownRows(view), (std::vector<int>{2, 3, 0, 1, 2, 3, 0, 1, 2, 3}));
}

TEST(CopyFrameRows, DifferentWidthsCopyTheColumnsBothHave) {
    const Bitmap text = NumberedRows(3, 10);
    Bitmap view(6, 4, 24);
    for (int y = 0; y < 4; ++y)
        view.SetPixelColor(5, y, 0xABCDEF);
    CopyFrameRows(text, 5, view);
    EXPECT_EQ(view.PixelColor(2, 0), 5u);
    EXPECT_EQ(view.PixelColor(5, 0), 0xABCDEFu);

    Bitmap empty(0, 0, 24);
    CopyFrameRows(empty, 3, view);  // nothing to show: the view is left alone
    EXPECT_EQ(view.PixelColor(2, 0), 5u);
}

class FadeEdgesTest : public ::testing::Test {
  protected:
    static constexpr std::uint32_t kBack = 0xF0CAA6;  // sky blue
    static constexpr std::uint32_t kInk = 0x20FFF8;   // red and green above the background, blue below

    // A 4 × 37 view whose every pixel is the ink colour.
    Bitmap InkView(int height = 37) {
        Bitmap view(4, height, 24);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 4; ++x)
                view.SetPixelColor(x, y, kInk);
        return view;
    }
    // The ink channel by channel, faded by f / 256 towards the background.
    static std::uint32_t Faded(int f) {
        std::uint32_t out = 0;
        for (int shift : {0, 8, 16}) {
            const int v = (kInk >> shift) & 0xFF;
            const int b = (kBack >> shift) & 0xFF;
            const int faded = b + static_cast<int>(std::floor((v - b) * f / 256.0));
            out |= static_cast<std::uint32_t>(faded) << shift;
        }
        return out;
    }
};

TEST_F(FadeEdgesTest, TenRowsOnA37PixelBanner) {
    Bitmap view = InkView();
    FadeEdges(view, 10, kBack);
    EXPECT_EQ(view.PixelColor(0, 0), kBack);
    EXPECT_EQ(view.PixelColor(0, 36), kBack);
    EXPECT_EQ(view.PixelColor(0, 9), Faded(255));
    EXPECT_EQ(view.PixelColor(0, 27), Faded(255));
    EXPECT_NE(view.PixelColor(0, 9), kInk);  // 255/256 of the contrast, not all of it
    EXPECT_EQ(view.PixelColor(3, 4), Faded(4 * 255 / 9));
    EXPECT_EQ(view.PixelColor(3, 32), Faded(4 * 255 / 9));
    EXPECT_EQ(view.PixelColor(0, 10), kInk);
    EXPECT_EQ(view.PixelColor(0, 26), kInk);
}

TEST_F(FadeEdgesTest, BackgroundPixelsStayAsTheyAre) {
    Bitmap view(2, 20, 24);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 2; ++x)
            view.SetPixelColor(x, y, kBack);
    FadeEdges(view, 10, kBack);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(view.PixelColor(1, y), kBack);
}

TEST_F(FadeEdgesTest, HeightOneMakesOnlyTheEdgeRowsBackgroundAndZeroFadesNothing) {
    Bitmap view = InkView();
    FadeEdges(view, 1, kBack);
    EXPECT_EQ(view.PixelColor(0, 0), kBack);
    EXPECT_EQ(view.PixelColor(0, 36), kBack);
    EXPECT_EQ(view.PixelColor(0, 1), kInk);
    EXPECT_EQ(view.PixelColor(0, 35), kInk);

    Bitmap untouched = InkView();
    FadeEdges(untouched, 0, kBack);
    FadeEdges(untouched, -5, kBack);
    for (int y = 0; y < 37; ++y)
        EXPECT_EQ(untouched.PixelColor(0, y), kInk);
}

TEST_F(FadeEdgesTest, FadeTallerThanTheViewTouchesNoRowOutsideIt) {
    // The view lies between two guard rows of a larger buffer.
    const int height = 37;
    const std::size_t stride = Bitmap::StrideFor(4, 24);
    std::vector<std::uint8_t> memory((height + 2) * stride, 0x5A);
    Bitmap view = Bitmap::View(memory.data() + stride, 4, height, 24, Bitmap::Order::TopDown);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 4; ++x)
            view.SetPixelColor(x, y, kInk);
    FadeEdges(view, 100, kBack);
    for (std::size_t i = 0; i < stride; ++i) {
        EXPECT_EQ(memory[i], 0x5A);
        EXPECT_EQ(memory[memory.size() - 1 - i], 0x5A);
    }
    EXPECT_EQ(view.PixelColor(0, 0), kBack);
    EXPECT_EQ(view.PixelColor(0, 36), kBack);
}

}  // namespace
}  // namespace huecast
