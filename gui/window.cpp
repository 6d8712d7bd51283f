#include "gui/window.h"

#include <stdexcept>

#include "gui/application.h"
#include "gui/control.h"

namespace huecast::gui {

void Window::Create(const WindowArgs& args) {
    WNDCLASSEXA wc{};
    if (!GetClassInfoExA(Application::Instance(), args.className, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = StaticWindowProc;
        wc.hInstance = Application::Instance();
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.hIcon = args.icon;
        wc.hIconSm = args.icon;
        wc.lpszClassName = args.className;
        if (!RegisterClassExA(&wc))
            throw std::runtime_error(std::string("Cannot register the window class ") + args.className);
    }
    HWND created =
        CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.x, args.y,
                        args.width, args.height, args.parent, nullptr, Application::Instance(), this);
    if (!created) throw std::runtime_error(std::string("Cannot create the window ") + args.className);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; ReflectToControl(message, wParam, lParam, result)) return result;
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(Handle(), message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->handle_.reset(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The system destroys the window now; the object must not destroy it again.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        (void)self->handle_.release();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        HandleEventException(std::current_exception());
        return 0;
    }
}

}  // namespace huecast::gui
