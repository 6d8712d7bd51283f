// How many GDI and USER objects a process holds, for tests that a repeated action leaks none.
#pragma once

#include <windows.h>

namespace huecast::testing {

struct ObjectCounts {
    int gdi = 0;
    int user = 0;
    friend bool operator==(const ObjectCounts&, const ObjectCounts&) = default;
};

// GDI objects as the system counts them where it does (GetGuiResources); where it answers 0 for a
// process with windows (Wine), the entries the process's GDI handle table holds. USER objects as the
// system counts them, or else the windows the process owns, children included. Wine answers 0 to
// GetGuiResources, so a check built on that call alone compares 0 with 0 and can never fail there.
ObjectCounts CountObjects(DWORD processId);

// The same for the calling process.
ObjectCounts CountOwnObjects();

}  // namespace huecast::testing
