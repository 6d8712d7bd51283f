// The items of a skinned frame's system menu for the window's state: which ones appear, in which order,
// with which captions and short-cuts, and what each does.
#pragma once

#include <string>
#include <vector>

#include "skin/frame/frame_state.h"

namespace huecast::skin {

enum class SystemMenuCommand { Minimize, Maximize, Restore, RollDown, RollUp, MinimizeToTray, Close, None };

struct SystemMenuItem {
    std::string name;     // SF_MINITEM ... ; empty for the separator
    std::string caption;  // in the system code page; "-" for the separator
    std::string shortCut;
    SystemMenuCommand command = SystemMenuCommand::None;
    bool Separator() const { return caption == "-"; }
    friend bool operator==(const SystemMenuItem&, const SystemMenuItem&) = default;
};

struct SystemMenuState {
    WindowShow show = WindowShow::Normal;
    bool rolledUp = false;
    bool rolledUpWhileMaximized = false;
    bool mdiChild = false;
    BorderIcons icons;
};

// The frame's own menu, built afresh each time it is shown: minimize, maximize, restore (or roll down),
// roll up, minimize to tray, a separator when anything precedes, and close.
std::vector<SystemMenuItem> BuildSystemMenu(const SystemMenuState& state);

// Where a menu's application items go among the frame's own: after the frame's commands, before the
// divider and close that end the menu. `addDivider` when no divider separates them from close yet.
struct ApplicationItemsPlace {
    std::size_t index = 0;
    bool addDivider = false;
};
ApplicationItemsPlace PlaceApplicationItems(const std::vector<SystemMenuItem>& items);

// The item names the frame owns in a menu of the application's (SystemMenu with UseDefaultSysMenu): they
// are removed before the frame's own items are put in again.
bool IsSystemMenuItemName(const std::string& name);

// For a menu of the application's: the frame's items that go before the application's own (minimize,
// restore, maximize, roll up, minimize to tray, in that order) and the close item that goes last.
struct SystemMenuMerge {
    std::vector<SystemMenuItem> head;
    SystemMenuItem close;
};
SystemMenuMerge MergeSystemMenu(const SystemMenuState& state);

}  // namespace huecast::skin
