// The program's message boxes: an error with one OK button, and a warning that asks Yes or No. Lines of a
// message are separated by a single CR.
#pragma once

#include <windows.h>

#include <string>

namespace huecast::gui {

void ShowError(HWND owner, const std::string& text);
// True unless the user answered No.
bool AskWarning(HWND owner, const std::string& text);

}  // namespace huecast::gui
