#include "skin/win32/effect_bmp_dib.h"

#include <stdexcept>

namespace huecast {

namespace {

BITMAPINFO TopDown24(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

EffectBmpDib::EffectBmpDib(int width, int height) {
    if (width <= 0 || height <= 0) return;  // an empty bitmap needs no section
    const BITMAPINFO info = TopDown24(width, height);
    void* bits = nullptr;
    section_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section_ || !bits) throw std::runtime_error("EffectBmpDib: cannot create a DIB section");
    bmp_ = TEffectBmp::View(static_cast<std::uint8_t*>(bits), width, height);
}

std::unique_ptr<EffectBmpDib> EffectBmpDib::FromBitmap(HBITMAP source) {
    BITMAP desc{};
    if (!source || !GetObjectA(source, sizeof desc, &desc))
        throw std::invalid_argument("EffectBmpDib: no bitmap");
    auto dib = std::make_unique<EffectBmpDib>(desc.bmWidth, desc.bmHeight);
    if (!dib->section_) return dib;
    HDC screen = GetDC(nullptr);
    BITMAPINFO info = TopDown24(desc.bmWidth, desc.bmHeight);
    // GetDIBits converts any depth to 24 bits straight into the section's memory.
    const int rows =
        GetDIBits(screen, source, 0, desc.bmHeight, dib->bmp_.ScanLine(0), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != desc.bmHeight) throw std::runtime_error("EffectBmpDib: cannot read the bitmap's pixels");
    return dib;
}

EffectBmpDib::~EffectBmpDib() {
    if (section_) DeleteObject(section_);
}

void EffectBmpDib::Draw(HDC dc, int x, int y) const {
    if (!section_) return;
    GdiFlush();  // the core wrote to the section's memory behind GDI's back
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, section_);
    BitBlt(dc, x, y, bmp_.Width(), bmp_.Height(), memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace huecast
