// RAII owners for the system handles the program keeps (GDI objects, windows, kernel handles).
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace huecast::gui {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
template <typename T>
using GdiPtr = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;
using FontHandle = GdiPtr<HFONT>;
using BrushHandle = GdiPtr<HBRUSH>;
using BitmapHandle = GdiPtr<HBITMAP>;

struct KernelHandleDeleter {
    void operator()(HANDLE h) const {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using KernelHandle = std::unique_ptr<void, KernelHandleDeleter>;

struct WindowDeleter {
    void operator()(HWND h) const {
        if (IsWindow(h)) DestroyWindow(h);
    }
};
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// A device context borrowed from a window for the length of a scope.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a DC for the length of a scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace huecast::gui
