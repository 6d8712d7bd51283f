#include "skin/controls/win32/caption_text.h"

#include "gui/drawing.h"
#include "gui/handles.h"

namespace huecast::skin {

Size MeasureCaption(std::string_view caption, HFONT font) {
    if (caption.empty()) return {};
    const gui::WindowDC screen(nullptr);
    const gui::SelectedObject selected(screen,
                                       font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 0, 0};
    DrawTextA(screen, caption.data(), static_cast<int>(caption.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

void DrawCaption(HDC dc, std::string_view caption, HFONT font, const Rect& rect, COLORREF color,
                 UINT format) {
    if (caption.empty()) return;
    const gui::SelectedObject selected(dc,
                                       font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, color);
    RECT r = gui::ToRECT(rect);
    DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &r, format | DT_SINGLELINE);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

}  // namespace huecast::skin
