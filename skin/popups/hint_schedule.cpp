#include "skin/popups/hint_schedule.h"

namespace huecast::skin {

HintStep HintSchedule::Wait(Target target, int pause) {
    state_ = State::Waiting;
    target_ = target;
    return {.timer = pause};
}

HintStep HintSchedule::PointerOver(Target target) {
    switch (state_) {
        case State::Idle:
            if (!target) return {};
            return Wait(target, timings_.pause);
        case State::Waiting:
            if (target == target_) return {};
            if (!target) {
                state_ = State::Idle;
                target_ = nullptr;
                return {.timer = 0};
            }
            return Wait(target, timings_.pause);
        case State::Showing: {
            if (target == target_) return {};
            if (target) {
                HintStep step = Wait(target, timings_.shortPause);
                step.hide = true;
                return step;
            }
            state_ = State::Between;
            target_ = nullptr;
            return {.hide = true, .timer = timings_.pause};
        }
        case State::Between:
            if (!target) return {};
            return Wait(target, timings_.shortPause);
        case State::Spent:
            if (target == target_) return {};
            state_ = State::Idle;
            target_ = nullptr;
            return PointerOver(target);
    }
    return {};
}

HintStep HintSchedule::TimerElapsed() {
    switch (state_) {
        case State::Waiting:
            state_ = State::Showing;
            return {.show = true, .timer = timings_.hidePause};
        case State::Showing:
            state_ = State::Spent;
            return {.hide = true, .timer = 0};
        case State::Between:
            state_ = State::Idle;
            return {.timer = 0};
        case State::Idle:
        case State::Spent:
            break;
    }
    return {.timer = 0};  // a tick that arrived after its state was left
}

HintStep HintSchedule::Cancel() {
    switch (state_) {
        case State::Waiting:
            state_ = State::Spent;
            return {.timer = 0};
        case State::Showing:
            state_ = State::Spent;
            return {.hide = true, .timer = 0};
        case State::Between:
            state_ = State::Idle;
            return {.timer = 0};
        case State::Idle:
        case State::Spent:
            break;
    }
    return {};
}

}  // namespace huecast::skin
