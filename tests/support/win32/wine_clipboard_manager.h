// Waits for Wine's clipboard manager before a test uses the clipboard.
//
// The manager is a thread of Wine's desktop process, which starts with the first program on a display (and
// again after the last one has ended). As it starts it empties the clipboard once, to take over the X
// selection; on a busy machine that comes seconds later, and takes away what a test or the program under
// test has just put there. It answers messages only after that, so an answer means the clipboard is the
// test's own. On Windows there is nothing to wait for.
#pragma once

#include <windows.h>

#include <stdexcept>

namespace huecast::testing {

inline void WaitForWineClipboardManager() {
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return;
    HWND manager = nullptr;
    const ULONGLONG deadline = GetTickCount64() + 60000;  // returns as soon as the manager is there
    while (!(manager = FindWindowExA(HWND_MESSAGE, nullptr, "__wine_clipboard_manager", nullptr))) {
        if (GetTickCount64() > deadline) throw std::runtime_error("Wine's clipboard manager did not start");
        Sleep(10);
    }
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(manager, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored))
        throw std::runtime_error("Wine's clipboard manager did not answer");
}

}  // namespace huecast::testing
