#include "tests/support/win32/message_pump.h"

namespace huecast::testing {

namespace {

// Waits for a message or the deadline, then dispatches all that wait. False once the deadline has passed.
bool PumpOnce(ULONGLONG deadline, HWND dialog) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog && IsDialogMessageA(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    while (!done())
        if (!PumpOnce(deadline, nullptr)) return done();
    return true;
}

void PumpFor(DWORD ms, HWND dialog) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    while (PumpOnce(deadline, dialog)) {
    }
}

}  // namespace huecast::testing
