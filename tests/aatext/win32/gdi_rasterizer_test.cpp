#include "aatext/win32/gdi_rasterizer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "aatext/aa_painter.h"
#include "aatext/aa_painter_ex.h"
#include "aatext/win32/dib_canvas.h"
#include "tests/aatext/bmp_file.h"
#include "tests/aatext/sample_sheet.h"

namespace huecast {
namespace {

// "华彩文字平滑边缘测试" in the GBK code page.
const std::string kLine = "\xBB\xAA\xB2\xCA\xCE\xC4\xD7\xD6\xC6\xBD\xBB\xAC\xB1\xDF\xD4\xB5\xB2\xE2\xCA\xD4";

constexpr TAAQuality kQualities[] = {TAAQuality::aqHigh, TAAQuality::aqNormal, TAAQuality::aqLow,
                                     TAAQuality::aqNone};

// The same text drawn by plain GDI calls, independently of the rasterizer: white on a black top-down 8-bit
// DIB with a grey colour table.
std::vector<std::uint8_t> PlainGdiRendering(const FontSpec& font, int width, int height, Point start,
                                            const std::string& text) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    for (int i = 0; i < 256; ++i)
        info.colors[i] = {BYTE(i), BYTE(i), BYTE(i), 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP dib =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ oldBitmap = SelectObject(dc, dib);
    const LOGFONTA lf = ToLogFont(font);
    HFONT hfont = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(dc, hfont);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, start.x, start.y, text.data(), static_cast<int>(text.size()));
    GdiFlush();
    const std::size_t stride = (width + 3) & ~3;
    std::vector<std::uint8_t> pixels(static_cast<const std::uint8_t*>(bits),
                                     static_cast<const std::uint8_t*>(bits) + stride * height);
    SelectObject(dc, oldFont);
    DeleteObject(hfont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The mask value of (r, c) from a top-down work bitmap, by the reduction rule written out per pixel.
int Reduced(const std::vector<std::uint8_t>& work, std::size_t stride, int scale, int r, int c) {
    auto p = [&](int i, int j) { return static_cast<int>(work[(scale * r + i) * stride + scale * c + j]); };
    switch (scale) {
        case 4: {
            int sum = 0;
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    sum += p(i, j);
            return sum >> 4;
        }
        case 3:
            return (p(0, 0) + p(0, 1) + (p(0, 2) >> 1) + p(1, 0) + p(1, 1) + p(1, 2) + (p(2, 0) >> 1) +
                    p(2, 1) + p(2, 2)) >>
                   3;
        case 2:
            return (p(0, 0) + p(0, 1) + p(1, 0) + p(1, 1)) >> 2;
        default:
            return p(0, 0);
    }
}

struct GdiFixture : ::testing::Test {
    GdiRasterizer rasterizer;
    Bitmap target{400, 60, 24};
    AACanvas canvas;
    TAAPainter painter{&canvas};
    GdiFixture() {
        canvas.target = &target;
        canvas.rasterizer = &rasterizer;
        canvas.font.height = -16;
    }
};

TEST_F(GdiFixture, MaskIsTheReductionOfTheGdiRendering) {
    for (TAAQuality quality : kQualities) {
        painter.SetQuality(quality);
        const int scale = painter.Mask().Scale();
        painter.Mask().DrawMask(kLine);
        const TAAMask& mask = painter.Mask();
        ASSERT_GT(mask.Width(), 100);
        ASSERT_GT(mask.Height(), 10);
        FontSpec scaled = canvas.font;
        scaled.height *= scale;
        const int workWidth = mask.Width() * scale;
        const std::vector<std::uint8_t> work =
            PlainGdiRendering(scaled, workWidth, mask.Height() * scale, {0, 0}, kLine);
        const std::size_t stride = (workWidth + 3) & ~3;
        int inked = 0;
        for (int r = 0; r < mask.Height(); ++r)
            for (int c = 0; c < mask.Width(); ++c) {
                ASSERT_EQ(mask.ScanLine(r)[c], Reduced(work, stride, scale, r, c))
                    << "quality " << int(quality) << " at " << r << "," << c;
                inked += mask.ScanLine(r)[c] != 0;
            }
        EXPECT_GT(inked, 200) << "the line left ink at quality " << int(quality);
    }
}

TEST_F(GdiFixture, SupersampledQualitiesHaveSmoothEdges) {
    for (TAAQuality quality : {TAAQuality::aqHigh, TAAQuality::aqNormal, TAAQuality::aqLow}) {
        painter.SetQuality(quality);
        painter.Mask().DrawMask(kLine);
        int partial = 0, full = 0;
        for (int r = 0; r < painter.Mask().Height(); ++r)
            for (int c = 0; c < painter.Mask().Width(); ++c) {
                const int v = painter.Mask().ScanLine(r)[c];
                partial += v > 0 && v < 250;
                full += v >= 250;
            }
        EXPECT_GT(partial, full / 2) << "edges are grey at quality " << int(quality);
    }
}

TEST_F(GdiFixture, MeasuringMatchesTheScaledFontsExtent) {
    painter.SetQuality(TAAQuality::aqHigh);
    FontSpec scaled = canvas.font;
    scaled.height *= 4;
    const Size work = rasterizer.TextExtent(scaled, kLine);
    EXPECT_EQ(painter.TextExtent(kLine), (Size{(work.cx + 3) / 4, (work.cy + 3) / 4}));
}

TEST_F(GdiFixture, RotatedLineFitsItsBox) {
    painter.SetQuality(TAAQuality::aqNormal);
    painter.Mask().DrawMask(kLine);
    long straight = 0;
    for (int r = 0; r < painter.Mask().Height(); ++r)
        for (int c = 0; c < painter.Mask().Width(); ++c)
            straight += painter.Mask().ScanLine(r)[c];
    canvas.font.escapement = 900;
    painter.Mask().DrawMask(kLine);
    EXPECT_GT(painter.Mask().Height(), painter.Mask().Width());
    long rotated = 0;
    for (int r = 0; r < painter.Mask().Height(); ++r)
        for (int c = 0; c < painter.Mask().Width(); ++c)
            rotated += painter.Mask().ScanLine(r)[c];
    EXPECT_NEAR(static_cast<double>(rotated), static_cast<double>(straight), straight * 0.1)
        << "all the ink of the line lands inside the rotated box";
}

TEST_F(GdiFixture, SystemColoursComeFromTheSystem) {
    EXPECT_EQ(rasterizer.SystemColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFFu);
}

TEST(DibCanvas, PainterDrawsIntoTheSectionAndGdiCopiesIt) {
    DibCanvas surface(200, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            surface.Pixels().SetPixelColor(x, y, 0xFFFFFF);
    surface.Canvas().font.height = -20;
    surface.Canvas().font.color = 0x0000FF;
    TAAPainterEx painter(&surface.Canvas());
    painter.SetQuality(TAAQuality::aqHigh);
    painter.TextOut(2, 2, kLine);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, 200, 40);
    HGDIOBJ old = SelectObject(dc, copy);
    surface.Draw(dc, 0, 0);
    int red = 0, mismatched = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            red += c == RGB(255, 0, 0);
            mismatched += c != (surface.Pixels().PixelColor(x, y) & 0xFFFFFF);
        }
    SelectObject(dc, old);
    DeleteObject(copy);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    EXPECT_GT(red, 50) << "fully inked pixels take the font colour exactly at aqHigh";
    EXPECT_EQ(mismatched, 0);
}

TEST(GdiSampleSheet, DrawsEveryEffect) {
    GdiRasterizer rasterizer;
    const Bitmap sheet = testing::DrawSampleSheet(rasterizer, kLine + " Huecast", 20);
    testing::Snapshot(sheet, "aatext_gdi_sheet");
    int inked = 0;
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x)
            inked += sheet.PixelColor(x, y) != 0xFFFFFF;
    EXPECT_GT(inked, 5000);
}

}  // namespace
}  // namespace huecast
