#include "skin/lists/win32/track_bar.h"

#include <windowsx.h>
#include <commctrl.h>

#include <string>

#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"
#include "skin/lists/win32/value_control_paint.h"

namespace huecast::skin {

namespace {

SkinControlArgs ControlArgsOf(const TrackBarArgs& args) {
    const gui::ControlArgs& c = args.control;
    return {.parent = c.parent,
            .id = c.id,
            .x = c.x,
            .y = c.y,
            .width = c.width,
            .height = c.height,
            .caption = c.text,
            .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | c.style,
            .exStyle = c.exStyle,
            .skinDataName = args.skinDataName,
            .skinData = args.skinData};
}

}  // namespace

TSkinTrackBar::TSkinTrackBar(const TrackBarArgs& args)
    : range_{args.minValue, args.maxValue, args.minValue}, vertical_(args.vertical) {
    range_.value = range_.Clamp(args.value);
    CreateControl("HuecastSkinTrackBar", ControlArgsOf(args));
}

const TDataSkinTrackBarControl* TSkinTrackBar::Element() const {
    return DescriptorAs<TDataSkinTrackBarControl>();
}

bool TSkinTrackBar::Vertical() const {
    const TDataSkinTrackBarControl* element = Element();
    return element ? element->vertical : vertical_;
}

TrackBarLayoutArgs TSkinTrackBar::LayoutArgs() const {
    const Size size = ClientSize();
    const TDataSkinTrackBarControl* element = Picture() ? Element() : nullptr;
    return {.vertical = Vertical(),
            .width = size.cx,
            .height = size.cy,
            .element = element,
            .fixedResize = element && Pieces().mode == ResizeMode::Fixed};
}

void TSkinTrackBar::SetValue(int value) {
    if (!SetTrackValue(range_, value)) return;
    Invalidate();
    if (OnChange) OnChange();
}

void TSkinTrackBar::SetMinValue(int minValue) {
    SetTrackMinValue(range_, minValue);
    Invalidate();
}

void TSkinTrackBar::SetMaxValue(int maxValue) {
    SetTrackMaxValue(range_, maxValue);
    Invalidate();
}

void TSkinTrackBar::SetCanFocused(bool canFocused) {
    canFocused_ = canFocused;
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = canFocused ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
}

void TSkinTrackBar::DrawSkinLook(LookCanvas& canvas) {
    const TDataSkinTrackBarControl* element = Element();
    if (!element || !Picture()) {
        DrawPlainLook(canvas);
        return;
    }
    TSkinCustomControl::DrawSkinLook(canvas);  // the groove: the skin rect cut to the size
    const TrackBarGeometry g = LayOutTrackBar(LayoutArgs(), range_);
    const bool active = dragging_ || GetFocus() == Handle();
    const Rect thumb =
        active && !element->activeButtonRect.IsEmpty() ? element->activeButtonRect : element->buttonRect;
    CopyPiece(*Picture(), thumb, canvas.Pixels(), {g.thumb.left, g.thumb.top});
}

void TSkinTrackBar::DrawPlainLook(LookCanvas& canvas) {
    const Size size{canvas.Width(), canvas.Height()};
    const TrackBarLayoutArgs args = LayoutArgs();
    const TrackBarGeometry g = LayOutTrackBar(args, range_);
    HDC d = canvas.Dc();
    FillSolid(d, {0, 0, size.cx, size.cy}, GetSysColor(COLOR_BTNFACE));
    FrameSolid(d, {0, 0, size.cx, size.cy}, GetSysColor(COLOR_BTNSHADOW));
    const Rect groove = args.vertical ? Rect{size.cx / 2 - 1, 4, size.cx / 2 + 1, size.cy - 4}
                                      : Rect{4, size.cy / 2 - 1, size.cx - 4, size.cy / 2 + 1};
    RECT r = ToRECT(groove);
    DrawEdge(d, &r, BDR_SUNKENOUTER, BF_RECT);
    DrawPlainPart(d, g.thumb,
                  dragging_                ? PlainPartState::Pressed
                  : GetFocus() == Handle() ? PlainPartState::Hot
                                           : PlainPartState::Normal);
}

AccessibleInfo TSkinTrackBar::Accessible() const {
    return {.role = ROLE_SYSTEM_SLIDER, .value = std::to_string(range_.value)};
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
    Invalidate();
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
        Invalidate();
        return;
    }
    if (!mouseSupport || !jumpWhenClick) return;
    const TrackBarLayoutArgs args = LayoutArgs();
    const TrackBarGeometry g = LayOutTrackBar(args, range_);
    SetValue(TrackValueForOffset(range_, TrackClickOffset(args, g, p), g.travel));
}

bool TSkinTrackBar::TrackBarMessage(UINT message, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case TBM_GETPOS:
            result = range_.value;
            return true;
        case TBM_SETPOS:
            SetValue(static_cast<int>(lParam));
            return true;
        case TBM_GETRANGEMIN:
            result = range_.minValue;
            return true;
        case TBM_GETRANGEMAX:
            result = range_.maxValue;
            return true;
        case TBM_SETRANGEMIN:
            SetMinValue(static_cast<int>(lParam));
            return true;
        case TBM_SETRANGEMAX:
            SetMaxValue(static_cast<int>(lParam));
            return true;
        case TBM_SETRANGE:
            SetMinValue(static_cast<short>(LOWORD(lParam)));
            SetMaxValue(static_cast<short>(HIWORD(lParam)));
            return true;
        default:
            return false;
    }
}

LRESULT TSkinTrackBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TrackBarMessage(message, lParam, result)) return result;
    const Point pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(pointer);
            return 0;
        case WM_MOUSEMOVE:
            Move(pointer);
            break;  // the base follows the pointer in and out
        case WM_LBUTTONUP:
            Release(pointer);
            return 0;
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(lParam) != Handle()) {
                dragging_ = false;
                Invalidate();
            }
            break;
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
    return TSkinCustomControl::HandleMessage(message, wParam, lParam);
}

}  // namespace huecast::skin
