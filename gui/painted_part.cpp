#include "gui/painted_part.h"

#include "gui/drawing.h"

namespace huecast::gui {

PaintedPart::PaintedPart(const char* className, HWND parent, const Rect& r, const std::string& text, int id) {
    Create({.className = className,
            .caption = text,
            .style = WS_CHILD | WS_VISIBLE,
            .x = r.left,
            .y = r.top,
            .width = r.Width(),
            .height = r.Height(),
            .parent = parent,
            .id = id,
            .background = nullptr});
}

LRESULT PaintedPart::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT && message != WM_PRINTCLIENT)
        return Window::HandleMessage(message, wParam, lParam);
    const PaintScope paint(Handle(), reinterpret_cast<HDC>(wParam));
    RECT r{};
    GetClientRect(Handle(), &r);
    Draw(paint.Dc(), {r.right, r.bottom});
    return 0;
}

}  // namespace huecast::gui
