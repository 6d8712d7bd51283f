#include "gui/timer.h"

#include <set>
#include <utility>

#include "gui/application.h"

namespace huecast::gui {

namespace {

// The timers that exist. A tick already waiting in the queue when its timer was destroyed still arrives;
// it is recognised here and dropped.
std::set<const Timer*>& LiveTimers() {
    static std::set<const Timer*> timers;
    return timers;
}

}  // namespace

Timer::Timer(HWND owner, UINT intervalMs, Event handler, bool enabled)
    : onTimer(std::move(handler)), owner_(owner), intervalMs_(intervalMs) {
    LiveTimers().insert(this);
    SetEnabled(enabled);
}

Timer::~Timer() {
    SetEnabled(false);
    LiveTimers().erase(this);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled)
        // The timer's identifier is the object's address, so it cannot collide with another timer of the
        // same window.
        enabled_ = SetTimer(owner_, Id(), intervalMs_, &Timer::Tick) != 0;
    else if (std::exchange(enabled_, false))
        KillTimer(owner_, Id());
}

void Timer::SetInterval(UINT intervalMs) {
    intervalMs_ = intervalMs;
    if (enabled_) SetEnabled(true);
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto* timer = reinterpret_cast<const Timer*>(id);
    if (!LiveTimers().contains(timer) || !timer->enabled_ || !timer->onTimer) return;
    // An exception must not unwind through the system's dispatching.
    try {
        timer->onTimer();
    } catch (...) {
        HandleEventException(std::current_exception());
    }
}

}  // namespace huecast::gui
