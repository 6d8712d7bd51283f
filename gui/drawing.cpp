#include "gui/drawing.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace huecast::gui {

MemoryDC::MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {
    if (!dc_) throw std::runtime_error("Cannot create a memory device context");
}

DibSection::DibSection(int width, int height, int bitsPerPixel, Bitmap::Order order,
                       std::span<const std::uint32_t> colors) {
    if (width <= 0 || height <= 0) return;
    if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        throw std::invalid_argument("DibSection: bits per pixel must be 8, 24 or 32, not " +
                                    std::to_string(bitsPerPixel));
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = order == Bitmap::Order::TopDown ? -height : height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    const std::size_t count = std::min<std::size_t>(colors.size(), 256);
    info.header.biClrUsed = static_cast<DWORD>(count);
    for (std::size_t i = 0; i < count; ++i)
        info.colors[i] = {static_cast<BYTE>(colors[i] >> 16), static_cast<BYTE>(colors[i] >> 8),
                          static_cast<BYTE>(colors[i]), 0};
    void* bits = nullptr;
    section_.reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                    nullptr, 0));
    if (!section_ || !bits)
        throw std::runtime_error("Cannot create a DIB section of " + std::to_string(width) + " x " +
                                 std::to_string(height) + " pixels");
    std::memset(bits, 0, Bitmap::StrideFor(width, bitsPerPixel) * static_cast<std::size_t>(height));
    pixels_ = Bitmap::View(static_cast<std::uint8_t*>(bits), width, height, bitsPerPixel, order);
    for (std::size_t i = 0; i < count; ++i) pixels_.Palette().push_back(colors[i]);
}

DibSection DibSection::FromBitmap(HBITMAP source) {
    BITMAP desc{};
    if (!source || !GetObjectA(source, sizeof desc, &desc)) throw std::invalid_argument("DibSection: no bitmap");
    DibSection dib(desc.bmWidth, desc.bmHeight);
    if (dib.Empty()) return dib;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = desc.bmWidth;
    info.bmiHeader.biHeight = -desc.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const WindowDC screen(nullptr);
    // GetDIBits converts any depth to 24 bits straight into the section's memory.
    const int rows = GetDIBits(screen, source, 0, static_cast<UINT>(desc.bmHeight), dib.pixels_.Row(0), &info,
                               DIB_RGB_COLORS);
    if (rows != desc.bmHeight) throw std::runtime_error("DibSection: cannot read the bitmap's pixels");
    return dib;
}

BitmapHandle DibSection::Release() {
    pixels_ = Bitmap(0, 0, 24);
    return std::move(section_);
}

void DibSection::Draw(HDC dc, int x, int y) const {
    if (!section_) return;
    GdiFlush();  // the core wrote into the section's memory behind GDI's back
    const MemoryDC memory(dc);
    const SelectedObject selected(memory, section_.get());
    BitBlt(dc, x, y, Width(), Height(), memory, 0, 0, SRCCOPY);
}

PaintScope::PaintScope(HWND window, HDC printDc) : window_(window), dc_(printDc) {
    if (!dc_) {
        dc_ = BeginPaint(window, &paint_);
        began_ = true;
    }
}

PaintScope::~PaintScope() {
    if (began_) EndPaint(window_, &paint_);
}

RegionHandle RegionFromRuns(std::span<const Rect> rects) {
    // One RGNDATA of at most this many rects at a time, then combined: no call takes an unbounded block.
    constexpr std::size_t kChunk = 2000;
    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    if (!region) throw std::runtime_error("Cannot create a region");
    std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + kChunk * sizeof(RECT));
    for (std::size_t start = 0; start < rects.size(); start += kChunk) {
        const std::size_t n = std::min(kChunk, rects.size() - start);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(n),
                     static_cast<DWORD>(n * sizeof(RECT)), {}};
        RECT bound{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        auto* out = reinterpret_cast<RECT*>(data->Buffer);
        for (std::size_t i = 0; i < n; ++i) {
            out[i] = ToRECT(rects[start + i]);
            bound = {std::min(bound.left, out[i].left), std::min(bound.top, out[i].top),
                     std::max(bound.right, out[i].right), std::max(bound.bottom, out[i].bottom)};
        }
        data->rdh.rcBound = bound;
        const RegionHandle part(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
        if (!part) throw std::runtime_error("Cannot create a region of " + std::to_string(n) + " rectangles");
        CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
    return region;
}

bool SetWindowShape(HWND window, RegionHandle region, bool redraw) {
    if (!SetWindowRgn(window, region.get(), redraw)) return false;  // `region` is deleted on return
    (void)region.release();  // the system owns it now, and has freed the previous one
    return true;
}

void DrawTransparentText(HDC dc, std::string_view text, Rect rect, COLORREF color, UINT format) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, color);
    RECT r = ToRECT(rect);
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

Size MeasureText(std::string_view text, HFONT font) {
    const WindowDC screen(nullptr);
    const SelectedObject selected(screen, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

Rect FromRECT(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace huecast::gui
