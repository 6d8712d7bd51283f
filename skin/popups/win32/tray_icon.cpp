#include "skin/popups/win32/tray_icon.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "gui/application.h"
#include "skin/controls/shorten_text.h"
#include "skin/popups/win32/menu.h"

namespace huecast::skin {

namespace {

constexpr const char* kTrayClass = "HuecastTrayIcon";
constexpr UINT_PTR kClickTimer = 1;
constexpr UINT_PTR kAnimateTimer = 2;
constexpr UINT_PTR kOwnerSubclassId = 0x54524159;  // "TRAY"
// Posted to the icon's window: the owner minimized or was first shown. Acted on once the owner's own
// handling is over, never inside its minimize.
constexpr UINT kOwnerMinimized = WM_APP + 1;
constexpr UINT kOwnerFirstShown = WM_APP + 2;

UINT KeyState() {
    UINT keys = 0;
    if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    if (GetKeyState(VK_LBUTTON) < 0) keys |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0) keys |= MK_RBUTTON;
    if (GetKeyState(VK_MBUTTON) < 0) keys |= MK_MBUTTON;
    return keys;
}

POINT Cursor() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

const TMenuItem* DefaultItem(const std::vector<TMenuItem>& items) {
    for (const TMenuItem& item : items)
        if (item.defaultItem && item.visible && item.enabled) return &item;
    return nullptr;
}

}  // namespace

TTrayIcon::TTrayIcon(HWND owner) : owner_(owner) {
    // A hidden top-level window, not a message-only one: only top-level windows hear the shell's
    // "TaskbarCreated" broadcast after a restart of the task bar. Its class takes double clicks (the
    // window base's default class style): the shell reports them only to such a class.
    Create({.className = kTrayClass,
            .style = WS_POPUP,
            .exStyle = WS_EX_TOOLWINDOW,
            .x = 0,
            .y = 0,
            .width = 0,
            .height = 0,
            .background = nullptr});
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    // The owner's minimize and first show are what tray mode answers.
    if (owner_) SetWindowSubclass(owner_, OwnerProc, kOwnerSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TTrayIcon::~TTrayIcon() {
    if (owner_ && IsWindow(owner_)) RemoveWindowSubclass(owner_, OwnerProc, kOwnerSubclassId);
    if (shown_) Notify(NIM_DELETE);
}

LRESULT CALLBACK TTrayIcon::OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self) {
    auto* tray = reinterpret_cast<TTrayIcon*>(self);
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam && !std::exchange(tray->ownerShownOnce_, true) && tray->minimizedOnStart)
                PostMessageA(tray->Handle(), kOwnerFirstShown, 0, 0);
            break;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED && tray->minimizeToTray && !tray->inTray_)
                PostMessageA(tray->Handle(), kOwnerMinimized, 0, 0);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, OwnerProc, kOwnerSubclassId);
            tray->owner_ = nullptr;
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void TTrayIcon::ShowIcon(bool show) {
    if (show)
        Notify(shown_ ? NIM_MODIFY : NIM_ADD);
    else if (shown_)
        Notify(NIM_DELETE);
}

void TTrayIcon::MinimizeToTray() {
    if (inTray_ || !owner_) return;
    inTray_ = true;
    ShowWindow(owner_, SW_HIDE);
    ShowIcon(true);
    if (onMinimizeToTray) onMinimizeToTray();
}

void TTrayIcon::RestoreFromTray() {
    if (!inTray_) return;
    inTray_ = false;
    if (owner_) {
        ShowWindow(owner_, IsIconic(owner_) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(owner_);
    }
    ShowIcon(iconVisible_);
    if (onRestoreFromTray) onRestoreFromTray();
}

HICON TTrayIcon::CurrentIcon() const {
    if (!iconList_.empty() && iconIndex_ >= 0 && iconIndex_ < static_cast<int>(iconList_.size()))
        return iconList_[static_cast<std::size_t>(iconIndex_)];
    return icon_;
}

void TTrayIcon::Notify(DWORD operation) {
    // The build's own record: its size differs between the 32-bit and the 64-bit program.
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = Handle();
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = CurrentIcon();
    if (showHint) {
        // The tip holds 127 bytes; a longer hint loses whole characters, never half of one.
        const std::vector<std::size_t> starts = CharacterStarts(hint_);
        std::size_t length = 0;
        for (std::size_t start : starts)
            if (start < sizeof data.szTip) length = start;
        hint_.copy(data.szTip, length);
    }
    const bool ok = Shell_NotifyIconA(operation, &data) != FALSE;
    if (operation == NIM_ADD) shown_ = ok;
    if (operation == NIM_DELETE) shown_ = false;
    // A refused modify (some shells refuse one that changes nothing) leaves the icon as it was.
}

void TTrayIcon::Update() {
    ShowIcon(iconVisible_ || inTray_);
}

void TTrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    Update();
}

