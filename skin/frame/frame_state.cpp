#include "skin/frame/frame_state.h"

namespace huecast::skin {

FrameAction FrameState::Maximize(const Rect& current, const Rect& area) {
    if (!savedBounds_) savedBounds_ = current;
    show_ = WindowShow::Maximized;
    systemMade_ = false;
    if (rolledUp_) rolledUpWhileMaximized_ = false;  // the roll-up came first
    FrameAction action;
    action.bounds = area;
    return action;
}

FrameAction FrameState::Minimize(const Rect& current, bool mainForm, const Rect& minimizedBounds) {
    FrameAction action;
    if (mainForm) {
        // The system minimizes it and keeps its bounds; SystemShowed follows.
        action.system = FrameAction::System::Minimize;
        return action;
    }
    if (!savedBounds_) savedBounds_ = current;
    show_ = WindowShow::Minimized;
    systemMade_ = false;
    action.bounds = minimizedBounds;
    return action;
}

FrameAction FrameState::Restore() {
    FrameAction action;
    action.restartTracking = true;
    if (systemMade_) {
        // The system made this state and keeps the bounds to return to; a minimize of a window the
        // frame had maximized returns to maximized.
        action.system = FrameAction::System::Restore;
        show_ = show_ == WindowShow::Minimized ? showBeforeSystem_ : WindowShow::Normal;
        systemMade_ = false;
        return action;
    }
    if (savedBounds_) {
        action.bounds = savedBounds_;
        savedBounds_.reset();
    }
    show_ = WindowShow::Normal;
    return action;
}

std::optional<FrameAction> FrameState::ToggleRollUp(const Rect& current, bool allowed, int frameHeight) {
    if (!allowed || Minimized()) return std::nullopt;
    if (rolledUp_ && Maximized() && !rolledUpWhileMaximized_) return std::nullopt;
    FrameAction action;
    action.rollUpChanged = true;
    Rect bounds = current;
    if (rolledUp_) {
        bounds.bottom = bounds.top + rollDownHeight_;
        rolledUp_ = false;
        rolledUpWhileMaximized_ = false;
    } else {
        rollDownHeight_ = current.Height();
        bounds.bottom = bounds.top + frameHeight;
        rolledUp_ = true;
        rolledUpWhileMaximized_ = Maximized();
    }
    action.bounds = bounds;
    return action;
}

void FrameState::SystemShowed(WindowShow show) {
    if (show == WindowShow::Normal) {
        if (!systemMade_) return;  // the frame's own states are not the system's to end
        show_ = show_ == WindowShow::Minimized ? showBeforeSystem_ : WindowShow::Normal;
        systemMade_ = false;
        return;
    }
    if (show == show_ && systemMade_) return;
    if (show == WindowShow::Minimized)
        showBeforeSystem_ = show_ == WindowShow::Minimized ? WindowShow::Normal : show_;
    show_ = show;
    systemMade_ = true;
}

}  // namespace huecast::skin
