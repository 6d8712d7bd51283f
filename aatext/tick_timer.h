// A timer as the scrolling banner drives it: switched on and off, an interval, a quality (on the message
// queue, or on a worker thread of its own that hands every tick to the user-interface thread), and the
// tick handler. The Win32 layer implements it with TTimerEx (aatext/win32/timer_ex.h).
#pragma once

#include <cstdint>
#include <functional>

namespace huecast {

// tqHighest and tqHigh tick from a worker thread (above normal and normal priority), tqLow from the
// message queue's timer.
enum class TTimerQuality : std::uint8_t { tqHighest, tqHigh, tqLow };

class TickTimer {
  public:
    using TNotifyEvent = std::function<void()>;

    virtual ~TickTimer() = default;

    virtual bool Enabled() const = 0;
    // Enabling starts a full interval before the first tick.
    virtual void SetEnabled(bool value) = 0;
    virtual std::uint16_t Interval() const = 0;
    // A new interval restarts the timer and leaves it running.
    virtual void SetInterval(std::uint16_t value) = 0;
    virtual TTimerQuality Quality() const = 0;
    virtual void SetQuality(TTimerQuality value) = 0;

    // Called on the user-interface thread at every tick; ticks never overlap.
    TNotifyEvent OnTimer;
};

}  // namespace huecast
