#include "skin/lists/win32/scroll_bar.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <string>

#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"
#include "skin/lists/win32/value_control_paint.h"

namespace huecast::skin {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
// The thickness a bar takes without a skin element (its DefaultHeight, or DefaultWidth when vertical).
constexpr int kPlainThickness = 19;

int Offset(int value, long long delta) {
    return static_cast<int>(std::clamp<long long>(value + delta, INT_MIN, INT_MAX));
}

Rect Or(const Rect& r, const Rect& fallback) {
    return r.IsEmpty() ? fallback : r;
}

}  // namespace

TSkinScrollBar::TSkinScrollBar(const ScrollBarArgs& args) : kind_(args.kind) {
    const gui::ControlArgs& c = args.control;
    const std::string name = !args.skinDataName.empty()             ? args.skinDataName
                             : args.kind == ScrollBarKind::Vertical ? "vscrollbar"
                                                                    : "hscrollbar";
    CreateControl("HuecastSkinScrollBar", {.parent = c.parent,
                                           .id = c.id,
                                           .x = c.x,
                                           .y = c.y,
                                           .width = c.width,
                                           .height = c.height,
                                           .caption = c.text,
                                           .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | c.style |
                                                    (args.enabled ? 0 : WS_DISABLED),
                                           .exStyle = c.exStyle,
                                           .skinDataName = name,
                                           .skinData = args.skinData});
    // Without an element the bar keeps its length and takes the plain look's thickness.
    if (kind_ == ScrollBarKind::Horizontal)
        SetDefaultHeight(kPlainThickness);
    else
        SetDefaultWidth(kPlainThickness);
}

TSkinScrollBar::~TSkinScrollBar() {
    if (IsWindow(Handle())) KillTimer(Handle(), kRepeatTimer);
}

const TDataSkinScrollBarControl* TSkinScrollBar::Element() const {
    return DescriptorAs<TDataSkinScrollBarControl>();
}

ScrollBarGeometry TSkinScrollBar::Geometry() const {
    const Size size = ClientSize();
    const TDataSkinScrollBarControl* element = Element();
    return LayOutScrollBar({.kind = kind_,
                            .width = size.cx,
                            .height = size.cy,
                            .element = element,
                            .bothMarkerWidth = both_ && !element ? bothMarkerWidth : 0},
                           range_);
}

void TSkinScrollBar::SetPosition(int position) {
    if (!SetScrollPosition(range_, position)) return;
    Invalidate();
    if (OnChange) OnChange();
}

void TSkinScrollBar::SetMin(int min) {
    const bool moved = SetScrollMin(range_, min);
    Invalidate();
    if (moved && OnChange) OnChange();
}

void TSkinScrollBar::SetMax(int max) {
    const bool moved = SetScrollMax(range_, max);
    Invalidate();
    if (moved && OnChange) OnChange();
}

void TSkinScrollBar::SetPageSize(int pageSize) {
    if (SetScrollPageSize(range_, pageSize)) Invalidate();
}

void TSkinScrollBar::SetRange(int min, int max, int pageSize, int position) {
    const ScrollRange before = range_;
    SetScrollRange(range_, min, max, pageSize, position);
    // Kept in step after every key typed in an editor: only a real change costs a paint.
    if (range_ != before) Invalidate();
}

void TSkinScrollBar::SetCanFocused(bool canFocused) {
    canFocused_ = canFocused;
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = canFocused ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
}

void TSkinScrollBar::SetBoth(bool both) {
    if (both == both_) return;
    both_ = both;
    if (both) {
        nameBeforeBoth_ = SkinDataName();
        SetSkinDataName(bothSkinDataName);
    } else {
        SetSkinDataName(nameBeforeBoth_);
    }
    SkinChanged();
}

AccessibleInfo TSkinScrollBar::Accessible() const {
    return {.role = ROLE_SYSTEM_SCROLLBAR, .value = std::to_string(range_.position)};
}

