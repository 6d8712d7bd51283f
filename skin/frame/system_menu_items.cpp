// Captions are the system code page's bytes (GBK), written as escapes so the portable core builds with any
// execution character set.
#include "skin/frame/system_menu_items.h"

#include <optional>

namespace huecast::skin {

namespace {

// 最小化(&N), 最大化(&X), 恢复(&R), 卷起(&L), 最小化到系统托盘区(&T), 关闭(&C) in GBK.
constexpr const char* kMinimize = "\xD7\xEE\xD0\xA1\xBB\xAF(&N)";
constexpr const char* kMaximize = "\xD7\xEE\xB4\xF3\xBB\xAF(&X)";
constexpr const char* kRestore = "\xBB\xD6\xB8\xB4(&R)";
constexpr const char* kRollUp = "\xBE\xED\xC6\xF0(&L)";
constexpr const char* kMinimizeToTray =
    "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCF\xB5\xCD\xB3\xCD\xD0\xC5\xCC\xC7\xF8(&T)";
constexpr const char* kClose = "\xB9\xD8\xB1\xD5(&C)";

struct Items {
    std::optional<SystemMenuItem> minimize, maximize, restore, rollUp, toTray;
    SystemMenuItem close;
};

Items ItemsFor(const SystemMenuState& s) {
    Items items;
    const bool minimized = s.show == WindowShow::Minimized;
    const bool maximized = s.show == WindowShow::Maximized;
    if (!minimized && s.icons.minimize)
        items.minimize = {"SF_MINITEM", kMinimize, "", SystemMenuCommand::Minimize};
    if (!maximized && s.icons.maximize)
        items.maximize = {"SF_MAXITEM", kMaximize, "", SystemMenuCommand::Maximize};
    if (maximized || minimized || s.rolledUp) {
        const bool rollDown = s.rolledUp && (s.rolledUpWhileMaximized || s.show == WindowShow::Normal);
        items.restore = {"SF_RESTORE", kRestore, "",
                         rollDown ? SystemMenuCommand::RollDown : SystemMenuCommand::Restore};
    }
    if (s.icons.rollUp && !s.rolledUp && !minimized && !(maximized && s.mdiChild))
        items.rollUp = {"SF_ROLLUP", kRollUp, "", SystemMenuCommand::RollUp};
    if (s.icons.minimizeToTray)
        items.toTray = {"SF_MINTOTRAY", kMinimizeToTray, "", SystemMenuCommand::MinimizeToTray};
    items.close = {"SF_CLOSE", kClose, s.mdiChild ? "Ctrl+F4" : "Alt+F4", SystemMenuCommand::Close};
    return items;
}

}  // namespace

std::vector<SystemMenuItem> BuildSystemMenu(const SystemMenuState& state) {
    Items items = ItemsFor(state);
    std::vector<SystemMenuItem> menu;
    for (auto* item : {&items.minimize, &items.maximize, &items.restore, &items.rollUp, &items.toTray})
        if (*item) menu.push_back(**item);
    if (!menu.empty()) menu.push_back({"", "-", "", SystemMenuCommand::None});
    menu.push_back(items.close);
    return menu;
}

ApplicationItemsPlace PlaceApplicationItems(const std::vector<SystemMenuItem>& items) {
    if (items.size() >= 2 && items[items.size() - 2].Separator()) return {items.size() - 2, false};
    return {items.empty() ? 0 : items.size() - 1, true};
}

bool IsSystemMenuItemName(const std::string& name) {
    for (const char* own :
         {"SF_MINITEM", "SF_MAXITEM", "SF_CLOSE", "SF_MINTOTRAY", "SF_ROLLUP", "SF_RESTORE"})
        if (name == own) return true;
    return false;
}

SystemMenuMerge MergeSystemMenu(const SystemMenuState& state) {
    Items items = ItemsFor(state);
    SystemMenuMerge merge;
    for (auto* item : {&items.minimize, &items.restore, &items.maximize, &items.rollUp, &items.toTray})
        if (*item) merge.head.push_back(**item);
    merge.close = items.close;
    return merge;
}

}  // namespace huecast::skin
