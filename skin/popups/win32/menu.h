// Skinned pop-up menus.
//
// TMenuItem is one item of a menu (with its sub-items); TSkinMenu is the menu engine that shows a menu as
// a chain of TSkinPopupWindow levels, one per open submenu, each drawing its TSkinMenuItem objects from the
// skin's [POPUPWINDOW] picture and MENUITEM object. Levels never take the activation: the window that
// opened the menu keeps the focus, while the engine watches the pointer (every 50 ms and on every mouse
// message) and the keys. Choosing an item closes every level and then runs the item's command; when the
// last level closes, the opener receives kMenuClosedMessage.
//
//     TSkinPopupMenu menu(&skinData);
//     menu.items = {{.name = "SF_MINITEM", .caption = "最小化(&N)", .onClick = [&] { Minimize(); }}};
//     menu.Popup(opener, {x, y});
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/fonts.h"
#include "gui/handles.h"
#include "gui/window.h"
#include "skin/popups/menu_layout.h"
#include "skin/picture/morph_stepper.h"

namespace huecast::skin {

class TSkinData;
class TSkinMenu;

// Sent to the window that opened a menu when its last level has closed (both parameters 0).
inline constexpr UINT kMenuClosedMessage = 1228;

struct TMenuItem {
    std::string name;      // "SF_CLOSE" and the other system names get a drawn symbol
    std::string caption;   // "-" is a divider; "&" marks the access key
    std::string shortCut;  // shown at the right, e.g. "Alt+F4"
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    bool defaultItem = false;  // what a double click on a tray icon chooses
    std::function<void()> onClick;
    std::vector<TMenuItem> items;  // a submenu when not empty

    bool Divider() const { return caption == "-"; }
};

// One visible item of a level.
class TSkinMenuItem {
  public:
    explicit TSkinMenuItem(const TMenuItem& item) : item_(&item) {}
    const TMenuItem& Item() const { return *item_; }
    MorphStepper& Morph() { return morph_; }
    const MorphStepper& Morph() const { return morph_; }

  private:
    const TMenuItem* item_;
    MorphStepper morph_;
};

// One open menu level.
class TSkinPopupWindow : public gui::Window {
  public:
    TSkinPopupWindow(TSkinMenu& menu, const std::vector<TMenuItem>& items, int depth);
    ~TSkinPopupWindow() override;

    // Shows the level with its top-left corner at `at` (screen), without activating it.
    void Show(Point at);
    Size WindowSize() const { return layout_.window; }
    const MenuLevelLayout& Layout() const { return layout_; }
    int ActiveItem() const { return active_; }
    int Scroll() const { return scroll_; }
    const TSkinMenuItem& Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    // The item's rectangle on the screen.
    Rect ItemScreenRect(int index) const;

    void SetActiveItem(int index);
    // Moves the active item to the next enabled, non-divider item in `direction` (+1 down, -1 up).
    void StepActiveItem(int direction);
    // Scrolls when `p` (client) lies in a marker strip; true when it did.
    bool ScrollAt(Point p);
    int ItemAtClient(Point p) const { return ItemAt(layout_, p, scroll_); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TimerTick(UINT_PTR id) override;

  private:
    void Paint(HDC target);
    void MorphTick();

    TSkinMenu& menu_;
    int depth_;
    std::vector<TSkinMenuItem> items_;
    MenuLevelLayout layout_;
    int active_ = -1;
    int scroll_ = 0;
    bool morphing_ = false;  // the 20 ms morph timer runs
};

class TSkinMenu {
  public:
    explicit TSkinMenu(TSkinData* skinData = nullptr);
    ~TSkinMenu();
    TSkinMenu(const TSkinMenu&) = delete;
    TSkinMenu& operator=(const TSkinMenu&) = delete;

    TSkinData* skinData = nullptr;
    gui::FontSpec defaultFont{"SimSun", 12, false, GB2312_CHARSET};
    int defaultItemHeight = 20;
    bool alphaBlend = false;
    BYTE alphaBlendValue = 200;

    // Opens `items` as a menu at the screen point `at` for `opener`, which keeps the focus and hears
    // kMenuClosedMessage when the menu has closed. The items must outlive the open menu.
    void Popup(HWND opener, const std::vector<TMenuItem>& items, Point at);
    bool IsOpen() const { return !levels_.empty(); }
    void CloseAll();
    // Closes the levels deeper than `depth` (0: keep only the first).
    void CloseFrom(int depth);

    // For the levels: the skin looks (nullptr for plain), the item font, and what happens to an item.
    const TDataSkinMenuItem* ItemLook() const;
    const TDataSkinPopupWindow* WindowLook() const;
    HFONT ItemFont();
    void Choose(const TMenuItem& item);
    void OpenSubmenu(int depth, int index);
    void OpenSubmenuFromKeyboard(int depth, int index);
    const std::vector<std::unique_ptr<TSkinPopupWindow>>& Levels() const { return levels_; }
    // A pointer move or a poll: the item under the pointer becomes active, strips scroll, submenus open.
    void TrackPointer(bool moved);

  private:
    bool HandleKey(WPARAM key);
    void InstallHooks();
    void RemoveHooks();
    int LevelAt(POINT p) const;
    static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK PollTick(HWND, UINT, UINT_PTR, DWORD);

    HWND opener_ = nullptr;
    std::vector<std::unique_ptr<TSkinPopupWindow>> levels_;
    gui::FontHandle font_;
    POINT lastPointer_{-1, -1};
    HHOOK mouseHook_ = nullptr, keyboardHook_ = nullptr;
    UINT_PTR pollTimer_ = 0;
};

// A menu of items popped up by a TSkinMenu.
class TSkinPopupMenu {
  public:
    explicit TSkinPopupMenu(TSkinData* skinData = nullptr) : menu_(skinData) {}
    std::vector<TMenuItem> items;
    void Popup(HWND opener, Point at) { menu_.Popup(opener, items, at); }
    TSkinMenu& Menu() { return menu_; }

  private:
    TSkinMenu menu_;
};

}  // namespace huecast::skin