void TSkinScrollBar::DrawSkinLook(LookCanvas& canvas) {
    const TDataSkinScrollBarControl* element = Element();
    if (!element || !Picture()) {
        DrawPlainLook(canvas);
        return;
    }
    const TDataSkinScrollBarControl& e = *element;
    const Bitmap& picture = *Picture();
    const ScrollBarGeometry g = Geometry();
    TSkinCustomControl::DrawSkinLook(canvas);  // the bar at rest: the skin rect cut to the size
    Bitmap& pixels = canvas.Pixels();

    // The cut picture already shows both buttons at rest; only a hot button is drawn over it.
    const auto button = [&](ScrollBarPart part, const Rect& at, const Rect& active, const Rect& down) {
        if (hot_ != part) return;
        const Rect source = captured_ == part ? Or(down, active) : active;
        CopyPiece(picture, source, pixels, {at.left, at.top});
    };
    button(ScrollBarPart::Increment, g.increment, e.activeUpButtonRect, e.downUpButtonRect);
    button(ScrollBarPart::Decrement, g.decrement, e.activeDownButtonRect, e.downDownButtonRect);

    if (!IsWindowEnabled(Handle())) return;
    const Rect activeThumb = Or(e.activeThumbRect, e.thumbRect);
    const Rect activeGlyph = Or(e.activeGlyphRect, e.glyphRect);
    Rect thumb = e.thumbRect;
    Rect glyph = e.glyphRect;
    if (dragging_ || Focused()) {
        thumb = Or(e.downThumbRect, activeThumb);
        glyph = Or(e.downGlyphRect, activeGlyph);
    } else if (hot_ == ScrollBarPart::Thumb) {
        thumb = activeThumb;
        glyph = activeGlyph;
    }
    if (range_.pageSize > 0) {
        if (kind_ == ScrollBarKind::Horizontal)
            CutHorizontalEnds(picture, thumb, e.thumbOffset1, e.thumbOffset2, pixels, g.thumb);
        else
            CutVerticalEnds(picture, thumb, e.thumbOffset1, e.thumbOffset2, pixels, g.thumb);
    } else {
        CopyPiece(picture, thumb, pixels, {g.thumb.left, g.thumb.top});
    }
    if (!glyph.IsEmpty())
        CopyPiece(picture, glyph, pixels,
                  {g.thumb.left + (g.thumb.Width() - glyph.Width()) / 2,
                   g.thumb.top + (g.thumb.Height() - glyph.Height()) / 2});
}

void TSkinScrollBar::DrawPlainLook(LookCanvas& canvas) {
    HDC dc = canvas.Dc();
    const ScrollBarGeometry g = Geometry();
    const Size size{canvas.Width(), canvas.Height()};
    FillSolid(dc, {0, 0, size.cx, size.cy}, GetSysColor(COLOR_BTNFACE));
    const auto state = [&](ScrollBarPart part) {
        if (hot_ != part) return PlainPartState::Normal;
        return captured_ == part ? PlainPartState::Pressed : PlainPartState::Hot;
    };
    const bool horizontal = kind_ == ScrollBarKind::Horizontal;
    DrawPlainPart(dc, g.decrement, state(ScrollBarPart::Decrement));
    DrawArrow(dc, g.decrement, horizontal ? ArrowDirection::Left : ArrowDirection::Up, RGB(0, 0, 0));
    DrawPlainPart(dc, g.increment, state(ScrollBarPart::Increment));
    DrawArrow(dc, g.increment, horizontal ? ArrowDirection::Right : ArrowDirection::Down, RGB(0, 0, 0));
    if (!IsWindowEnabled(Handle())) return;
    const PlainPartState thumb = dragging_ || Focused()         ? PlainPartState::Pressed
                                 : hot_ == ScrollBarPart::Thumb ? PlainPartState::Hot
                                                                : PlainPartState::Normal;
    DrawPlainPart(dc, g.thumb, thumb);
}

// ---- Input ----

void TSkinScrollBar::Step(ScrollRepeat::Mode mode) {
    const long long small = smallChange;
    const long long large = largeChange;
    switch (mode) {
        case ScrollRepeat::Mode::Increment:
            if (OnUpButtonClick)
                OnUpButtonClick();
            else
                SetPosition(Offset(range_.position, small));
            break;
        case ScrollRepeat::Mode::Decrement:
            if (OnDownButtonClick)
                OnDownButtonClick();
            else
                SetPosition(Offset(range_.position, -small));
            break;
        case ScrollRepeat::Mode::PageBack:
            SetPosition(Offset(range_.position, -large));
            break;
        case ScrollRepeat::Mode::PageForward:
            SetPosition(Offset(range_.position, large));
            break;
        case ScrollRepeat::Mode::None:
            break;
    }
}

