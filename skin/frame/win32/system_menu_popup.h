// How a skinned frame shows its system menu. The frame builds the items for the window's state
// (skin/frame/system_menu_items.h), adds the application's own items (a submenu of skins, for instance) and hands
// them to a SystemMenuPopup, which shows them, waits for the user and says what was picked; the frame
// carries it out afterwards, once the handler that showed the menu has returned.
//
//     frame.SetSystemMenuPopup(std::make_unique<MyMenus>(...));   // the skinned menus plug in here
//
// Until one is given, the frame uses SystemPopupMenu: the system's own pop-up menu with the same items.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/frame/system_menu_items.h"
#include "skin/popups/win32/menu.h"

namespace huecast::skin {

// What the user picked: one of the frame's commands, or the action of an application item.
struct SystemMenuChoice {
    SystemMenuCommand command = SystemMenuCommand::None;
    std::function<void()> application;
};

class SystemMenuPopup {
  public:
    virtual ~SystemMenuPopup() = default;
    // Shows `items` with `applicationItems` among them (PlaceApplicationItems) for `owner`, with the menu's
    // top-left corner at `at` (screen coordinates), and returns when the menu has closed. `exclude`, when
    // given, is the screen rect of the object the menu drops from, which the menu should not cover.
    virtual SystemMenuChoice Popup(HWND owner, const std::vector<SystemMenuItem>& items,
                                   const std::vector<TMenuItem>& applicationItems, POINT at,
                                   const RECT* exclude) = 0;
};

// The system's pop-up menu: separators as separators, the short-cut after a tab, submenus as submenus.
class SystemPopupMenu final : public SystemMenuPopup {
  public:
    SystemMenuChoice Popup(HWND owner, const std::vector<SystemMenuItem>& items,
                           const std::vector<TMenuItem>& applicationItems, POINT at, const RECT* exclude) override;
};

}  // namespace huecast::skin
