#include "skin/picture/win32/effect_bmp_dib.h"

#include <gtest/gtest.h>

namespace huecast::skin {
namespace {

TEST(EffectBmpDib, ReadsABitmapMorphsInPlaceAndDraws) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP source = CreateCompatibleBitmap(screen, 5, 3);
    HGDIOBJ old = SelectObject(dc, source);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            SetPixel(dc, x, y, RGB(10 * x, 20 * y, 200));
    SelectObject(dc, old);

    auto normal = EffectBmpDib::FromBitmap(source);
    ASSERT_EQ(normal->Bmp().Width(), 5);
    ASSERT_EQ(normal->Bmp().Height(), 3);
    EXPECT_EQ(normal->Bmp().Stride(), TEffectBmp::StrideFor(5));
    const std::uint8_t* row = normal->Bmp().ScanLine(2);  // top-down: row 2 is the bottom row
    EXPECT_EQ(row[3 * 4 + 2], 40);                        // red of (4, 2)
    EXPECT_EQ(row[3 * 4 + 1], 40);                        // green
    EXPECT_EQ(row[3 * 4 + 0], 200);                       // blue

    EffectBmpDib active(5, 3);
    normal->Bmp().MorphLeftSlide(active.Bmp(), 0.4);  // two black columns slide in from the left
    HBITMAP canvas = CreateCompatibleBitmap(screen, 8, 6);
    old = SelectObject(dc, canvas);
    normal->Draw(dc, 2, 1);
    EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 6, 3), RGB(40, 40, 200));
    SelectObject(dc, old);

    DeleteObject(canvas);
    DeleteObject(source);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace huecast::skin
