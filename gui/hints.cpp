#include "gui/hints.h"

#include <commctrl.h>

#include "gui/application.h"

namespace huecast::gui {

Hints::Hints(HWND owner) : owner_(owner) {
    tooltip_.reset(CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, Application::Instance(), nullptr));
    // A width makes the tool tip honour line breaks.
    SendMessageA(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, 400);
    SendMessageA(tooltip_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, 15000);
}

void Hints::Add(HWND control, const std::string& text) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char*>(text.c_str());  // the tool tip copies it
    SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace huecast::gui
