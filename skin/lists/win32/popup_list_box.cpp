#include "skin/lists/win32/popup_list_box.h"

#include <algorithm>
#include <vector>

#include "skin/lists/combo_box_model.h"
#include "skin/lists/list_box_layout.h"

namespace huecast::skin {

namespace {

constexpr int kListId = 1;
// While the scroll bar holds the capture for its own press, the pop-up looks this often for its return.
constexpr UINT_PTR kReclaimTimerId = 1;
constexpr UINT kReclaimIntervalMs = 15;

POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

Rect WorkAreaAround(const Rect& anchor) {
    const RECT r{anchor.left, anchor.top, anchor.right, anchor.bottom};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info);
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

std::unique_ptr<TSkinListBox> MakeList(HWND host, TSkinData* skinData, const std::string& skinDataName,
                                       int defaultItemHeight) {
    ListBoxArgs args;
    args.control.parent = host;
    args.control.id = kListId;
    args.control.width = 120;
    args.control.height = 2 * defaultItemHeight;
    args.skinData = skinDataName.empty() ? nullptr : skinData;
    args.skinDataName = skinDataName;
    args.defaultItemHeight = defaultItemHeight;
    return std::make_unique<TSkinListBox>(args);
}

}  // namespace

TPopupListBox::TPopupListBox(const Args& args) {
    Create({.className = "HuecastPopupListBox",
            .style = WS_POPUP | WS_CLIPCHILDREN,
            // Never the active window: a press on it leaves the activation and the focus in the form.
            .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
            .x = 0,
            .y = 0,
            .width = 120,
            .height = 40,
            .parent = args.owner,
            .classStyle = 0,  // every press is a press: no double clicks in a list that closes on release
            .background = nullptr});
    list_ = MakeList(Handle(), args.skinData, args.skinDataName, args.defaultItemHeight);
    skinData_ = args.skinData;
    skinDataName_ = args.skinDataName;
    defaultItemHeight_ = args.defaultItemHeight;
}

TPopupListBox::~TPopupListBox() {
    if (shown_) Hide();
    list_.reset();  // the list goes while its pop-up still stands
}

void TPopupListBox::SetSkin(TSkinData* skinData, const std::string& skinDataName) {
    skinData_ = skinData;
    if (skinDataName == skinDataName_) {
        list_->SetSkinData(skinDataName.empty() ? nullptr : skinData);
        return;
    }
    // The list binds its element when it is made: another element means another list, with the same items.
    std::vector<std::string> items;
    for (int i = 0, n = list_->Count(); i < n; ++i)
        items.push_back(list_->Item(i));
    const int selected = list_->ItemIndex();
    list_ = MakeList(Handle(), skinData, skinDataName, defaultItemHeight_);
    list_->SetItems(items);
    list_->SetItemIndex(selected);
    skinDataName_ = skinDataName;
}

Rect TPopupListBox::Show(const Rect& anchor, int rows) {
    // Sized here rather than through the list's row count, which remakes its scroll bar without placing
    // it: a plain resize lays the list and its bar out.
    const TDataSkinListBox* element = skinData_ && !skinData_->Empty() && !skinDataName_.empty()
                                          ? skinData_->SkinControlAs<TDataSkinListBox>(skinDataName_)
                                          : nullptr;
    const int height = ListBoxHeightForRows(element, rows, list_->ItemHeight());
    HWND list = list_->Handle();
    RECT now{};
    GetWindowRect(list, &now);
    if (now.right - now.left != anchor.Width() || now.bottom - now.top != height)
        SetWindowPos(list, nullptr, 0, 0, anchor.Width(), height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    const Rect at = PlaceDropDown(anchor, height, WorkAreaAround(anchor));
    SetWindowPos(Handle(), HWND_TOPMOST, at.left, at.top, at.Width(), at.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    shown_ = true;
    lent_ = false;
    SetCapture(Handle());
    return at;
}

void TPopupListBox::Hide() {
    shown_ = false;
    lent_ = false;
    StopTimer(kReclaimTimerId);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    // Only our own capture is given up: one another window took meanwhile is that window's.
    if (GetCapture() == Handle()) {
        hiding_ = true;
        ReleaseCapture();
        hiding_ = false;
    }
}

void TPopupListBox::SetHighlight(int index) {
    list_->SetItemIndex(index);
    if (index < 0) SendMessageA(list_->ListHandle(), LB_SETTOPINDEX, 0, 0);
}

void TPopupListBox::SetTopIndex(int index) {
    SendMessageA(list_->ListHandle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, index)), 0);
}

int TPopupListBox::ItemAt(POINT client) const {
    HWND list = list_->ListHandle();
    POINT p = client;
    MapWindowPoints(Handle(), list, &p, 1);
    RECT inner{};
    GetClientRect(list, &inner);
    if (!PtInRect(&inner, p)) return -1;
    const auto found = static_cast<DWORD>(SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y)));
    const int index = LOWORD(found);
    if (HIWORD(found) != 0 || index >= list_->Count()) return -1;
    return index;
}

