// When the application's hint shows, switches and hides: a state machine that the Win32 layer feeds with
// the control under the pointer, its one timer's expiry and the user's presses, and that answers with what
// to do with the hint window and the timer.
//
// A hint shows once the pointer has rested `pause` on a control with a hint text, and hides after
// `hidePause`, when the pointer leaves, or on a press; it does not come back until the pointer has left
// that control. Moving on to a neighbour while a hint shows (or shortly after) switches after `shortPause`.
#pragma once

namespace huecast::skin {

struct HintTimings {
    int pause = 500;        // ms the pointer rests before the first hint
    int shortPause = 100;   // ms before the next hint while one is showing, or just was
    int hidePause = 15000;  // ms a hint stays up: long enough to read four lines
};

// What the Win32 layer does after an input. The hint window is hidden before it is shown again.
struct HintStep {
    bool hide = false;  // hide the hint window
    bool show = false;  // show the hint of Current()
    int timer = -1;     // -1 leave the timer as it is, 0 stop it, above 0 (re)start it with this period
    friend bool operator==(const HintStep&, const HintStep&) = default;
};

class HintSchedule {
  public:
    // Identifies a control whose hint applies (the nearest one with a hint text); nullptr for none.
    using Target = const void*;

    explicit HintSchedule(HintTimings timings = {}) : timings_(timings) {}

    const HintTimings& Timings() const { return timings_; }
    void SetTimings(HintTimings timings) { timings_ = timings; }

    // The pointer is over `target` (nullptr: over nothing with a hint, or outside the program).
    HintStep PointerOver(Target target);
    HintStep TimerElapsed();
    // A mouse button or key was pressed, or the program lost the activation.
    HintStep Cancel();

    // The control whose hint is waiting or showing.
    Target Current() const { return target_; }
    bool Showing() const { return state_ == State::Showing; }

  private:
    // Between: a hint was showing and the pointer moved off onto nothing; a neighbour soon after still
    // gets the short pause. Spent: the hint of target_ was shown and closed; it waits for the pointer to go.
    enum class State { Idle, Waiting, Showing, Between, Spent };

    HintStep Wait(Target target, int pause);

    HintTimings timings_;
    State state_ = State::Idle;
    Target target_ = nullptr;
};

}  // namespace huecast::skin
