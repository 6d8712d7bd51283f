#include "gui/control.h"

namespace huecast::gui {

void Control::CreateChild(const char* className, const ControlArgs& args) {
    CreateSubclassed({.className = className,
                      .caption = args.text,
                      .style = WS_CHILD | WS_VISIBLE | args.style,
                      .exStyle = args.exStyle,
                      .x = args.x,
                      .y = args.y,
                      .width = args.width,
                      .height = args.height,
                      .parent = args.parent,
                      .id = args.id});
}

LRESULT Control::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && onKeyDown) onKeyDown(wParam);
    if (message == WM_GETDLGCODE && onKeyDown) {
        // A control that listens to keys gets Enter too, instead of the dialog manager; Tab still moves on.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            return PassOn(message, wParam, lParam) | DLGC_WANTALLKEYS;
    }
    return PassOn(message, wParam, lParam);
}

}  // namespace huecast::gui
