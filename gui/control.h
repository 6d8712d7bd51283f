// The stand-in controls over the system's standard window classes, on the one window base (window.h):
// a Control is a subclassed system window whose object the base finds from its handle, so the window
// that receives a notification (the form or a group box) hands it back to the control that raised it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "gui/window.h"

namespace huecast::gui {

struct ControlArgs {
    HWND parent = nullptr;
    int id = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::string text = {};
    DWORD style = 0;
    DWORD exStyle = 0;
};

using Event = std::function<void()>;
// Called with the key code before the control handles the key.
using KeyEvent = std::function<void(WPARAM key)>;

class Control : public Window {
  public:
    KeyEvent onKeyDown;  // before the control handles the key

  protected:
    // A visible child of the system class `className`, subclassed, in the default GUI font.
    void CreateChild(const char* className, const ControlArgs& args);
    // Messages to the control itself, after subclassing; the default passes them on.
    virtual LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam) { return Window::HandleMessage(message, wParam, lParam); }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) final {
        return HandleOwnMessage(message, wParam, lParam);
    }
};

}  // namespace huecast::gui
