#include "app/application_window.h"

#include <commctrl.h>

#include "base/expects.h"

namespace huecast {

namespace {

constexpr UINT_PTR kFormSubclassId = 0x48554541;  // "HUEA"
// Posted when the entry became active: the form takes the activation once the activation has settled.
constexpr UINT kHandActivation = WM_APP + 1;

// A zero-sized pop-up with a caption and a system menu: the task bar shows it, offers its menu (restore,
// minimize, close) and finds nothing of it on the screen.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;

}  // namespace

ApplicationWindow::ApplicationWindow(const std::string& title, const ProgramIcons& icons) {
    Create({.className = kClassName,
            .caption = title,
            .style = kStyle,
            .x = 0,
            .y = 0,
            .width = 0,
            .height = 0,
            .icon = icons.largeIcon});
    // The task bar and the task switcher ask the window before they look at its class.
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.largeIcon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.smallIcon));
}

ApplicationWindow::~ApplicationWindow() {
    ForgetForm();
}

void ApplicationWindow::SetMainForm(HWND form) {
    ForgetForm();
    if (!form) return;
    HUECAST_EXPECTS(
        GetWindow(form, GW_OWNER) == Handle(),
        "ApplicationWindow::SetMainForm: the form must be created owned by the application window");
    form_ = form;
    // The form's size messages tell when it is minimized or restored, whoever did it.
    SetWindowSubclass(form_, FormSubclassProc, kFormSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ApplicationWindow::ForgetForm() {
    if (form_ && IsWindow(form_)) RemoveWindowSubclass(form_, FormSubclassProc, kFormSubclassId);
    form_ = nullptr;
}

void ApplicationWindow::Show() {
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK ApplicationWindow::FormSubclassProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam,
                                                     UINT_PTR, DWORD_PTR self) {
    auto* application = reinterpret_cast<ApplicationWindow*>(self);
    if (message == WM_NCDESTROY) {
        application->ForgetForm();
        return DefSubclassProc(form, message, wParam, lParam);
    }
    // The form and its frame see the change first; the application follows what they made of it.
    const LRESULT result = DefSubclassProc(form, message, wParam, lParam);
    if (message == WM_SIZE) application->FormSized(wParam);
    return result;
}

void ApplicationWindow::FormSized(WPARAM sizeType) {
    if (moving_) return;
    if (sizeType == SIZE_MINIMIZED)
        Minimize();
    else if (IsIconic(Handle()))
        Restore();  // another process restored the form (a second start does)
}

void ApplicationWindow::Minimize() {
    moving_ = true;
    // The form stays minimized, out of sight: the entry in the task bar is what the user sees of it.
    ShowWindow(form_, SW_HIDE);
    ShowWindow(Handle(), SW_MINIMIZE);
    moving_ = false;
}

void ApplicationWindow::Restore() {
    moving_ = true;
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    if (IsIconic(form_) || !IsWindowVisible(form_)) ShowWindow(form_, SW_RESTORE);
    moving_ = false;
    HandActivationToForm();
}

void ApplicationWindow::HandActivationToForm() {
    if (!form_ || !IsWindowVisible(form_) || IsIconic(form_)) return;
    // While the form waits for a message box, the box is what the user must answer first.
    HWND target = IsWindowEnabled(form_) ? form_ : GetLastActivePopup(form_);
    if (!target || !IsWindowVisible(target)) target = form_;
    SetForegroundWindow(target);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!form_) return gui::Window::HandleMessage(message, wParam, lParam);
    switch (message) {
        case WM_SYSCOMMAND:
            // The task bar's commands: minimizing goes through the form, so that its frame knows.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                ShowWindow(form_, SW_MINIMIZE);
                return 0;
            }
            if ((wParam & 0xFFF0) == SC_RESTORE) {
                Restore();
                return 0;
            }
            break;
        case WM_SIZE:
            // Restored without a command (some task bars only show the window again): the form follows.
            if (wParam != SIZE_MINIMIZED && !moving_ && IsIconic(form_)) Restore();
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
                PostMessageA(Handle(), kHandActivation, 0, 0);
            break;
        case kHandActivation:
            if (GetActiveWindow() == Handle()) HandActivationToForm();
            return 0;
        case WM_CLOSE:
            // The form closes as its own close command would, saving what it keeps. Not under a message
            // box the form still waits for: that box comes to the front instead.
            if (IsWindowEnabled(form_))
                PostMessageA(form_, WM_CLOSE, 0, 0);
            else
                HandActivationToForm();
            return 0;
        default:
            break;
    }
    return gui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace huecast
