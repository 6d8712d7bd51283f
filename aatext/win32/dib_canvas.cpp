#include "aatext/win32/dib_canvas.h"

#include <stdexcept>

namespace huecast {

DibCanvas::~DibCanvas() {
    Release();
}

void DibCanvas::Release() {
    canvas_.target = nullptr;
    pixels_ = Bitmap(0, 0, 24);
    if (section_) DeleteObject(section_);
    section_ = nullptr;
}

void DibCanvas::Resize(int width, int height) {
    Release();
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    section_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section_ || !bits) throw std::runtime_error("DibCanvas: cannot create a DIB section");
    pixels_ = Bitmap::View(static_cast<std::uint8_t*>(bits), width, height, 24, Bitmap::Order::TopDown);
    canvas_.target = &pixels_;
}

void DibCanvas::Draw(HDC dc, int x, int y) const {
    if (!section_) return;
    GdiFlush();
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, section_);
    BitBlt(dc, x, y, pixels_.Width(), pixels_.Height(), memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace huecast
