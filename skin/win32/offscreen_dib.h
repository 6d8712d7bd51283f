// An off-screen 24-bit picture that is both a Bitmap (for the skin's picture cutters) and a device
// context (for GDI text), composed whole and copied to a window in one block copy.
#pragma once

#include <windows.h>

#include <stdexcept>

#include "base/bitmap.h"
#include "gui/handles.h"

namespace huecast::skin {

class OffscreenDib {
  public:
    OffscreenDib(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down, as the cutters' rows run
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        section_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        dc_ = CreateCompatibleDC(nullptr);
        if (!section_ || !dc_) {
            if (dc_) DeleteDC(dc_);
            throw std::runtime_error("Cannot create an off-screen picture");
        }
        old_ = SelectObject(dc_, section_.get());
        bitmap_ = Bitmap::View(static_cast<std::uint8_t*>(bits), width, height, 24, Bitmap::Order::TopDown);
    }
    ~OffscreenDib() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    OffscreenDib(const OffscreenDib&) = delete;
    OffscreenDib& operator=(const OffscreenDib&) = delete;

    Bitmap& Pixels() {
        GdiFlush();  // GDI may still be drawing into the section
        return bitmap_;
    }
    HDC Dc() const { return dc_; }
    void CopyTo(HDC target, int x = 0, int y = 0) const {
        BitBlt(target, x, y, bitmap_.Width(), bitmap_.Height(), dc_, 0, 0, SRCCOPY);
    }

  private:
    gui::BitmapHandle section_;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
    Bitmap bitmap_;
};

}  // namespace huecast::skin