void TSkinScrollBar::SyncTimer(int oldInterval) {
    const int interval = repeat_.TimerInterval();
    if (interval == oldInterval) return;
    if (interval == 0)
        KillTimer(Handle(), kRepeatTimer);
    else
        SetTimer(Handle(), kRepeatTimer, static_cast<UINT>(interval), nullptr);
}

bool TSkinScrollBar::PointerOnPagingSide() const {
    const ScrollBarGeometry g = Geometry();
    const int along = Along(kind_, lastPointer_);
    const bool horizontal = kind_ == ScrollBarKind::Horizontal;
    if (repeat_.CurrentMode() == ScrollRepeat::Mode::PageBack)
        return along < (horizontal ? g.thumb.left : g.thumb.top);
    return along >= (horizontal ? g.thumb.right : g.thumb.bottom);
}

void TSkinScrollBar::Press(Point p) {
    if (canFocused_) SetFocus();
    lastPointer_ = p;
    const ScrollBarGeometry g = Geometry();
    const ScrollBarPart part = ScrollBarPartAt(g, kind_, p);
    if (part == ScrollBarPart::None) return;
    SetCapture(Handle());
    captured_ = part;
    ScrollRepeat::Mode mode = ScrollRepeat::Mode::None;
    switch (part) {
        case ScrollBarPart::Thumb:
            dragging_ = true;
            dragStart_ = Along(kind_, p);
            dragStartOffset_ = g.offset;
            break;
        case ScrollBarPart::Increment:
            mode = ScrollRepeat::Mode::Increment;
            break;
        case ScrollBarPart::Decrement:
            mode = ScrollRepeat::Mode::Decrement;
            break;
        case ScrollBarPart::PageBack:
            mode = ScrollRepeat::Mode::PageBack;
            break;
        case ScrollBarPart::PageForward:
            mode = ScrollRepeat::Mode::PageForward;
            break;
        case ScrollBarPart::None:
            break;
    }
    if (part == ScrollBarPart::Increment || part == ScrollBarPart::Decrement) hot_ = part;
    Invalidate();
    if (mode == ScrollRepeat::Mode::None) return;
    repeat_.Press(mode);
    SetTimer(Handle(), kRepeatTimer, static_cast<UINT>(repeat_.TimerInterval()), nullptr);
    Step(mode);
}

void TSkinScrollBar::Move(Point p) {
    lastPointer_ = p;
    const ScrollBarGeometry g = Geometry();
    if (dragging_) {
        const int offset = Offset(dragStartOffset_, static_cast<long long>(Along(kind_, p)) - dragStart_);
        SetPosition(ScrollPositionForOffset(range_, offset, g.Travel()));
        return;
    }
    ScrollBarPart part = ScrollBarPartAt(g, kind_, p);
    if (part == ScrollBarPart::PageBack || part == ScrollBarPart::PageForward) part = ScrollBarPart::None;
    // While a part is held only that part can be hot.
    if (captured_ != ScrollBarPart::None && part != captured_) part = ScrollBarPart::None;
    if (captured_ == ScrollBarPart::Increment || captured_ == ScrollBarPart::Decrement) {
        const int old = repeat_.TimerInterval();
        repeat_.PointerMoved(part == captured_);
        SyncTimer(old);
    }
    if (part != hot_) {
        hot_ = part;
        Invalidate();
    }
}

void TSkinScrollBar::Release(bool notify) {
    const bool held = captured_ != ScrollBarPart::None || dragging_;
    const int old = repeat_.TimerInterval();
    repeat_.Release();
    SyncTimer(old);
    captured_ = ScrollBarPart::None;
    dragging_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    Invalidate();
    if (held && notify && OnLastChange) OnLastChange();
}

