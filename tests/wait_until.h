// Waiting in the Windows tests for what another process or the system does in its own time.
#pragma once

#include <windows.h>

namespace huecast::testing {

// Polls `done` every 10 ms until it holds or `timeoutMs` has passed; returns whether it held. The deadline is
// long because a busy machine is slow, and a wait that ends when its condition holds costs nothing for it.
template <typename Predicate>
bool WaitUntil(Predicate done, int timeoutMs = 30000) {
    // No <chrono> here: its micro sign has no place in the GBK strings the tests are compiled with.
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace huecast::testing
