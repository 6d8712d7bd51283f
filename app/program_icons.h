// The program's icon (MAINICON, drawn at 16, 32 and 48 pixels) in the two sizes the system shows: the
// large one in the task switcher, the small one in captions and the task bar, each from its own image
// rather than one shrunk. The handles are the system's shared copies: never destroyed.
#pragma once

#include <windows.h>

namespace huecast {

struct ProgramIcons {
    HICON largeIcon = nullptr;
    HICON smallIcon = nullptr;
};

ProgramIcons LoadProgramIcons();

}  // namespace huecast
