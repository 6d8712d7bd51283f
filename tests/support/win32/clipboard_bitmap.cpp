#include "tests/support/win32/clipboard_bitmap.h"

#include <windows.h>

#include "gui/handles.h"

namespace huecast::testing {

std::vector<std::uint32_t> ClipboardBitmapPixels() {
    std::vector<std::uint32_t> pixels;
    if (!OpenClipboard(nullptr)) return pixels;
    if (auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        BITMAP shape{};
        GetObjectA(bitmap, sizeof shape, &shape);
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), shape.bmWidth, -shape.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixels.resize(static_cast<std::size_t>(shape.bmWidth) * static_cast<std::size_t>(shape.bmHeight));
        const gui::WindowDC screen(nullptr);
        if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight), pixels.data(), &info,
                      DIB_RGB_COLORS) != shape.bmHeight)
            pixels.clear();
    }
    CloseClipboard();
    return pixels;
}

}  // namespace huecast::testing
