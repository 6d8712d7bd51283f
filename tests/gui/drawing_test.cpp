// The drawing kit: sections seen as core bitmaps, one-step copies, paint scopes, window shapes handed
// over to the system without leaking or double-freeing a region, regions of any number of runs.
#include "gui/drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/win32/host_window.h"
#include "tests/support/win32/object_counts.h"

namespace huecast::gui {
namespace {

using testing::TestHost;

TEST(DibSection, ItsPixelsAreACoreBitmapThatGdiCopiesAsTheyAre) {
    DibSection dib(7, 5);
    ASSERT_FALSE(dib.Empty());
    EXPECT_EQ(dib.Pixels().PixelColor(6, 4), 0u);  // black from the start
    dib.Pixels().SetPixelColor(6, 4, 0x00336699);
    const DibSection target(10, 10);
    {
        const MemoryDC dc;
        const SelectedObject selected(dc, target.Handle());
        dib.Draw(dc, 2, 3);
        EXPECT_EQ(GetPixel(dc, 8, 7), static_cast<COLORREF>(0x00336699));
    }
    const DibSection copy = DibSection::FromBitmap(dib.Handle());
    EXPECT_EQ(copy.Pixels().PixelColor(6, 4), 0x00336699u);
    EXPECT_TRUE(DibSection(0, 5).Empty());
    const std::uint32_t greys[] = {0, 0x808080, 0xFFFFFF};
    const DibSection paletted(4, 4, 8, Bitmap::Order::BottomUp, greys);
    EXPECT_EQ(paletted.Pixels().Palette().size(), 3u);
    EXPECT_THROW(DibSection(4, 4, 16), std::invalid_argument);
}

TEST(PaintScope, TakesTheDcOfPrintClient) {
    TestHost host;
    const DibSection target(200, 120);
    const MemoryDC dc;
    const SelectedObject selected(dc, target.Handle());
    const PaintScope paint(host.Handle(), dc);
    EXPECT_EQ(paint.Dc(), static_cast<HDC>(dc));
}

TEST(RegionFromRuns, UnitesAnyNumberOfRuns) {
    std::vector<Rect> runs;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; x += 2) runs.push_back({x, y, x + 1, y + 1});  // 5,000 runs: three chunks
    const RegionHandle region = RegionFromRuns(runs);
    EXPECT_TRUE(PtInRegion(region.get(), 98, 99));
    EXPECT_FALSE(PtInRegion(region.get(), 99, 99));
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.get(), &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 99);
    EXPECT_EQ(GetRgnBox(RegionFromRuns({}).get(), &box), NULLREGION);
}

// The system owns a region once SetWindowRgn took it and frees the one it replaces: replacing the shape a
// thousand times neither leaks nor frees a region twice.
TEST(SetWindowShape, AThousandReplacementsLeaveTheGdiObjectCountAlone) {
    TestHost host;
    const std::vector<Rect> runs{{0, 0, 50, 10}, {10, 10, 40, 60}};
    ASSERT_TRUE(SetWindowShape(host.Handle(), RegionFromRuns(runs)));
    const int before = testing::CountOwnObjects().gdi;
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(SetWindowShape(host.Handle(), RegionFromRuns(runs), false));
    const int after = testing::CountOwnObjects().gdi;
    EXPECT_LE(after, before + 2);
    EXPECT_GE(after + 2, before);
    RECT box{};
    EXPECT_EQ(GetWindowRgnBox(host.Handle(), &box), COMPLEXREGION);
    EXPECT_TRUE(SetWindowShape(host.Handle(), nullptr));
    EXPECT_EQ(GetWindowRgnBox(host.Handle(), &box), ERROR);
    // A failed hand-over deletes the region here instead.
    EXPECT_FALSE(SetWindowShape(nullptr, RegionFromRuns(runs)));
    EXPECT_LE(testing::CountOwnObjects().gdi, after + 2);
}

TEST(DrawTransparentText, LeavesTheBackgroundAsItWas) {
    DibSection dib(60, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) dib.Pixels().SetPixelColor(x, y, 0x0000FF00);
    {
        const MemoryDC dc;
        const SelectedObject selected(dc, dib.Handle());
        const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
        DrawTransparentText(dc, "IIII", {0, 0, 60, 20}, RGB(255, 0, 0), DT_LEFT | DT_TOP | DT_SINGLELINE);
        GdiFlush();
    }
    int red = 0, green = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const std::uint32_t c = dib.Pixels().PixelColor(x, y);
            // The face may be drawn smoothed, so the text's pixels are the ones where its red outweighs
            // the background's green.
            red += (c & 0xFF) > ((c >> 8) & 0xFF);
            green += c == 0x0000FF00;
        }
    EXPECT_GT(red, 10);
    EXPECT_GT(green, 60 * 20 / 2);
    EXPECT_GT(MeasureText("IIII", nullptr).cx, 0);
}

}  // namespace
}  // namespace huecast::gui
