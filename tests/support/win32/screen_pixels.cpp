#include "tests/support/win32/screen_pixels.h"

#include <algorithm>

#include "gui/drawing.h"

namespace huecast::testing {

namespace {

bool Masked(const std::vector<Rect>& masked, int x, int y) {
    return std::any_of(masked.begin(), masked.end(), [&](const Rect& r) { return r.Contains({x, y}); });
}

}  // namespace

Bitmap CapturePrintClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    gui::DibSection dib(client.right, client.bottom);
    if (dib.Empty()) return Bitmap(0, 0, 24);
    {
        const gui::MemoryDC dc;
        const gui::SelectedObject selected(dc, dib.Handle());
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), PRF_CLIENT);
        GdiFlush();
    }
    return dib.Pixels();  // a copy, which owns its pixels
}

Bitmap CaptureScreen(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return CaptureScreen(client);
}

Bitmap CaptureScreen(const RECT& screenRect) {
    gui::DibSection dib(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
    if (dib.Empty()) return Bitmap(0, 0, 24);
    {
        const gui::WindowDC screen(nullptr);
        const gui::MemoryDC dc(screen);
        const gui::SelectedObject selected(dc, dib.Handle());
        BitBlt(dc, 0, 0, dib.Width(), dib.Height(), screen, screenRect.left, screenRect.top, SRCCOPY);
        GdiFlush();
    }
    return dib.Pixels();
}

COLORREF ScreenPixel(POINT at) {
    const gui::WindowDC screen(nullptr);
    return GetPixel(screen, at.x, at.y);
}

int CountDifferentPixels(const Bitmap& a, const Bitmap& b, const std::vector<Rect>& masked) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return std::max(a.Width() * a.Height(), b.Width() * b.Height());
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!Masked(masked, x, y) && a.PixelColor(x, y) != b.PixelColor(x, y)) ++differences;
    return differences;
}

int CountPixelsNot(const Bitmap& bitmap, std::uint32_t color, const std::vector<Rect>& masked) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (!Masked(masked, x, y) && bitmap.PixelColor(x, y) != color) ++count;
    return count;
}

Rect DifferenceBox(const Bitmap& a, const Bitmap& b) {
    Rect box{a.Width(), a.Height(), 0, 0};
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.PixelColor(x, y) != b.PixelColor(x, y))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

}  // namespace huecast::testing
