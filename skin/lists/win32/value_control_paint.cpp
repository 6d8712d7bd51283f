#include "skin/lists/win32/value_control_paint.h"

namespace huecast::skin {

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);

}  // namespace

OffscreenLook::OffscreenLook(HDC like, int width, int height)
    : dib_(width, height), dc_(CreateCompatibleDC(like)) {
    if (dib_.Handle()) old_ = SelectObject(dc_, dib_.Handle());
}

OffscreenLook::~OffscreenLook() {
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
}

Bitmap& OffscreenLook::Pixels() {
    GdiFlush();
    return dib_.Bmp().Pixels();
}

void OffscreenLook::CopyTo(HDC target, int x, int y) const {
    GdiFlush();
    const Bitmap& pixels = dib_.Bmp().Pixels();
    BitBlt(target, x, y, pixels.Width(), pixels.Height(), dc_, 0, 0, SRCCOPY);
}

RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void FillSolid(HDC dc, const Rect& r, COLORREF color) {
    const RECT rc = ToRECT(r);
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void FrameSolid(HDC dc, const Rect& r, COLORREF color) {
    if (r.IsEmpty()) return;
    FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, color);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, color);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, color);
}

void DrawPlainPart(HDC dc, const Rect& r, PlainPartState state) {
    switch (state) {
        case PlainPartState::Pressed:
            FillSolid(dc, r, RGB(133, 147, 181));
            FrameSolid(dc, r, kNavy);
            break;
        case PlainPartState::Hot:
            FillSolid(dc, r, RGB(182, 189, 210));
            FrameSolid(dc, r, kNavy);
            break;
        case PlainPartState::Normal:
            FillSolid(dc, r, GetSysColor(COLOR_BTNFACE));
            FrameSolid(dc, r, GetSysColor(COLOR_BTNSHADOW));
            break;
    }
}

void DrawArrow(HDC dc, const Rect& r, ArrowDirection direction, COLORREF color) {
    const int cx = r.left + r.Width() / 2;
    const int cy = r.top + r.Height() / 2;
    // Lines of length 7, 5, 3 and 1 from the base to the tip.
    for (int i = 0; i < 4; ++i) {
        const int half = 3 - i;
        switch (direction) {
            case ArrowDirection::Down:
                FillSolid(dc, {cx - half, cy - 2 + i, cx + half + 1, cy - 1 + i}, color);
                break;
            case ArrowDirection::Up:
                FillSolid(dc, {cx - half, cy + 1 - i, cx + half + 1, cy + 2 - i}, color);
                break;
            case ArrowDirection::Right:
                FillSolid(dc, {cx - 2 + i, cy - half, cx - 1 + i, cy + half + 1}, color);
                break;
            case ArrowDirection::Left:
                FillSolid(dc, {cx + 1 - i, cy - half, cx + 2 - i, cy + half + 1}, color);
                break;
        }
    }
}

}  // namespace huecast::skin
