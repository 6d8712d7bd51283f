#include "aatext/win32/timer_ex.h"

#include "base/expects.h"

#include <algorithm>
#include <stdexcept>

namespace huecast {

namespace {

constexpr UINT_PTR kMessageTimerId = 1;
// A tick handed over by the worker thread; wParam is its generation.
constexpr UINT kWorkerTick = WM_APP + 0x54;

}  // namespace

TTimerEx::Sink::Sink(TTimerEx& owner) : owner_(owner) {
    Create({.className = "HuecastTimerEx",
            .caption = "",
            .style = 0,
            .x = 0,
            .y = 0,
            .width = 0,
            .height = 0,
            .parent = HWND_MESSAGE});
}

LRESULT TTimerEx::Sink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kMessageTimerId) {
        owner_.Fire(owner_.generation_);
        return 0;
    }
    if (message == kWorkerTick) {
        owner_.Fire(static_cast<std::uint32_t>(wParam));
        return 0;
    }
    return gui::Window::HandleMessage(message, wParam, lParam);
}

TTimerEx::TTimerEx() : sink_(std::make_unique<Sink>(*this)) {}

// The message window that receives the ticks belongs to the creating thread, which is the one thread the
// timer may be used from.
#define HUECAST_EXPECTS_OWN_THREAD(what)                                                        \
    HUECAST_EXPECTS(GetWindowThreadProcessId(sink_->Handle(), nullptr) == GetCurrentThreadId(), \
                    what ": a TTimerEx is used only on the thread that created it")

TTimerEx::~TTimerEx() {
    HUECAST_EXPECTS_OWN_THREAD("TTimerEx::~TTimerEx");
    enabled_ = false;
    if (messageTimerSet_) KillTimer(sink_->Handle(), kMessageTimerId);
    StopThread();
}

void TTimerEx::SetEnabled(bool value) {
    HUECAST_EXPECTS_OWN_THREAD("TTimerEx::SetEnabled");
    if (value == enabled_) return;
    enabled_ = value;
    ++generation_;
    if (worker_) {
        worker_->generation = generation_;
        worker_->enabled = value;
        SetEvent(worker_->wakeEvent.get());  // the wait starts again: a full interval, or parked
    } else {
        UpdateMessageTimer();
    }
}

void TTimerEx::SetInterval(std::uint16_t value) {
    if (value == interval_) return;
    interval_ = value;
    SetEnabled(false);
    if (worker_) worker_->interval = value;
    SetEnabled(true);
}

void TTimerEx::SetQuality(TTimerQuality value) {
    HUECAST_EXPECTS_OWN_THREAD("TTimerEx::SetQuality");
    if (value == quality_) return;
    quality_ = value;
    if (value == TTimerQuality::tqLow) {
        StopThread();
        UpdateMessageTimer();
        return;
    }
    if (messageTimerSet_) {
        KillTimer(sink_->Handle(), kMessageTimerId);
        messageTimerSet_ = false;
    }
    if (!worker_) StartThread();
    SetThreadPriority(worker_->thread.get(), value == TTimerQuality::tqHighest ? THREAD_PRIORITY_ABOVE_NORMAL
                                                                               : THREAD_PRIORITY_NORMAL);
}

void TTimerEx::UpdateMessageTimer() {
    if (enabled_ && interval_ != 0) {
        // Setting it again restarts the count, so the first tick is a full interval away.
        SetTimer(sink_->Handle(), kMessageTimerId, interval_, nullptr);
        messageTimerSet_ = true;
    } else if (messageTimerSet_) {
        KillTimer(sink_->Handle(), kMessageTimerId);
        messageTimerSet_ = false;
    }
}

void TTimerEx::StartThread() {
    auto worker = std::make_unique<Worker>();
    worker->wakeEvent.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!worker->wakeEvent) throw std::runtime_error("TTimerEx: cannot create the wake event");
    worker->enabled = enabled_;
    worker->interval = interval_;
    worker->generation = generation_;
    worker->sink = sink_->Handle();
    worker->thread.reset(CreateThread(nullptr, 0, ThreadMain, worker.get(), 0, nullptr));
    if (!worker->thread) throw std::runtime_error("TTimerEx: cannot start the timer thread");
    worker_ = std::move(worker);
}

void TTimerEx::StopThread() {
    if (!worker_) return;
    worker_->terminated = true;
    SetEvent(worker_->wakeEvent.get());
    // The worker may be waiting for this thread to take a tick: take sent messages while waiting for it
    // to end (Fire drops them, the worker being terminated).
    HANDLE thread = worker_->thread.get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    worker_.reset();
}

DWORD WINAPI TTimerEx::ThreadMain(void* parameter) {
    Worker& worker = *static_cast<Worker*>(parameter);
    // Ticks fall due every interval counted from the enabling, not from the end of the previous tick, so
    // the time the user-interface thread takes for a tick does not slow the steps down. A tick that comes
    // late is handed over at once, but a late one never makes the next come sooner.
    std::uint32_t counting = worker.generation + 1;  // no enabling counted yet
    ULONGLONG due = 0;
    while (!worker.terminated) {
        const std::uint32_t generation = worker.generation;
        const std::uint16_t interval = worker.interval;
        const bool running = worker.enabled && interval != 0;
        const ULONGLONG now = GetTickCount64();
        if (generation != counting) {
            counting = generation;
            due = now + interval;
        }
        const DWORD timeout = !running ? INFINITE : due > now ? static_cast<DWORD>(due - now) : 0;
        const DWORD woke = WaitForSingleObject(worker.wakeEvent.get(), timeout);
        if (worker.terminated) break;
        if (woke != WAIT_TIMEOUT) continue;  // enabled, disabled or restarted: count again
        SendMessageA(worker.sink, kWorkerTick, generation, 0);
        due = std::max(due + interval, GetTickCount64());
    }
    return 0;
}

void TTimerEx::Fire(std::uint32_t generation) {
    // A tick that was under way while the timer was disabled, restarted or stopped is dropped; one that
    // arrives while a tick handler runs (a handler that pumps messages) is too.
    if (!enabled_ || generation != generation_ || (worker_ && worker_->terminated) || firing_) return;
    firing_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{firing_};
    if (OnTimer) OnTimer();
}

}  // namespace huecast
