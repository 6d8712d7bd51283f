#include "gui/edit.h"

namespace huecast::gui {

Edit::Edit(const ControlArgs& args, int maxLength) {
    ControlArgs a = args;
    a.style |= ES_AUTOHSCROLL | WS_TABSTOP;
    a.exStyle |= WS_EX_CLIENTEDGE;
    CreateChild("EDIT", a);
    if (maxLength > 0) SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

void Edit::AddStyle(LONG style) {
    SetWindowLongA(Handle(), GWL_STYLE, GetWindowLongA(Handle(), GWL_STYLE) | style);
}

void Edit::SetColors(std::uint32_t field, std::uint32_t text) {
    field_ = field;
    text_ = text;
    fieldBrush_.reset(CreateSolidBrush(field));
    Invalidate(true);
}

void Edit::UseSystemColors() {
    if (!fieldBrush_) return;
    fieldBrush_.reset();
    Invalidate(true);
}

bool Edit::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A read-only or disabled edit asks with WM_CTLCOLORSTATIC.
    if (fieldBrush_ && (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC)) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, text_);
        SetBkColor(dc, field_);
        result = reinterpret_cast<LRESULT>(fieldBrush_.get());
        return true;
    }
    return Control::Reflect(message, wParam, lParam, result);
}

}  // namespace huecast::gui
