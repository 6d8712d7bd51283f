#include "aatext/win32/scroll_text_window.h"

#include <commctrl.h>

#include <algorithm>

#include "aatext/win32/system_texts.h"
#include "aatext/win32/timer_ex.h"

namespace huecast {

namespace {

constexpr UINT_PTR kParentSubclassId = 0x41415354;  // "AAST"
constexpr const char* kBannerProperty = "HuecastScrollText";

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
            .parent = args.parent});
    SetPropA(Handle(), kBannerProperty, this);
    if (args.id != 0) SetWindowLongPtrA(Handle(), GWLP_ID, args.id);
    RECT client{};
    GetClientRect(Handle(), &client);
    SetSize(client.right, client.bottom);
    SetAlign(args.align);
}

TAAScrollTextWindow::~TAAScrollTextWindow() {
    Shutdown();
    ReleaseParent();
    if (IsWindow(Handle())) RemovePropA(Handle(), kBannerProperty);
}

TAAScrollTextWindow* TAAScrollTextWindow::FromHandle(HWND window) {
    return static_cast<TAAScrollTextWindow*>(GetPropA(window, kBannerProperty));
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
    HDC dc = paintDc_ ? paintDc_ : GetDC(Handle());
    if (!dc) return;
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(frame.Width()), static_cast<DWORD>(frame.Height()), 0, 0,
                      0, static_cast<UINT>(frame.Height()), frame.Bytes().data(), &info, DIB_RGB_COLORS);
    if (!paintDc_) ReleaseDC(Handle(), dc);
}

LRESULT TAAScrollTextWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // every pixel is painted
        case WM_PAINT: {
            PAINTSTRUCT paint;
            paintDc_ = BeginPaint(Handle(), &paint);
            struct End {
                TAAScrollTextWindow& self;
                PAINTSTRUCT& paint;
                ~End() {
                    EndPaint(self.Handle(), &paint);
                    self.paintDc_ = nullptr;
                }
            } end{*this, paint};
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
        case WM_MOUSEMOVE:
            if (!mouseInside_) {
                mouseInside_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                TrackMouseEvent(&track);
                if (OnMouseEnter) OnMouseEnter();
            }
            break;
        case WM_MOUSELEAVE:
            mouseInside_ = false;
            if (OnMouseLeave) OnMouseLeave();
            break;
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
