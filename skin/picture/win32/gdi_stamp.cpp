#include "skin/picture/win32/gdi_stamp.h"

#include <algorithm>

#include "skin/picture/win32/offscreen_dib.h"

namespace huecast::skin {

namespace {

Bitmap DrawnOn(COLORREF background, Size size, const std::function<void(HDC)>& draw) {
    OffscreenDib dib(size.cx, size.cy);
    const RECT all{0, 0, size.cx, size.cy};
    SetDCBrushColor(dib.Dc(), background);
    FillRect(dib.Dc(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    draw(dib.Dc());
    return Bitmap(dib.Pixels());  // an owned copy
}

}  // namespace

GdiStamp::GdiStamp(Size size, const std::function<void(HDC)>& draw) {
    if (size.cx <= 0 || size.cy <= 0) return;
    black_ = DrawnOn(RGB(0, 0, 0), size, draw);
    white_ = DrawnOn(RGB(255, 255, 255), size, draw);
}

void GdiStamp::Apply(Bitmap& to, Point at, const Rect& clip) const {
    const Rect placed = Rect{0, 0, black_.Width(), black_.Height()}.Offset(at.x, at.y);
    const Rect area = placed.Intersect(clip).Intersect({0, 0, to.Width(), to.Height()});
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* b = black_.Row(y - at.y) + 3 * static_cast<std::size_t>(area.left - at.x);
        const std::uint8_t* w = white_.Row(y - at.y) + 3 * static_cast<std::size_t>(area.left - at.x);
        std::uint8_t* d = to.Row(y) + 3 * static_cast<std::size_t>(area.left);
        for (int i = 0; i < 3 * area.Width(); ++i) {
            const int through = std::max(w[i] - b[i], 0);  // how much of what lies beneath shows
            d[i] = static_cast<std::uint8_t>(std::min(255, b[i] + (through * d[i] + 127) / 255));
        }
    }
}

}  // namespace huecast::skin
