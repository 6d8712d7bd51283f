#include "gui/track_bar.h"

#include <commctrl.h>

namespace huecast::gui {

TrackBar::TrackBar(const ControlArgs& args, int min, int max, int position) : lastPosition_(position) {
    ControlArgs a = args;
    a.style |= TBS_HORZ | TBS_NOTICKS | WS_TABSTOP;
    CreateChild(TRACKBAR_CLASSA, a);
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min);
    SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, max);
    SendMessageA(Handle(), TBM_SETPAGESIZE, 0, 10);
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
}

int TrackBar::Position() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
}
int TrackBar::Min() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETRANGEMIN, 0, 0));
}
int TrackBar::Max() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETRANGEMAX, 0, 0));
}

void TrackBar::SetPosition(int position) {
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
    if (Position() != lastPosition_) {
        lastPosition_ = Position();
        if (onChange) onChange();
    }
}

bool TrackBar::Reflect(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_HSCROLL) return false;
    // The thumb sends several codes per move; the value is what changed.
    if (Position() != lastPosition_) {
        lastPosition_ = Position();
        if (onChange) onChange();
    }
    result = 0;
    return true;
}

ScrollBar::ScrollBar(const ControlArgs& args, bool vertical, int min, int max) {
    ControlArgs a = args;
    a.style |= vertical ? SBS_VERT : SBS_HORZ;
    CreateChild("SCROLLBAR", a);
    SetRange(min, max, 0);
}

void ScrollBar::SetRange(int min, int max, int page) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, min, max, static_cast<UINT>(page), 0, 0};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

int ScrollBar::Position() const {
    return GetScrollPos(Handle(), SB_CTL);
}

void ScrollBar::SetPosition(int position) {
    SetScrollPos(Handle(), SB_CTL, position, TRUE);
}

bool ScrollBar::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_HSCROLL && message != WM_VSCROLL) return false;
    const int code = LOWORD(wParam);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), SB_CTL, &info);
    const int position = (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) ? info.nTrackPos : info.nPos;
    if (onScroll) onScroll(code, position);
    result = 0;
    return true;
}

}  // namespace huecast::gui
