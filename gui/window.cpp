#include "gui/window.h"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

#include "gui/application.h"

namespace huecast::gui {

namespace {

constexpr UINT_PTR kSubclassId = 0x48554543;  // "HUEC"
// The window property that leads from a window to its object, for our classes and subclassed ones alike.
constexpr const char* kWindowProperty = "HuecastWindow";

HWND NotifyingChild(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        case WM_DRAWITEM:
            return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        default:
            return nullptr;
    }
}

// The dialog manager's IDOK / IDCANCEL for an Enter / Escape being pressed (a menu command of the same
// number comes with no such key down): the key, or 0.
UINT DialogKeyOf(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) != 0 || (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) return 0;
    const UINT key = LOWORD(wParam) == IDOK ? VK_RETURN : LOWORD(wParam) == IDCANCEL ? VK_ESCAPE : 0;
    return key && GetKeyState(static_cast<int>(key)) < 0 ? key : 0;
}

struct DialogKeyOffer {
    UINT key;
    bool taken = false;
};

BOOL CALLBACK OfferDialogKey(HWND child, LPARAM data) {
    auto& offer = *reinterpret_cast<DialogKeyOffer*>(data);
    Window* control = Window::FromHandle(child);
    offer.taken = control && control->DialogKey(offer.key);
    return !offer.taken;  // FALSE ends the walk
}

HMENU ChildId(const WindowArgs& args) {
    return (args.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)) : nullptr;
}

}  // namespace

Window::~Window() {
    // The derived parts are gone: unbind first, so the messages of the destruction reach only the default
    // procedure (or the system class's own).
    HWND window = std::exchange(handle_, nullptr);
    if (!window || !IsWindow(window)) return;
    RemovePropA(window, kWindowProperty);
    if (subclassed_) RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    DestroyWindow(window);
}

void Window::DestroyHandle() {
    // Still bound: HandleMessage sees WM_DESTROY, and WM_NCDESTROY forgets the handle.
    if (handle_ && IsWindow(handle_)) DestroyWindow(handle_);
    handle_ = nullptr;
}

void Window::Bind(HWND window) {
    handle_ = window;
    SetPropA(window, kWindowProperty, this);
}

void Window::Forget(HWND window) {
    RemovePropA(window, kWindowProperty);
    if (subclassed_) RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    handle_ = nullptr;
}

void Window::Create(const WindowArgs& args) {
    HINSTANCE instance = Application::Instance();
    WNDCLASSEXA wc{};
    if (!GetClassInfoExA(instance, args.className, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.style = args.classStyle;
        wc.lpfnWndProc = StaticWindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = args.background;
        wc.hIcon = args.icon;
        wc.hIconSm = args.icon;
        wc.lpszClassName = args.className;
        if (!RegisterClassExA(&wc))
            throw std::runtime_error(std::string("Cannot register the window class ") + args.className);
    }
    HWND created = CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.x, args.y,
                                   args.width, args.height, args.parent, ChildId(args), instance, this);
    if (!created) throw std::runtime_error(std::string("Cannot create the window ") + args.className);
    if (args.font) SetFont(args.font);
}

void Window::CreateSubclassed(const WindowArgs& args) {
    HWND created = CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.x, args.y,
                                   args.width, args.height, args.parent, ChildId(args), Application::Instance(),
                                   nullptr);
    if (!created) throw std::runtime_error(std::string("Cannot create a control of class ") + args.className);
    subclassed_ = true;
    Bind(created);
    SetWindowSubclass(created, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetFont(args.font ? args.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

Window* Window::FromHandle(HWND window) {
    if (!window || !IsWindow(window)) return nullptr;
    // Only windows of this process carry our pointer.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return nullptr;
    return static_cast<Window*>(GetPropA(window, kWindowProperty));
}

std::string Window::Text() const {
    // The length may count characters rather than bytes (a window that holds Unicode text); a double-byte
    // character takes two bytes.
    const int capacity = GetWindowTextLengthA(Handle()) * 2 + 1;
    std::string text(static_cast<std::size_t>(capacity), '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(Handle(), text.data(), capacity)));
    return text;
}

void Window::SetText(const std::string& text) {
    SetWindowTextA(Handle(), text.c_str());
}

std::wstring Window::WideText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void Window::SetWideText(const std::wstring& text) {
    SetWindowTextW(Handle(), text.c_str());
}

bool Window::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!mouseInside_) {
                mouseInside_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                TrackMouseEvent(&track);
                MouseEnter();
            }
            break;
        case WM_MOUSELEAVE:
            if (mouseInside_) {
                mouseInside_ = false;
                MouseLeave();
            }
            break;
        case WM_CAPTURECHANGED:
            CaptureLost();
            // Leave tracking does not survive a capture: the pointer may have left while it was held.
            if (mouseInside_) {
                POINT cursor{};
                RECT bounds{};
                GetCursorPos(&cursor);
                GetWindowRect(Handle(), &bounds);
                if (!PtInRect(&bounds, cursor) || WindowFromPoint(cursor) != Handle()) {
                    mouseInside_ = false;
                    MouseLeave();
                } else {
                    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                    TrackMouseEvent(&track);
                }
            }
            break;
        case WM_SETFOCUS:
            FocusChanged(true);
            break;
        case WM_KILLFOCUS:
            FocusChanged(false);
            break;
        case WM_TIMER:
            TimerTick(wParam);
            // A system control runs timers of its own: they go on to it.
            if (!subclassed_) return 0;
            break;
        case WM_COMMAND:
            if (LRESULT result = 0; ReflectToControl(message, wParam, lParam, result)) return result;
            if (DialogKeyOffer offer{DialogKeyOf(Handle(), wParam)}; offer.key) {
                EnumChildWindows(Handle(), OfferDialogKey, reinterpret_cast<LPARAM>(&offer));
                if (offer.taken) return 0;
            }
            break;
        default:
            if (LRESULT result = 0; ReflectToControl(message, wParam, lParam, result)) return result;
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return subclassed_ ? DefSubclassProc(Handle(), message, wParam, lParam)
                       : DefWindowProcA(Handle(), message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(message, wParam, lParam);
    } catch (...) {
        HandleEventException(std::current_exception());
        return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT CALLBACK Window::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) self->Bind(window);
    }
    Window* self = FromHandle(window);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The system destroys the window now; the object must not destroy it again.
        self->Forget(window);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
    auto* self = reinterpret_cast<Window*>(data);
    if (message == WM_NCDESTROY) {
        self->Forget(window);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return self->Dispatch(message, wParam, lParam);
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)wParam;
    Window* window = Window::FromHandle(NotifyingChild(message, lParam));
    return window && window->Reflect(message, wParam, lParam, result);
}

}  // namespace huecast::gui
