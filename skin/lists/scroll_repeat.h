// The repeat of a held scroll-bar button or of paging on the track, as a state machine the window drives
// with its one timer: a step at the press, a first tick after 500 ms that only speeds the timer up, then a
// step every 50 ms. A held button pauses while the pointer is off it and resumes when it comes back;
// paging stops once the thumb has reached the pointer.
#pragma once

namespace huecast::skin {

class ScrollRepeat {
  public:
    enum class Mode { None, Decrement, Increment, PageBack, PageForward };

    static constexpr int kFirstDelayMs = 500;
    static constexpr int kRepeatMs = 50;

    Mode CurrentMode() const { return mode_; }
    // The interval the window's timer must run at; 0 when it must not run.
    int TimerInterval() const { return interval_; }

    // A press starts a repeat; the caller takes the first step at once.
    void Press(Mode mode);
    // A timer tick. `pointerOnPagingSide` tells whether the pointer still lies on the side of the thumb the
    // paging moves to (ignored for the buttons). True when the caller must take one step.
    bool Tick(bool pointerOnPagingSide);
    // The pointer moved; `overHeldButton` tells whether it lies on the held button.
    void PointerMoved(bool overHeldButton);
    // The button was released: every repeat ends.
    void Release();
    // The pointer left the control: paging forward ends there.
    void PointerLeft();

  private:
    bool IsButton() const { return mode_ == Mode::Decrement || mode_ == Mode::Increment; }

    Mode mode_ = Mode::None;
    int interval_ = 0;
    bool firstTick_ = false;
    bool paused_ = false;
};

}  // namespace huecast::skin
