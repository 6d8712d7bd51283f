// Base class for the program's own windows: one static window procedure binds the C++ object at
// WM_NCCREATE, and every message reaches the virtual HandleMessage. Exceptions that escape a handler go to
// the application's exception handler instead of unwinding through the system.
#pragma once

#include <windows.h>

#include <string>

#include "gui/handles.h"

namespace huecast::gui {

struct WindowArgs {
    const char* className = nullptr;  // registered on first use
    std::string caption;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HICON icon = nullptr;
};

class Window {
  public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_.get(); }

  protected:
    void Create(const WindowArgs& args);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WindowHandle handle_;
};

}  // namespace huecast::gui
