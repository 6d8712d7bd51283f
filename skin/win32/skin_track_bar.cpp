#include "skin/win32/skin_track_bar.h"

#include <windowsx.h>
#include <commctrl.h>

#include "skin/picture_cut.h"
#include "skin/piece_geometry.h"
#include "skin/win32/value_control_paint.h"

namespace huecast::skin {

namespace {

Size ClientSize(HWND window) {
    RECT rc{};
    GetClientRect(window, &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

TSkinTrackBar::TSkinTrackBar(const TrackBarArgs& args)
    : range_{args.minValue, args.maxValue, args.minValue},
      skinData_(args.skinData),
      skinDataName_(args.skinDataName),
      vertical_(args.vertical) {
    range_.value = range_.Clamp(args.value);
    gui::ControlArgs a = args.control;
    a.style |= WS_CLIPSIBLINGS;
    CreateChild(ValueControlClass(), a);
    SkinChanged();
}

const TDataSkinTrackBarControl* TSkinTrackBar::Element() const {
    if (!skinData_ || skinData_->Empty()) return nullptr;
    return skinData_->SkinControlAs<TDataSkinTrackBarControl>(skinDataName_);
}

bool TSkinTrackBar::Vertical() const {
    const TDataSkinTrackBarControl* element = Element();
    return element ? element->vertical : vertical_;
}

TrackBarLayoutArgs TSkinTrackBar::LayoutArgs() const {
    const Size size = ClientSize(Handle());
    const TDataSkinTrackBarControl* element = Element();
    return {.vertical = Vertical(),
            .width = size.cx,
            .height = size.cy,
            .element = element,
            .fixedResize = element && PiecesOf(*element).mode == ResizeMode::Fixed};
}

void TSkinTrackBar::SetValue(int value) {
    if (!SetTrackValue(range_, value)) return;
    InvalidateRect(Handle(), nullptr, FALSE);
    if (OnChange) OnChange();
}

void TSkinTrackBar::SetMinValue(int minValue) {
    SetTrackMinValue(range_, minValue);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TSkinTrackBar::SetMaxValue(int maxValue) {
    SetTrackMaxValue(range_, maxValue);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TSkinTrackBar::SetCanFocused(bool canFocused) {
    canFocused_ = canFocused;
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = canFocused ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
}

void TSkinTrackBar::SetSkinData(TSkinData* skinData) {
    skinData_ = skinData;
    SkinChanged();
}

void TSkinTrackBar::SkinChanged() {
    if (const TDataSkinTrackBarControl* element = Element()) {
        const Size size = ClientSize(Handle());
        const Size fitted = FitToSkin(PiecesOf(*element), size).size;
        if (fitted != size)
            SetWindowPos(Handle(), nullptr, 0, 0, fitted.cx, fitted.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TSkinTrackBar::Paint(HDC dc) {
    const Size size = ClientSize(Handle());
    if (size.cx <= 0 || size.cy <= 0) return;
    OffscreenLook look(dc, size.cx, size.cy);
    const TrackBarLayoutArgs args = LayoutArgs();
    const TrackBarGeometry g = LayOutTrackBar(args, range_);
    const TDataSkinTrackBarControl* element = args.element;
    const Bitmap* picture = element ? ElementPicture(skinData_, element->pictureIndex) : nullptr;
    const bool focused = GetFocus() == Handle();
    if (picture) {
        Bitmap& pixels = look.Pixels();
        const SkinPieces pieces = PiecesOf(*element);
        CutPicture(*picture, element->skinRect, pieces, FitToSkin(pieces, size), pixels);
        const Rect active =
            element->activeButtonRect.IsEmpty() ? element->buttonRect : element->activeButtonRect;
        CopyPiece(*picture, dragging_ || focused ? active : element->buttonRect, pixels,
                  {g.thumb.left, g.thumb.top});
    } else {
        HDC d = look.Dc();
        FillSolid(d, {0, 0, size.cx, size.cy}, GetSysColor(COLOR_BTNFACE));
        FrameSolid(d, {0, 0, size.cx, size.cy}, GetSysColor(COLOR_BTNSHADOW));
        const Rect groove = args.vertical ? Rect{size.cx / 2 - 1, 4, size.cx / 2 + 1, size.cy - 4}
                                          : Rect{4, size.cy / 2 - 1, size.cx - 4, size.cy / 2 + 1};
        RECT r = ToRECT(groove);
        DrawEdge(d, &r, BDR_SUNKENOUTER, BF_RECT);
        DrawPlainPart(d, g.thumb,
                      dragging_ ? PlainPartState::Pressed
                      : focused ? PlainPartState::Hot
                                : PlainPartState::Normal);
    }
    look.CopyTo(dc);
}

void TSkinTrackBar::Press(Point p) {
    if (canFocused_) SetFocus();
    if (!mouseSupport) return;
    const TrackBarGeometry g = LayOutTrackBar(LayoutArgs(), range_);
    // The thumb's edges belong to it.
    if (p.x < g.thumb.left || p.x > g.thumb.right || p.y < g.thumb.top || p.y > g.thumb.bottom) return;
    dragging_ = true;
    dragStart_ = Vertical() ? -p.y : p.x;
    dragStartOffset_ = g.offset;
    SetCapture(Handle());
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TSkinTrackBar::Move(Point p) {
    if (!dragging_) return;
    const TrackBarGeometry g = LayOutTrackBar(LayoutArgs(), range_);
    const int travelled = (Vertical() ? -p.y : p.x) - dragStart_;
    SetValue(TrackValueForOffset(range_, dragStartOffset_ + travelled, g.travel));
}

void TSkinTrackBar::Release(Point p) {
    if (dragging_) {
        dragging_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        InvalidateRect(Handle(), nullptr, FALSE);
        return;
    }
    if (!mouseSupport || !jumpWhenClick) return;
    const TrackBarLayoutArgs args = LayoutArgs();
    const TrackBarGeometry g = LayOutTrackBar(args, range_);
    SetValue(TrackValueForOffset(range_, TrackClickOffset(args, g, p), g.travel));
}

LRESULT TSkinTrackBar::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto answer = AnswerPaintMessages(Handle(), message, wParam, [this](HDC dc) { Paint(dc); }))
        return *answer;
    const Point pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case TBM_GETPOS:
            return range_.value;
        case TBM_SETPOS:
            SetValue(static_cast<int>(lParam));
            return 0;
        case TBM_GETRANGEMIN:
            return range_.minValue;
        case TBM_GETRANGEMAX:
            return range_.maxValue;
        case TBM_SETRANGEMIN:
            SetMinValue(static_cast<int>(lParam));
            return 0;
        case TBM_SETRANGEMAX:
            SetMaxValue(static_cast<int>(lParam));
            return 0;
        case TBM_SETRANGE:
            SetMinValue(static_cast<short>(LOWORD(lParam)));
            SetMaxValue(static_cast<short>(HIWORD(lParam)));
            return 0;
        case WM_SIZE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            InvalidateRect(Handle(), nullptr, FALSE);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(pointer);
            return 0;
        case WM_MOUSEMOVE:
            Move(pointer);
            return 0;
        case WM_LBUTTONUP:
            Release(pointer);
            return 0;
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(lParam) != Handle()) {
                dragging_ = false;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            return 0;
        case WM_GETDLGCODE:
            return canFocused_ ? DLGC_WANTARROWS : 0;
        case WM_KEYDOWN:
            if (!canFocused_) break;
            if (wParam == VK_LEFT || wParam == VK_DOWN) {
                SetValue(range_.value - 1);
                return 0;
            }
            if (wParam == VK_RIGHT || wParam == VK_UP) {
                SetValue(range_.value + 1);
                return 0;
            }
            break;
        case WM_MOUSEWHEEL:
            if (GetFocus() == Handle()) {
                // Away from the user: up for a vertical bar, back for a horizontal one.
                const bool away = GET_WHEEL_DELTA_WPARAM(wParam) > 0;
                const int step = Vertical() == away ? 1 : -1;
                SetValue(range_.value + step);
                return 0;
            }
            break;
        default:
            break;
    }
    return gui::Control::HandleOwnMessage(message, wParam, lParam);
}

}  // namespace huecast::skin
