// A window timer that calls a function on the user-interface thread, like Timer1 of the main window. It
// ticks while it exists, is enabled and its owner window lives.
#pragma once

#include <windows.h>

#include "gui/control.h"

namespace huecast::gui {

class Timer {
  public:
    // Starts at once when `enabled`.
    Timer(HWND owner, UINT intervalMs, Event handler, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    UINT Interval() const { return intervalMs_; }
    void SetInterval(UINT intervalMs);  // restarts the count when enabled

    Event onTimer;

  private:
    static void CALLBACK Tick(HWND window, UINT message, UINT_PTR id, DWORD time);
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    HWND owner_;
    UINT intervalMs_;
    bool enabled_ = false;
};

}  // namespace huecast::gui
