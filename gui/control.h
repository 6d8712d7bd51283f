// Base class for child controls over the system's standard window classes. A control finds itself from
// its window (a window property), so the window that receives a notification (the form or a group box) can
// hand it back to the control that raised it: the control, not its parent, owns its events.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace huecast::gui {

struct ControlArgs {
    HWND parent = nullptr;
    int id = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
};

using Event = std::function<void()>;
// Key code in; return true to swallow the key.
using KeyEvent = std::function<void(WPARAM key)>;

class Control {
  public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Handle() const { return handle_; }
    int Id() const { return GetDlgCtrlID(handle_); }

    bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
    void SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }
    std::string Text() const;
    void SetText(const std::string& text);
    void SetFocus() { ::SetFocus(handle_); }
    void SetFont(HFONT font) { SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

    // Called with notifications (WM_COMMAND, WM_NOTIFY, scrolls, colours, owner drawing) that the system
    // sent to the parent about this control. Returns true when handled, with the reply in `result`.
    virtual bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    KeyEvent onKeyDown;  // before the control handles the key

  protected:
    void CreateChild(const char* className, const ControlArgs& args);
    // Messages to the control itself, after subclassing; the default passes them on.
    virtual LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    HWND handle_ = nullptr;
};

// Passes a parent's notification on to the control it concerns. Returns true when that control handled it.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The control that owns a window, or nullptr.
Control* ControlFromHandle(HWND window);

}  // namespace huecast::gui
