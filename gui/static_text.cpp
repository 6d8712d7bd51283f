#include "gui/static_text.h"

namespace huecast::gui {

StaticText::StaticText(const ControlArgs& args) {
    ControlArgs a = args;
    a.style |= SS_NOTIFY;
    CreateChild("STATIC", a);
    SetColor(color_);
}

void StaticText::SetColor(std::uint32_t color) {
    color_ = color;
    brush_.reset(CreateSolidBrush(color));
    Invalidate(true);
}

void StaticText::SetFontColor(std::uint32_t color) {
    fontColor_ = color;
    Invalidate(true);
}

bool StaticText::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, fontColor_);
        SetBkColor(dc, color_);
        result = reinterpret_cast<LRESULT>(brush_.get());
        return true;
    }
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) == STN_CLICKED && onClick) onClick();
        if (HIWORD(wParam) == STN_DBLCLK && onDblClick) onDblClick();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace huecast::gui
