// The skinned frame's system menu shown by the skinned menus: plugs into TSkinFrame through its
// SystemMenuPopup interface.
//
//     frame.SetSystemMenuPopup(std::make_unique<SkinnedSystemMenu>(&menusSkinData));
#pragma once

#include <windows.h>

#include <vector>

#include "skin/popups/win32/menu.h"
#include "skin/frame/win32/system_menu_popup.h"

namespace huecast::skin {

class TSkinData;

class SkinnedSystemMenu final : public SystemMenuPopup {
  public:
    explicit SkinnedSystemMenu(TSkinData* skinData) : menu_(skinData) {}

    // Shows the items and waits, running the thread's messages, until the menu has closed.
    SystemMenuChoice Popup(HWND owner, const std::vector<SystemMenuItem>& items,
                           const std::vector<TMenuItem>& applicationItems, POINT at, const RECT* exclude) override;

    TSkinMenu& Menu() { return menu_; }

  private:
    TSkinMenu menu_;
};

}  // namespace huecast::skin
