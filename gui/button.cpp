#include "gui/button.h"

namespace huecast::gui {

Button::Button(const ControlArgs& args) {
    ControlArgs a = args;
    a.style |= BS_PUSHBUTTON | WS_TABSTOP;
    CreateChild("BUTTON", a);
}

bool Button::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

void Button::Click() {
    if (Enabled() && onClick) onClick();
}

CheckBox::CheckBox(const ControlArgs& args, bool checked) {
    ControlArgs a = args;
    a.style |= BS_AUTOCHECKBOX | WS_TABSTOP;
    CreateChild("BUTTON", a);
    SetChecked(checked);
}

bool CheckBox::Checked() const {
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

}  // namespace huecast::gui
