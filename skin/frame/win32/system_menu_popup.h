// How a skinned frame shows its system menu. The frame builds the items for the window's state
// (skin/frame/system_menu_items.h) and hands them to a SystemMenuPopup, which shows them, waits for the user
// and says which command was picked; the frame carries it out afterwards.
//
//     frame.SetSystemMenuPopup(std::make_unique<MyMenus>(...));   // the skinned menus plug in here
//
// Until one is given, the frame uses SystemPopupMenu: the system's own pop-up menu with the same items.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/frame/system_menu_items.h"

namespace huecast::skin {

class SystemMenuPopup {
  public:
    virtual ~SystemMenuPopup() = default;
    // Shows `items` for `owner` with the menu's top-left corner at `at` (screen coordinates) and returns
    // when the menu has closed: the picked item's command, or SystemMenuCommand::None. `exclude`, when
    // given, is the screen rect of the object the menu drops from, which the menu should not cover.
    virtual SystemMenuCommand Popup(HWND owner, const std::vector<SystemMenuItem>& items, POINT at,
                                    const RECT* exclude) = 0;
};

// The system's pop-up menu: separators as separators, the short-cut after a tab.
class SystemPopupMenu final : public SystemMenuPopup {
  public:
    SystemMenuCommand Popup(HWND owner, const std::vector<SystemMenuItem>& items, POINT at,
                            const RECT* exclude) override;
};

}  // namespace huecast::skin
