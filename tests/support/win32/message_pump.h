// Runs the test thread's messages while a test waits, as the program's message loop would run them: the
// windows under test live on this thread and act only when their messages are handled.
#pragma once

#include <windows.h>

#include <functional>

namespace huecast::testing {

// Dispatches messages until `done` returns true or `ms` milliseconds pass. Returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 3000);

// Dispatches messages for `ms` milliseconds. With a `dialog`, each goes first to that window's dialog
// manager, as the program's loop offers it to the active window (Tab, Enter, Escape, accelerators).
void PumpFor(DWORD ms, HWND dialog = nullptr);

}  // namespace huecast::testing
