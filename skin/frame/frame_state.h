// The window state a skinned frame keeps: normal, maximized or minimized, rolled up on top of normal or
// maximized, and the bounds to return to. The frame carries out maximize, minimize, restore and roll-up
// itself (the window has no system caption); each command here changes the state and says what the window
// must do, and the frame applies that.
//
// The system and the window manager can minimize, maximize or restore the window too. The frame then
// reports it (SystemShowed) so the state stays in step; a restore with no saved bounds leaves the bounds
// to the system instead of applying an empty rectangle.
#pragma once

#include <optional>

#include "base/geometry.h"

namespace huecast::skin {

enum class WindowShow { Normal, Minimized, Maximized };

// The caption commands a frame offers (BorderIcons).
struct BorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    bool rollUp = true;
    bool minimizeToTray = false;
    friend bool operator==(const BorderIcons&, const BorderIcons&) = default;
};

// What the window must do after a command.
struct FrameAction {
    std::optional<Rect> bounds;  // new window bounds (screen coordinates)
    // Leave it to the system: minimize the window (the application's main form), or restore what the
    // system itself minimized or maximized.
    enum class System { None, Minimize, Restore } system = System::None;
    bool rollUpChanged = false;  // fire OnChangeRollUpState
    bool restartTracking = false;
};

class FrameState {
  public:
    WindowShow Show() const { return show_; }
    bool Maximized() const { return show_ == WindowShow::Maximized; }
    bool Minimized() const { return show_ == WindowShow::Minimized; }
    bool RolledUp() const { return rolledUp_; }
    // Rolled up after it was maximized (so a restore rolls it down rather than un-maximizing it).
    bool RolledUpWhileMaximized() const { return rolledUp_ && rolledUpWhileMaximized_; }
    const std::optional<Rect>& SavedBounds() const { return savedBounds_; }

    // Maximize: saves the bounds (unless some are saved) and takes `area` (the work area or the screen,
    // already limited to the largest size the window accepts).
    FrameAction Maximize(const Rect& current, const Rect& area);
    // Minimize. The application's main form leaves it to the system; another form saves its bounds and
    // shrinks to `minimizedBounds` (its minimum size at a free slot).
    FrameAction Minimize(const Rect& current, bool mainForm, const Rect& minimizedBounds);
    // Back to normal from maximized or minimized: the saved bounds, or, with none, whatever the system
    // keeps for a state the system made.
    FrameAction Restore();
    // Toggles the roll-up. Refused (nullopt) without biRollUp, while minimized, and for a window rolled up
    // before it was maximized. `frameHeight` is the height of the frame without its client area.
    std::optional<FrameAction> ToggleRollUp(const Rect& current, bool allowed, int frameHeight);

    // The system or the window manager changed the state (a restore from the taskbar, a minimize or
    // maximize not made through the frame).
    void SystemShowed(WindowShow show);

  private:
    WindowShow show_ = WindowShow::Normal;
    bool rolledUp_ = false;
    bool rolledUpWhileMaximized_ = false;
    bool systemMade_ = false;  // the current minimized or maximized state was made by the system
    WindowShow showBeforeSystem_ = WindowShow::Normal;  // what a system minimize interrupted
    int rollDownHeight_ = 0;
    std::optional<Rect> savedBounds_;
};

}  // namespace huecast::skin
