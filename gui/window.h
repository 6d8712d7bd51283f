// The one window base of the program: top-level windows, our own registered child classes (the skinned
// controls, the banner) and subclassed system controls all derive from Window.
//
//     class MyControl : public gui::Window {
//       public:
//         MyControl(HWND parent, int id) {
//             Create({.className = "HuecastMyControl", .style = WS_CHILD | WS_VISIBLE, .parent = parent,
//                     .id = id, .width = 80, .height = 20, .background = nullptr});
//         }
//       protected:
//         LRESULT HandleMessage(UINT m, WPARAM w, LPARAM l) override;   // end with Window::HandleMessage
//         void MouseEnter() override;                                    // hooks, see below
//     };
//     // or over a system class:  CreateSubclassed(WC_LISTBOXA, {.style = ..., .parent = ..., .id = 7});
//
// Binding: a window of our class is bound to its object at WM_NCCREATE (before any other message reaches
// HandleMessage); a subclassed one right after CreateWindowEx. Window::FromHandle finds the object of
// any window of this process, whichever way it was made.
//
// Notifications: a parent passes WM_COMMAND, WM_NOTIFY, scrolls, WM_CTLCOLOR* and WM_DRAWITEM on to the
// control that sent them (Reflect), so a control, not its parent, owns its events. Window::HandleMessage
// does it for every window; a control that holds children gets it too.
//
// Dialog keys: the message loop runs the dialog manager for the active top-level window, which turns an
// Enter or Escape that the focused control does not want into that window's IDOK or IDCANCEL command;
// Window::HandleMessage of a top-level window then offers the key to its controls (DialogKey).
//
// Hooks called from Window::HandleMessage (override and keep calling the base HandleMessage): mouse
// enter/leave (tracked with TrackMouseEvent), capture lost, focus gained/lost, and window timers by id.
//
// Destroy order: ~Window unbinds the object first and then destroys the window, so no message reaches a
// half-destroyed object; a derived class that must see WM_DESTROY (to stop timers or threads, or because
// its members refer into something it owns, like a form's controls into its skin data) calls
// DestroyHandle() at the start of its own destructor, while all its members still live. A window
// destroyed by the system first (its parent went) releases the object's handle at WM_NCDESTROY.
#pragma once

#include <windows.h>

#include <string>

#include "gui/handles.h"

namespace huecast::gui {

struct WindowArgs {
    const char* className = nullptr;  // ours: registered on first use; or a system class to subclass
    std::string caption = {};
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    HWND parent = nullptr;
    int id = 0;                 // a child's dialog id
    HICON icon = nullptr;       // our class only, at registration
    UINT classStyle = CS_DBLCLKS;  // our class only, at registration
    // Our class only, at registration. Custom-drawn controls pass nullptr: they paint every pixel and must
    // not be erased first.
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    HFONT font = nullptr;  // sent as WM_SETFONT after creation when set
};

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }
    int Id() const { return GetDlgCtrlID(Handle()); }

    // The object of a window of this process, or nullptr.
    static Window* FromHandle(HWND window);

    bool Enabled() const { return IsWindowEnabled(Handle()) != FALSE; }
    void SetEnabled(bool enabled) { EnableWindow(Handle(), enabled); }
    std::string Text() const;  // in the system code page, '?' for what it lacks
    void SetText(const std::string& text);
    // Every character, also those the system code page lacks.
    std::wstring WideText() const;
    void SetWideText(const std::wstring& text);
    void SetFocus() { ::SetFocus(Handle()); }
    void SetFont(HFONT font) { SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
    // Nothing to repaint before the window exists: the system reads a null window as "every window on
    // the desktop", and would wait on each of them, a hung program's too.
    void Invalidate(bool erase = false) {
        if (Handle()) InvalidateRect(Handle(), nullptr, erase);
    }
    bool MouseInside() const { return mouseInside_; }

    // Window timers, delivered to TimerTick(id). Starting a running timer restarts it.
    void StartTimer(UINT_PTR id, UINT intervalMs) { SetTimer(Handle(), id, intervalMs, nullptr); }
    void StopTimer(UINT_PTR id) { KillTimer(Handle(), id); }

    // A notification (WM_COMMAND, WM_NOTIFY, scrolls, colours, owner drawing) that the system sent to the
    // parent about this window. Returns true when handled, with the reply in `result`.
    virtual bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Enter (VK_RETURN) or Escape (VK_ESCAPE) that the focused control left to the dialog manager: the
    // top-level window offers it to each of its controls in turn; true takes it (a default or cancel
    // button clicks).
    virtual bool DialogKey(UINT /*key*/) { return false; }

  protected:
    // A window of our own class (registered on first use with args' class style, icon and background).
    void Create(const WindowArgs& args);
    // A window of a system class, subclassed: its own procedure handles what HandleMessage passes on.
    void CreateSubclassed(const WindowArgs& args);
    // Destroys the window now, while the derived object is whole (see the destroy order above).
    void DestroyHandle();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc for our class; the system class's own procedure for a subclassed window.
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void CaptureLost() {}
    virtual void FocusChanged(bool /*focused*/) {}
    // Also called with the ids of a subclassed system control's own timers, which then go on to it.
    virtual void TimerTick(UINT_PTR /*id*/) {}

  private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND window);
    void Forget(HWND window);

    HWND handle_ = nullptr;
    bool subclassed_ = false;
    bool mouseInside_ = false;
};

// Passes a parent's notification on to the window it concerns. Returns true when that window handled it.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace huecast::gui
