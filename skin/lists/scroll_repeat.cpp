#include "skin/lists/scroll_repeat.h"

namespace huecast::skin {

void ScrollRepeat::Press(Mode mode) {
    mode_ = mode;
    interval_ = mode == Mode::None ? 0 : kFirstDelayMs;
    firstTick_ = true;
    paused_ = false;
}

bool ScrollRepeat::Tick(bool pointerOnPagingSide) {
    if (mode_ == Mode::None || paused_) return false;
    if (firstTick_) {
        firstTick_ = false;
        interval_ = kRepeatMs;
        return false;
    }
    if (IsButton() || pointerOnPagingSide) return true;
    Release();
    return false;
}

void ScrollRepeat::PointerMoved(bool overHeldButton) {
    if (!IsButton() || overHeldButton != paused_) return;
    // Coming back resumes at the fast pace at once; the first delay belongs to the press only.
    paused_ = !overHeldButton;
    interval_ = paused_ ? 0 : kRepeatMs;
    firstTick_ = false;
}

void ScrollRepeat::Release() {
    mode_ = Mode::None;
    interval_ = 0;
    firstTick_ = false;
    paused_ = false;
}

void ScrollRepeat::PointerLeft() {
    if (mode_ == Mode::PageForward) Release();
}

}  // namespace huecast::skin
