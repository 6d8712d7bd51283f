#include "skin/frame/win32/system_menu_popup.h"

#include <string>

namespace huecast::skin {

namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// Application items get ids from here on, in the order they are appended; the frame's items from 1.
constexpr UINT kFirstApplicationId = 0x1000;

void AppendText(HMENU menu, UINT flags, UINT_PTR id, const std::string& caption, const std::string& shortCut) {
    std::string text = caption;
    if (!shortCut.empty()) text += "\t" + shortCut;
    AppendMenuA(menu, flags, id, text.c_str());
}

void AppendApplicationItems(HMENU menu, const std::vector<TMenuItem>& items,
                            std::vector<const TMenuItem*>& byId) {
    for (const TMenuItem& item : items) {
        if (!item.visible) continue;
        if (item.Divider()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT state = (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
        if (!item.items.empty()) {
            HMENU sub = CreatePopupMenu();  // owned by `menu` once appended
            AppendApplicationItems(sub, item.items, byId);
            AppendText(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(sub), item.caption, item.shortCut);
            continue;
        }
        byId.push_back(&item);
        AppendText(menu, MF_STRING | state, kFirstApplicationId + byId.size() - 1, item.caption, item.shortCut);
    }
}

}  // namespace

SystemMenuChoice SystemPopupMenu::Popup(HWND owner, const std::vector<SystemMenuItem>& items,
                                        const std::vector<TMenuItem>& applicationItems, POINT at,
                                        const RECT* exclude) {
    MenuHandle menu(CreatePopupMenu());
    if (!menu) return {};
    const ApplicationItemsPlace place = PlaceApplicationItems(items);
    std::vector<const TMenuItem*> applicationById;
    for (std::size_t i = 0; i <= items.size(); ++i) {
        if (i == place.index && !applicationItems.empty()) {
            AppendApplicationItems(menu.get(), applicationItems, applicationById);
            if (place.addDivider) AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        }
        if (i == items.size()) break;
        if (items[i].Separator())
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        else  // ids start at 1: TrackPopupMenu returns 0 for "nothing picked"
            AppendText(menu.get(), MF_STRING, i + 1, items[i].caption, items[i].shortCut);
    }
    TPMPARAMS params{sizeof(TPMPARAMS), {}};
    if (exclude) params.rcExclude = *exclude;
    // The owner must be in front, or the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT picked = static_cast<UINT>(TrackPopupMenuEx(
        menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_NONOTIFY, at.x, at.y,
        owner, exclude ? &params : nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    if (picked >= kFirstApplicationId && picked - kFirstApplicationId < applicationById.size())
        return {SystemMenuCommand::None, applicationById[picked - kFirstApplicationId]->onClick};
    if (picked == 0 || picked > items.size()) return {};
    return {items[picked - 1].command, {}};
}

}  // namespace huecast::skin
