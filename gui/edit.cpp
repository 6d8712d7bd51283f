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

}  // namespace huecast::gui
