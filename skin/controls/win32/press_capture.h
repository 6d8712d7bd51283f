// The end of a press: a control that captured the mouse for a press lets it go and watches for the
// pointer leaving again (a capture ends the system's watch, and the leave would never be reported).
#pragma once

#include <windows.h>

namespace huecast::skin {

inline void EndPressCapture(HWND control) {
    if (GetCapture() == control) ReleaseCapture();
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
}

}  // namespace huecast::skin
