#include "skin/lists/win32/rich_edit.h"

namespace huecast::skin {

namespace {

gui::ControlArgs WithoutFrame(gui::ControlArgs args) {
    // Both scroll styles keep the editor's ranges alive; the non-client area they would need is never
    // given (WM_NCCALCSIZE). Siblings stacked above it (the bars, the length display) are never painted
    // over; the form stacks the editor below them.
    args.style |= WS_VSCROLL | WS_HSCROLL | WS_CLIPSIBLINGS;
    return args;
}

// Messages after which the text may stand elsewhere or have another extent.
bool MayMoveTheText(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_MOUSEWHEEL:
        case WM_SIZE:
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_VSCROLL:
        case WM_HSCROLL:
        // Content and scroll changes made by the program rather than the user.
        case WM_SETTEXT:
        case WM_SETFONT:
        case EM_STREAMIN:
        case EM_REPLACESEL:
        case EM_SETCHARFORMAT:
        case EM_SCROLLCARET:
        case EM_LINESCROLL:
        // Some editors lay their text out again only when they paint, and learn their ranges there.
        case WM_PAINT:
            return true;
        case WM_MOUSEMOVE:
            return (wParam & MK_LBUTTON) != 0;  // selecting with the mouse past an edge scrolls the text
        default:
            return false;
    }
}

}  // namespace

TSkinRichEdit::TSkinRichEdit(const gui::ControlArgs& args) : gui::RichEdit(WithoutFrame(args)) {
    const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const LPARAM mask = SendMessageA(Handle(), EM_GETEVENTMASK, 0, 0);
    SendMessageA(Handle(), EM_SETEVENTMASK, 0, mask | ENM_SCROLL);
}

void TSkinRichEdit::SetVScrollBar(TSkinScrollBar* bar) {
    vScrollBar_ = bar;
    if (bar) {
        HWND edit = Handle();
        bar->OnChange = [edit, bar] {
            SendMessageA(edit, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, bar->Position()), 0);
        };
        // The buttons scroll by the editor's own lines, then the bar follows the editor.
        bar->OnUpButtonClick = [this, bar] {
            if (bar->Position() < bar->Max() - bar->PageSize() + 1)
                SendMessageA(Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
            SynchronizeScrollBars();
        };
        bar->OnDownButtonClick = [this, bar] {
            if (bar->Position() != bar->Min()) SendMessageA(Handle(), WM_VSCROLL, SB_LINEUP, 0);
            SynchronizeScrollBars();
        };
    }
    SynchronizeScrollBars();
}

void TSkinRichEdit::SetHScrollBar(TSkinScrollBar* bar) {
    hScrollBar_ = bar;
    if (bar) {
        HWND edit = Handle();
        bar->OnChange = [edit, bar] {
            SendMessageA(edit, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, bar->Position()), 0);
        };
    }
    SynchronizeScrollBars();
}

void TSkinRichEdit::Synchronize(int bar, TSkinScrollBar* skinned, int extent) {
    if (!skinned) return;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
    // An editor whose text fits hides its bar (drops the style) and may leave the old range behind.
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    const bool shown = (style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
    const bool has = shown && GetScrollInfo(Handle(), bar, &info) != FALSE;
    const int lines = static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
    if (has && info.nMin < info.nMax && extent < info.nMax && lines > 0) {
        if (!IsWindowEnabled(skinned->Handle())) EnableWindow(skinned->Handle(), TRUE);
        skinned->SetRange(info.nMin, info.nMax, extent, info.nPos);
    } else {
        if (IsWindowEnabled(skinned->Handle())) EnableWindow(skinned->Handle(), FALSE);
        if (shown && (info.nMin != 0 || info.nMax != 0)) SetScrollRange(Handle(), bar, 0, 0, FALSE);
    }
}

void TSkinRichEdit::RequestSynchronize() {
    // One keystroke makes the editor tell of a change, a new selection and a scroll from inside its own
    // handling of the key; the bars are brought in step once, when the outermost message is done.
    if (synchronizing_) return;  // the synchronizing under way reads the state this request is about
    if (depth_ > 0) {
        pending_ = true;
        return;
    }
    pending_ = false;
    SynchronizeScrollBars();
}

void TSkinRichEdit::SynchronizeScrollBars() {
    if (!hScrollBar_ && !vScrollBar_) return;
    synchronizing_ = true;
    RECT rc{};
    GetClientRect(Handle(), &rc);
    Synchronize(SB_VERT, vScrollBar_, rc.bottom - rc.top);
    Synchronize(SB_HORZ, hScrollBar_, rc.right - rc.left);
    synchronizing_ = false;
}

bool TSkinRichEdit::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool handled = gui::RichEdit::Reflect(message, wParam, lParam, result);
    const bool changed =
        message == WM_COMMAND &&
        (HIWORD(wParam) == EN_CHANGE || HIWORD(wParam) == EN_VSCROLL || HIWORD(wParam) == EN_HSCROLL);
    const bool selected =
        message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == EN_SELCHANGE;
    if (changed || selected) RequestSynchronize();
    return handled;
}

LRESULT TSkinRichEdit::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCALCSIZE:
            return 0;  // the client area is the whole window: no border, no system bars
        case WM_NCPAINT:
            return 0;
        default:
            break;
    }
    ++depth_;
    const LRESULT result = gui::RichEdit::HandleOwnMessage(message, wParam, lParam);
    --depth_;
    if (pending_ || MayMoveTheText(message, wParam)) RequestSynchronize();
    return result;
}

}  // namespace huecast::skin
