#include "gui/message_box.h"

#include "gui/application.h"

namespace huecast::gui {

void ShowError(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), Application::Title().c_str(), MB_OK | MB_ICONERROR);
}

bool AskWarning(HWND owner, const std::string& text) {
    return MessageBoxA(owner, text.c_str(), Application::Title().c_str(), MB_YESNO | MB_ICONWARNING) != IDNO;
}

}  // namespace huecast::gui