void TTrayIcon::SetHint(const std::string& hint) {
    hint_ = hint;
    Update();
}

void TTrayIcon::SetIconVisible(bool visible) {
    iconVisible_ = visible;
    Update();
}

void TTrayIcon::SetIconList(std::vector<HICON> icons) {
    iconList_ = std::move(icons);
    if (iconIndex_ >= static_cast<int>(iconList_.size())) iconIndex_ = 0;
    Update();
    RestartAnimation();
}

void TTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    Update();
}

void TTrayIcon::SetCycleIcons(bool cycle) {
    cycleIcons_ = cycle;
    RestartAnimation();
}

void TTrayIcon::SetAnimateTimerInterval(UINT ms) {
    animateInterval_ = ms;
    RestartAnimation();
}

void TTrayIcon::RestartAnimation() {
    StopTimer(kAnimateTimer);
    if (cycleIcons_ && !iconList_.empty() && animateInterval_ > 0)
        StartTimer(kAnimateTimer, animateInterval_);
}

void TTrayIcon::PopUp() {
    if (!popupMenu) return;
    // The shell's menus close when the user clicks elsewhere only if their window is in front.
    SetForegroundWindow(Handle());
    if (owner_) SetForegroundWindow(owner_);
    const POINT at = Cursor();
    popupMenu->Popup(owner_ ? owner_ : Handle(), {at.x, at.y});
    if (owner_) PostMessageA(owner_, WM_NULL, 0, 0);
}

void TTrayIcon::Callback(UINT mouseMessage) {
    if (!enabled) return;
    const POINT at = Cursor();
    const UINT keys = KeyState();
    switch (mouseMessage) {
        case WM_MOUSEMOVE:
            if (onMouseMove) onMouseMove(keys, at);
            break;
        case WM_LBUTTONDOWN:
            releasedDuringTimer_ = false;
            clickTimerRunning_ = true;
            StartTimer(kClickTimer, GetDoubleClickTime());
            if (onMouseDown) onMouseDown(TrayButton::Left, keys, at);
            if (popupByLeftButton) PopUp();
            break;
        case WM_LBUTTONUP:
            if (onMouseUp) onMouseUp(TrayButton::Left, keys, at);
            if (std::exchange(releaseEndsDoubleClick_, false)) break;  // the second click's release
            if (clickTimerRunning_)
                releasedDuringTimer_ = true;  // the click waits for the timer: a double click may follow
            else if (onClick)
                onClick();
            break;
        case WM_LBUTTONDBLCLK:
            StopTimer(kClickTimer);
            clickTimerRunning_ = false;
            releasedDuringTimer_ = false;
            releaseEndsDoubleClick_ = true;
            if (onDblClick) onDblClick();
            if (const TMenuItem* item =
                    popupMenu && !popupByLeftButton ? DefaultItem(popupMenu->items) : nullptr) {
                if (item->onClick) item->onClick();
            } else if (inTray_) {
                RestoreFromTray();
            }
            break;
        case WM_RBUTTONDOWN:
            if (onMouseDown) onMouseDown(TrayButton::Right, keys, at);
            if (!popupByLeftButton) PopUp();
            break;
        case WM_RBUTTONUP:
            if (onMouseUp) onMouseUp(TrayButton::Right, keys, at);
            break;
        case WM_MBUTTONDOWN:
            if (onMouseDown) onMouseDown(TrayButton::Middle, keys, at);
            break;
        case WM_MBUTTONUP:
            if (onMouseUp) onMouseUp(TrayButton::Middle, keys, at);
            break;
    }
}

LRESULT TTrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayCallbackMessage) {
        Callback(static_cast<UINT>(lParam));
        return 0;
    }
    if (message == kOwnerMinimized) {
        if (minimizeToTray) MinimizeToTray();
        return 0;
    }
    if (message == kOwnerFirstShown) {
        if (minimizeToTray)
            MinimizeToTray();
        else if (owner_)
            ShowWindow(owner_, SW_MINIMIZE);
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // A new task bar knows no icons: this one goes in again (or, where the icon survived, is renewed).
        if (iconVisible_ || inTray_) {
            Notify(NIM_ADD);
            if (!shown_) {
                shown_ = true;
                Notify(NIM_MODIFY);
            }
        }
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void TTrayIcon::TimerTick(UINT_PTR id) {
    if (id == kClickTimer) {
        StopTimer(kClickTimer);
        clickTimerRunning_ = false;
        if (std::exchange(releasedDuringTimer_, false) && onClick) onClick();
    } else if (id == kAnimateTimer && !iconList_.empty()) {
        iconIndex_ = (iconIndex_ + 1) % static_cast<int>(iconList_.size());
        Update();
    }
}

}  // namespace huecast::skin
