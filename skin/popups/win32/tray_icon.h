// TTrayIcon: an icon in the notification area with its tip, an optional animation through a list of
// icons, mouse events, and a skinned pop-up menu. No window of the program uses it yet.
//
//     TTrayIcon tray(ownerForm);
//     tray.SetIcon(icon); tray.SetHint("Huecast");
//     tray.popupMenu = &menu;             // a TSkinPopupMenu, popped up on a right click
//     tray.onClick = [] { ... };
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/window.h"

namespace huecast::skin {

class TSkinPopupMenu;

// The callback message of the icon (the shell reports mouse events on it with this message).
inline constexpr UINT kTrayCallbackMessage = 2048;

enum class TrayButton { Left, Right, Middle };

// The icon's hidden window is its own: the shell's callbacks and "TaskbarCreated" arrive there.
class TTrayIcon : private gui::Window {
  public:
    // `owner` is the form brought to the front with the menu and told when the menu has gone.
    explicit TTrayIcon(HWND owner = nullptr);
    ~TTrayIcon() override;
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    bool enabled = true;
    bool showHint = true;
    bool popupByLeftButton = false;
    TSkinPopupMenu* popupMenu = nullptr;

    void SetIcon(HICON icon);  // not owned
    void SetHint(const std::string& hint);
    void SetIconVisible(bool visible);
    bool IconVisible() const { return iconVisible_; }
    // Icons to show instead of Icon (not owned); with cycleIcons each animation tick shows the next.
    void SetIconList(std::vector<HICON> icons);
    void SetIconIndex(int index);
    int IconIndex() const { return iconIndex_; }
    void SetCycleIcons(bool cycle);
    void SetAnimateTimerInterval(UINT ms);

    // Tray mode: the owner form is hidden (its task bar button with it) and the icon alone stands for it,
    // shown for as long as the form is there even when IconVisible is false. A double click on the icon
    // without a default menu item, or RestoreFromTray, brings the form back.
    bool minimizeToTray = false;    // the owner's own minimize (caption button, system menu) goes to the tray
    bool minimizedOnStart = false;  // the owner goes to the tray (or minimizes) when it is first shown
    void MinimizeToTray();
    void RestoreFromTray();
    bool InTray() const { return inTray_; }
    std::function<void()> onMinimizeToTray, onRestoreFromTray;

    // True while the shell holds the icon (the last add or modify succeeded).
    bool Shown() const { return shown_; }
    HWND MessageWindow() const { return Handle(); }

    std::function<void(TrayButton, UINT keys, POINT screen)> onMouseDown, onMouseUp;
    std::function<void(UINT keys, POINT screen)> onMouseMove;
    std::function<void()> onClick, onDblClick;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TimerTick(UINT_PTR id) override;
    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void ShowIcon(bool show);
    void Notify(DWORD operation);
    void Update();
    HICON CurrentIcon() const;
    void Callback(UINT mouseMessage);
    void PopUp();
    void RestartAnimation();

    HWND owner_;
    UINT taskbarCreated_ = 0;
    HICON icon_ = nullptr;
    std::string hint_;
    bool iconVisible_ = true;
    std::vector<HICON> iconList_;
    int iconIndex_ = 0;
    bool cycleIcons_ = false;
    UINT animateInterval_ = 1000;
    bool shown_ = false;
    bool inTray_ = false;
    bool ownerShownOnce_ = false;
    // The single click waits for the double-click time: a second press within it makes a double click.
    bool clickTimerRunning_ = false;
    bool releasedDuringTimer_ = false;
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace huecast::skin
