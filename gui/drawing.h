// The drawing kit of the Win32 layer: pixels the core can see, device contexts, paint scopes, window
// shapes and text. Every GDI handle here is owned by exactly one object and released in its destructor.
//
//     DibSection look(width, height);              // 24-bit top-down section; look.Pixels() is a core Bitmap
//     skin::CutPicture(picture, rect, pieces, mapping, look.Pixels());
//     PaintScope paint(hwnd, printDc);             // BeginPaint/EndPaint, or the DC of WM_PRINTCLIENT
//     look.Draw(paint.Dc(), 0, 0);                 // one BitBlt, no erase
//
//     SetWindowShape(hwnd, RegionFromRuns(runs));  // the system takes the region; see SetWindowShape
//     DrawTransparentText(dc, "OK", rect, RGB(0, 0, 0), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
//
// Sections and DCs refuse to exist half-made: a failed creation throws std::runtime_error naming what
// failed, with nothing leaked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "gui/handles.h"

namespace huecast::gui {

using RegionHandle = GdiPtr<HRGN>;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
// A memory device context compatible with `like` (the screen when nullptr).
class MemoryDC {
  public:
    explicit MemoryDC(HDC like = nullptr);
    operator HDC() const { return dc_.get(); }

  private:
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc_;
};

// A DIB section whose memory is a core Bitmap (a view), so the core draws into it and GDI copies it out
// with no conversion. 8-bit sections take a colour table of 0x00BBGGRR values.
class DibSection {
  public:
    DibSection() = default;
    // A black section; an empty size makes no section (Empty() is true and Draw does nothing).
    DibSection(int width, int height, int bitsPerPixel = 24, Bitmap::Order order = Bitmap::Order::TopDown,
               std::span<const std::uint32_t> colors = {});
    // A 24-bit top-down copy of any bitmap the system holds.
    static DibSection FromBitmap(HBITMAP source);

    DibSection(DibSection&&) noexcept = default;
    DibSection& operator=(DibSection&&) noexcept = default;

    bool Empty() const { return !section_; }
    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    Bitmap& Pixels() { return pixels_; }
    const Bitmap& Pixels() const { return pixels_; }
    HBITMAP Handle() const { return section_.get(); }
    // Hands the section over (the pixels' view stays valid as long as the returned handle lives).
    BitmapHandle Release();

    // Copies the whole section to (x, y) of `dc` in one BitBlt.
    void Draw(HDC dc, int x, int y) const;

  private:
    BitmapHandle section_;
    Bitmap pixels_{0, 0, 24};
};

// The painting DC of one WM_PAINT, or the DC that WM_PRINTCLIENT hands over (`printDc`, not released).
class PaintScope {
  public:
    explicit PaintScope(HWND window, HDC printDc = nullptr);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
    bool began_ = false;
};

// A region of the union of `rects`, built in bounded chunks, so no count of rects is cut or too large for
// one call. An empty list gives an empty region (never a null handle).
RegionHandle RegionFromRuns(std::span<const Rect> rects);

// Gives `region` to `window` as its shape. Once SetWindowRgn succeeds the system owns the region and frees
// the window's previous one itself: the caller must never delete either. Only when the hand-over fails is
// the region deleted here. A null region removes the shape. Returns whether the window took it.
bool SetWindowShape(HWND window, RegionHandle region, bool redraw = true);

// Text in `color` over what is there (no background fill), in the DC's current font; `format` as DrawText
// takes it (add DT_NOPREFIX to show a '&').
void DrawTransparentText(HDC dc, std::string_view text, Rect rect, COLORREF color, UINT format);
// The size of `text` in `font` (the default GUI font when nullptr), measured on the screen.
Size MeasureText(std::string_view text, HFONT font);

RECT ToRECT(const Rect& r);
Rect FromRECT(const RECT& r);

}  // namespace huecast::gui
