#include "skin/frame/win32/system_menu.h"

namespace huecast::skin {

SystemMenuCommand SkinnedSystemMenu::Popup(HWND owner, const std::vector<SystemMenuItem>& items, POINT at,
                                           const RECT* exclude) {
    SystemMenuCommand picked = SystemMenuCommand::None;
    std::vector<TMenuItem> menuItems;
    menuItems.reserve(items.size());
    for (const SystemMenuItem& item : items) {
        TMenuItem menuItem;
        menuItem.name = item.name;
        menuItem.caption = item.caption;
        menuItem.shortCut = item.shortCut;
        const SystemMenuCommand command = item.command;
        menuItem.onClick = [&picked, command] { picked = command; };
        menuItems.push_back(std::move(menuItem));
    }
    // Dropped from a caption button, the menu opens below it rather than over it.
    Point place{at.x, at.y};
    if (exclude && at.y >= exclude->top && at.y < exclude->bottom) place.y = exclude->bottom;
    menu_.Popup(owner, menuItems, place);
    // The frame carries out the command after this returns, as with the system's own menu: a loop of
    // our own until the menu has closed, like the system's menu loop.
    MSG msg;
    while (menu_.IsOpen()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            menu_.CloseAll();
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // the application's loop ends it
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return picked;
}

}  // namespace huecast::skin
