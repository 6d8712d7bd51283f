#include "aatext/win32/scroll_text_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "aatext/win32/system_texts.h"
#include "aatext/win32/timer_ex.h"
#include "gui/drawing.h"

namespace huecast {

namespace {

constexpr UINT_PTR kParentSubclassId = 0x41415354;  // "AAST"

}  // namespace

TAAScrollTextWindow::TAAScrollTextWindow(const ScrollTextArgs& args)
    : TAAScrollText(gdiRasterizer, SystemTextsOfWindows(), std::make_unique<TTimerEx>(),
                    std::make_unique<TTimerEx>()),
      parent_(args.parent) {
    SetLeadBytes(SystemLeadBytes());
    Create({.className = kClassName,
            .caption = "",
            .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
            .x = args.x,
            .y = args.y,
            .width = std::max(args.width, 20),
            .height = std::max(args.height, 20),
            .parent = args.parent,
            .id = args.id,
            .background = nullptr});
    RECT client{};
    GetClientRect(Handle(), &client);
    SetSize(client.right, client.bottom);
    SetAlign(args.align);
}

TAAScrollTextWindow::~TAAScrollTextWindow() {
    // WM_DESTROY stops the timers and lets go of the parent while the banner is whole; both again for a
    // window that its parent took with it first.
    DestroyHandle();
    Shutdown();
    ReleaseParent();
}

TAAScrollTextWindow* TAAScrollTextWindow::FromHandle(HWND window) {
    gui::Window* bound = gui::Window::FromHandle(window);
    char className[32] = {};
    if (!bound || !GetClassNameA(window, className, sizeof className) || std::string_view(className) != kClassName)
        return nullptr;
    return static_cast<TAAScrollTextWindow*>(bound);
}

void TAAScrollTextWindow::SetAlign(TAlign align) {
    align_ = align;
    if (align_ != TAlign::alNone && !parentHooked_ && parent_) {
        SetWindowSubclass(parent_, ParentProc, kParentSubclassId, reinterpret_cast<DWORD_PTR>(this));
        parentHooked_ = true;
    }
    Dock();
}

void TAAScrollTextWindow::Dock() {
    if (align_ == TAlign::alNone || !parent_ || !IsWindow(Handle())) return;
    RECT client{};
    GetClientRect(parent_, &client);
    RECT own{};
    GetWindowRect(Handle(), &own);
    const int height = own.bottom - own.top;
    const int y = align_ == TAlign::alBottom ? client.bottom - height : 0;
    SetWindowPos(Handle(), nullptr, 0, y, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAAScrollTextWindow::ReleaseParent() {
    if (!parentHooked_) return;
    RemoveWindowSubclass(parent_, ParentProc, kParentSubclassId);
    parentHooked_ = false;
}

LRESULT CALLBACK TAAScrollTextWindow::ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                 UINT_PTR, DWORD_PTR self) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SIZE) reinterpret_cast<TAAScrollTextWindow*>(self)->Dock();
    return result;
}

void TAAScrollTextWindow::Invalidate() {
    if (IsWindow(Handle())) InvalidateRect(Handle(), nullptr, FALSE);
}

void TAAScrollTextWindow::PresentFrame(const Bitmap& frame) {
    if (!IsWindow(Handle()) || frame.Empty() || frame.BitsPerPixel() != 24) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = frame.Width();
    // Negative: the first row in memory is the top one.
    info.bmiHeader.biHeight = frame.RowOrder() == Bitmap::Order::TopDown ? -frame.Height() : frame.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const auto present = [&](HDC dc) {
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(frame.Width()), static_cast<DWORD>(frame.Height()), 0, 0,
                          0, static_cast<UINT>(frame.Height()), frame.Bytes().data(), &info, DIB_RGB_COLORS);
    };
    // Inside WM_PAINT the paint scope's DC; a frame of the timer goes straight to the window.
    if (paintDc_) {
        present(paintDc_);
        return;
    }
    const gui::WindowDC dc(Handle());
    if (dc) present(dc);
}

void TAAScrollTextWindow::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
}

void TAAScrollTextWindow::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
}

LRESULT TAAScrollTextWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // every pixel is painted
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            const gui::PaintScope paint(Handle(), message == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wParam) : nullptr);
            paintDc_ = paint.Dc();
            struct Done {
                HDC& dc;
                ~Done() { dc = nullptr; }
            } done{paintDc_};
            Paint();
            return 0;
        }
        case WM_WINDOWPOSCHANGING: {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(position->flags & SWP_NOSIZE)) {
                position->cx = std::max(position->cx, 20);
                position->cy = std::max(position->cy, 20);
            }
            break;
        }
        case WM_SIZE:
            SetSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DESTROY:
            // The window goes before the object: nothing may tick or draw any more.
            Shutdown();
            ReleaseParent();
            break;
        default:
            break;
    }
    return gui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace huecast
