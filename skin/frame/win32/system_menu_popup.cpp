#include "skin/frame/win32/system_menu_popup.h"

#include <string>

namespace huecast::skin {

namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

}  // namespace

SystemMenuCommand SystemPopupMenu::Popup(HWND owner, const std::vector<SystemMenuItem>& items, POINT at,
                                         const RECT* exclude) {
    MenuHandle menu(CreatePopupMenu());
    if (!menu) return SystemMenuCommand::None;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const SystemMenuItem& item = items[i];
        if (item.Separator()) {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string text = item.caption;
        if (!item.shortCut.empty()) text += "\t" + item.shortCut;
        // Ids start at 1: TrackPopupMenu returns 0 for "nothing picked".
        AppendMenuA(menu.get(), MF_STRING, i + 1, text.c_str());
    }
    TPMPARAMS params{sizeof(TPMPARAMS), {}};
    if (exclude) params.rcExclude = *exclude;
    // The owner must be in front, or the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT picked = static_cast<UINT>(TrackPopupMenuEx(
        menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_NONOTIFY, at.x, at.y,
        owner, exclude ? &params : nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    if (picked == 0 || picked > items.size()) return SystemMenuCommand::None;
    return items[picked - 1].command;
}

}  // namespace huecast::skin