void TSkinScrollBar::Tick() {
    const ScrollRepeat::Mode mode = repeat_.CurrentMode();
    const int old = repeat_.TimerInterval();
    const bool step = repeat_.Tick(PointerOnPagingSide());
    SyncTimer(old);
    if (step) Step(mode);
}

LRESULT TSkinScrollBar::ScrollBarMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
        case SBM_GETPOS:
            return range_.position;
        case SBM_SETPOS: {
            const int previous = range_.position;
            SetPosition(static_cast<int>(wParam));
            return previous;
        }
        case SBM_SETRANGE:
        case SBM_SETRANGEREDRAW: {
            const int previous = range_.position;
            SetRange(static_cast<int>(wParam), static_cast<int>(lParam), range_.pageSize, range_.position);
            return previous;
        }
        case SBM_GETRANGE:
            if (wParam) *reinterpret_cast<int*>(wParam) = range_.min;
            if (lParam) *reinterpret_cast<int*>(lParam) = range_.max;
            return 0;
        case SBM_SETSCROLLINFO: {
            const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
            if (!info) return range_.position;
            ScrollRange next = range_;
            if (info->fMask & SIF_RANGE) {
                next.min = info->nMin;
                next.max = info->nMax;
            }
            if (info->fMask & SIF_PAGE)
                next.pageSize = static_cast<int>(std::min<UINT>(info->nPage, INT_MAX));
            if (info->fMask & SIF_POS) next.position = info->nPos;
            SetRange(next.min, next.max, next.pageSize, next.position);
            return range_.position;
        }
        case SBM_GETSCROLLINFO: {
            auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
            if (!info) return FALSE;
            if (info->fMask & SIF_RANGE) {
                info->nMin = range_.min;
                info->nMax = range_.max;
            }
            if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(range_.pageSize);
            if (info->fMask & SIF_POS) info->nPos = range_.position;
            if (info->fMask & SIF_TRACKPOS) info->nTrackPos = range_.position;
            return TRUE;
        }
        case SBM_ENABLE_ARROWS:
            return TRUE;
        default:
            handled = false;
            return 0;
    }
}

void TSkinScrollBar::MouseLeave() {
    const int old = repeat_.TimerInterval();
    repeat_.PointerLeft();
    SyncTimer(old);
    if (captured_ == ScrollBarPart::None && !dragging_ && hot_ != ScrollBarPart::None) {
        hot_ = ScrollBarPart::None;
        Invalidate();
    }
    TSkinCustomControl::MouseLeave();
}

LRESULT TSkinScrollBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    const LRESULT result = ScrollBarMessage(message, wParam, lParam, handled);
    if (handled) return result;
    const Point pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const long long small = smallChange;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(pointer);
            return 0;
        case WM_MOUSEMOVE:
            Move(pointer);
            break;  // the base follows the pointer in and out
        case WM_LBUTTONUP:
            Release(true);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle() && (captured_ != ScrollBarPart::None || dragging_))
                Release(false);
            return 0;
        case WM_TIMER:
            if (wParam == kRepeatTimer) {
                Tick();
                return 0;
            }
            break;
        case WM_ENABLE:
            if (!wParam) {
                Release(false);
                hot_ = ScrollBarPart::None;
            }
            break;  // the base repaints
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            break;
        case WM_GETDLGCODE:
            return canFocused_ ? DLGC_WANTARROWS : 0;
        case WM_KEYDOWN:
            if (!canFocused_) break;
            if (wParam == VK_LEFT || wParam == VK_UP) {
                SetPosition(Offset(range_.position, -small));
                return 0;
            }
            if (wParam == VK_RIGHT || wParam == VK_DOWN) {
                SetPosition(Offset(range_.position, small));
                return 0;
            }
            break;
        case WM_MOUSEWHEEL:
            if (Focused()) {
                // A turn towards the user moves on, as it scrolls a page down.
                const bool towardsUser = GET_WHEEL_DELTA_WPARAM(wParam) < 0;
                SetPosition(Offset(range_.position, towardsUser ? small : -small));
                return 0;
            }
            break;
        default:
            break;
    }
    return TSkinCustomControl::HandleMessage(message, wParam, lParam);
}

}  // namespace huecast::skin