bool TPopupListBox::OverScrollBar(POINT client) const {
    const TSkinScrollBar* bar = list_->VScrollBar();
    if (!bar) return false;
    POINT screen = client;
    ClientToScreen(Handle(), &screen);
    RECT r{};
    GetWindowRect(bar->Handle(), &r);
    return PtInRect(&r, screen) != FALSE;
}

void TPopupListBox::LendCaptureToScrollBar(UINT message, WPARAM wParam, POINT client) {
    HWND bar = list_->VScrollBar()->Handle();
    POINT p = client;
    MapWindowPoints(Handle(), bar, &p, 1);
    SendMessageA(bar, message, wParam, MAKELPARAM(p.x, p.y));
    // The bar captures the mouse for its press and lets it go on release; the pop-up takes it back then.
    if (shown_ && GetCapture() != Handle()) {
        lent_ = true;
        StartTimer(kReclaimTimerId, kReclaimIntervalMs);
    }
}

void TPopupListBox::PressAt(UINT message, WPARAM wParam, POINT client) {
    RECT r{};
    GetClientRect(Handle(), &r);
    if (!PtInRect(&r, client)) {
        if (OnCancel) OnCancel();
        return;
    }
    if (message != WM_LBUTTONDOWN) return;
    if (OverScrollBar(client)) {
        LendCaptureToScrollBar(message, wParam, client);
        return;
    }
    if (const int item = ItemAt(client); item >= 0) SetHighlight(item);
}

void TPopupListBox::ReleaseAt(POINT client) {
    const int item = ItemAt(client);
    if (item < 0) return;  // the release of the press that opened the list, or one beside the items
    SetHighlight(item);
    if (OnAccept) OnAccept();
}

void TPopupListBox::TimerTick(UINT_PTR id) {
    if (id != kReclaimTimerId) return;
    HWND holder = GetCapture();
    if (shown_ && holder && holder != Handle() && IsChild(Handle(), holder)) return;  // still pressed
    StopTimer(kReclaimTimerId);
    lent_ = false;
    if (!shown_) return;
    if (!holder)
        SetCapture(Handle());
    else if (holder != Handle() && OnCancel)
        OnCancel();
}

LRESULT TPopupListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_MOUSEMOVE:
            if (shown_ && !lent_) {
                if (const int item = ItemAt(PointOf(lParam)); item >= 0 && item != Highlight())
                    SetHighlight(item);
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (shown_) PressAt(message, wParam, PointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            if (shown_) ReleaseAt(PointOf(lParam));
            return 0;
        case WM_CAPTURECHANGED: {
            HWND to = reinterpret_cast<HWND>(lParam);
            if (!shown_ || hiding_ || to == Handle()) return 0;
            if (to && IsChild(Handle(), to)) {
                lent_ = true;  // the scroll bar's own press
                StartTimer(kReclaimTimerId, kReclaimIntervalMs);
            } else if (OnCancel) {
                OnCancel();
            }
            return 0;
        }
        case WM_MOUSEWHEEL:
            // The system sends the wheel to the window holding the capture; it belongs to the combo.
            if (OnWheel) OnWheel(wParam);
            return 0;
        case WM_CANCELMODE:
            if (shown_ && OnCancel) OnCancel();
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace huecast::skin
