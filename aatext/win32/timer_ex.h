// TTimerEx: the banner's timer. With tqLow it is the message queue's timer; with tqHigh and tqHighest a
// worker thread of its own (normal and above-normal priority) that only waits and hands every tick
// synchronously to the user-interface thread, for steadier steps. In both modes the first tick comes one
// full interval after enabling, ticks never overlap, every tick runs on the thread that created the timer,
// and no tick arrives after the timer was disabled or destroyed.
//
// Create, use and destroy it on the user-interface thread, which must run a message loop.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>

#include "aatext/tick_timer.h"
#include "gui/handles.h"
#include "gui/window.h"

namespace huecast {

class TTimerEx final : public TickTimer {
  public:
    // Disabled, 1000 ms, on the message queue (tqLow).
    TTimerEx();
    // Stops the worker thread and waits for it to end.
    ~TTimerEx() override;
    TTimerEx(const TTimerEx&) = delete;
    TTimerEx& operator=(const TTimerEx&) = delete;

    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool value) override;
    std::uint16_t Interval() const override { return interval_; }
    void SetInterval(std::uint16_t value) override;
    TTimerQuality Quality() const override { return quality_; }
    void SetQuality(TTimerQuality value) override;

    // Whether a worker thread exists (tqHigh and tqHighest).
    bool HasThread() const { return worker_ != nullptr; }

  private:
    // The hidden window through which both the message timer's ticks and the worker's hand-overs reach
    // the user-interface thread.
    class Sink : public gui::Window {
      public:
        explicit Sink(TTimerEx& owner);

      protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

      private:
        TTimerEx& owner_;
    };

    // What the worker thread shares with the user-interface thread.
    struct Worker {
        gui::KernelHandle wakeEvent;  // auto-reset: enabling, disabling and stopping wake the worker early
        gui::KernelHandle thread;
        std::atomic<bool> terminated{false};
        std::atomic<bool> enabled{false};
        std::atomic<std::uint16_t> interval{0};
        std::atomic<std::uint32_t> generation{0};
        HWND sink = nullptr;
    };

    static DWORD WINAPI ThreadMain(void* worker);
    void StartThread();
    void StopThread();
    void UpdateMessageTimer();
    // A tick on the user-interface thread; `generation` is that of the enabling the tick belongs to.
    void Fire(std::uint32_t generation);

    bool enabled_ = false;
    std::uint16_t interval_ = 1000;
    TTimerQuality quality_ = TTimerQuality::tqLow;
    std::uint32_t generation_ = 0;  // counts enablings; a tick of an older one is dropped
    bool firing_ = false;
    bool messageTimerSet_ = false;
    std::unique_ptr<Worker> worker_;
    std::unique_ptr<Sink> sink_;
};

}  // namespace huecast
