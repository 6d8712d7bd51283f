// How many GDI and USER objects another process holds, for tests that a repeated action leaks none.
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
// system counts them, or else the windows the process owns, children included.
ObjectCounts CountObjects(DWORD processId);

}  // namespace huecast::testing
