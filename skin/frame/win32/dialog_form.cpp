#include "skin/frame/win32/dialog_form.h"

#include <stdexcept>

#include "gui/application.h"
#include "gui/window.h"
#include "skin/frame/win32/frame.h"
#include "skin/frame/win32/system_menu.h"

namespace huecast::skin {

namespace {

// A dialog template without controls.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0, windowClass = 0, title = 0;
};

}  // namespace

TDialogForm::TDialogForm() = default;

TDialogForm::~TDialogForm() = default;

int TDialogForm::ShowModal(HWND owner) {
    EmptyDialogTemplate dialog{};
    dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const INT_PTR result = DialogBoxIndirectParamA(gui::Application::Instance(), &dialog.header, owner,
                                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (result == -1) throw std::runtime_error("Cannot create a dialog window");
    return static_cast<int>(result);
}

void TDialogForm::EndModal(int result) {
    EndDialog(window_, result);
}

INT_PTR CALLBACK TDialogForm::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<TDialogForm*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->Handle(window, message, wParam, lParam);
    } catch (...) {
        gui::HandleEventException(std::current_exception());
        return FALSE;
    }
}

INT_PTR TDialogForm::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            window_ = window;
            Build();
            return FALSE;  // the form has given the focus itself
        case WM_COMMAND: {
            // A control's own notification goes back to it first; what it leaves is the form's command.
            if (LRESULT result = 0; lParam != 0 && gui::ReflectToControl(message, wParam, lParam, result)) {
                SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
                return TRUE;
            }
            Command(LOWORD(wParam));
            return TRUE;
        }
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_DRAWITEM:
        case WM_HSCROLL:
        case WM_VSCROLL: {
            LRESULT result = 0;
            if (!gui::ReflectToControl(message, wParam, lParam, result)) return FALSE;
            // The colour messages answer with the brush itself; the others through the message result.
            if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
                return static_cast<INT_PTR>(result);
            SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    return FALSE;
}

void TDialogForm::AttachFrame(const DialogFrameLook& look) {
    frame_ = std::make_unique<TSkinFrame>(window_);
    frame_->borderIcons = {.systemMenu = false, .minimize = false, .maximize = false, .rollUp = false};
    frame_->mainForm = false;
    frame_->alphaBlend = look.alphaBlend;
    frame_->alphaBlendAnimation = look.alphaBlendAnimation;
    frame_->alphaBlendValue = look.alphaBlendValue;
    frame_->SetSystemMenuPopup(std::make_unique<SkinnedSystemMenu>(look.menuSkinData));
    frame_->SetSkinData(look.skinData);
}

void TDialogForm::PlaceCentred(Size client) {
    RECT window{}, inner{};
    GetWindowRect(window_, &window);
    GetClientRect(window_, &inner);
    const int width = client.cx + (window.right - window.left) - inner.right;
    const int height = client.cy + (window.bottom - window.top) - inner.bottom;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace huecast::skin
