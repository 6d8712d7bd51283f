#include "skin/frame/win32/system_menu.h"

#include <functional>

namespace huecast::skin {

namespace {

// The application's item as the menu shows it, its action (and those of its sub-items) only recorded: the
// frame carries it out once the menu is gone.
TMenuItem Recording(const TMenuItem& item, std::function<void()>& picked) {
    TMenuItem shown = item;
    shown.items.clear();
    if (item.onClick) shown.onClick = [&picked, action = item.onClick] { picked = action; };
    for (const TMenuItem& sub : item.items)
        shown.items.push_back(Recording(sub, picked));
    return shown;
}

}  // namespace

SystemMenuChoice SkinnedSystemMenu::Popup(HWND owner, const std::vector<SystemMenuItem>& items,
                                          const std::vector<TMenuItem>& applicationItems, POINT at,
                                          const RECT* exclude) {
    SystemMenuChoice picked;
    std::vector<TMenuItem> menuItems;
    menuItems.reserve(items.size() + applicationItems.size() + 1);
    const ApplicationItemsPlace slot = PlaceApplicationItems(items);
    for (std::size_t i = 0; i <= items.size(); ++i) {
        if (i == slot.index && !applicationItems.empty()) {
            for (const TMenuItem& item : applicationItems)
                menuItems.push_back(Recording(item, picked.application));
            if (slot.addDivider) menuItems.push_back({.caption = "-"});
        }
        if (i == items.size()) break;
        const SystemMenuItem& item = items[i];
        TMenuItem menuItem;
        menuItem.name = item.name;
        menuItem.caption = item.caption;
        menuItem.shortCut = item.shortCut;
        menuItem.onClick = [&picked, command = item.command] { picked.command = command; };
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
