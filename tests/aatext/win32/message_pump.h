// Runs the test thread's message loop until a condition holds or time runs out, as the program's loop
// would run it.
#pragma once

#include <windows.h>

#include <functional>

namespace huecast::testing {

// Dispatches messages for up to `ms` milliseconds, or until `done` returns true. Returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return true;
}

inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace huecast::testing
