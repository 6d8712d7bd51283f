#include "gui/control.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "gui/application.h"

namespace huecast::gui {

namespace {

constexpr UINT_PTR kSubclassId = 0x48554543;  // "HUEC"
// The window property that leads from a control's window to its object.
constexpr const char* kControlProperty = "HuecastControl";

HWND NotifyingChild(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<HWND>(lParam);
        case WM_DRAWITEM:
            return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        default:
            return nullptr;
    }
}

}  // namespace

Control::~Control() {
    if (IsWindow(handle_)) {
        RemoveWindowSubclass(handle_, SubclassProc, kSubclassId);
        RemovePropA(handle_, kControlProperty);
        DestroyWindow(handle_);
    }
}

void Control::CreateChild(const char* className, const ControlArgs& args) {
    handle_ = CreateWindowExA(args.exStyle, className, args.text.c_str(), WS_CHILD | WS_VISIBLE | args.style,
                              args.x, args.y, args.width, args.height, args.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), Application::Instance(),
                              nullptr);
    if (!handle_) throw std::runtime_error(std::string("Cannot create a control of class ") + className);
    SetPropA(handle_, kControlProperty, this);
    SetWindowSubclass(handle_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

std::string Control::Text() const {
    // The length may count characters rather than bytes (a window that holds Unicode text); a double-byte
    // character takes two bytes.
    const int capacity = GetWindowTextLengthA(handle_) * 2 + 1;
    std::string text(static_cast<std::size_t>(capacity), '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(handle_, text.data(), capacity)));
    return text;
}

void Control::SetText(const std::string& text) {
    SetWindowTextA(handle_, text.c_str());
}

bool Control::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Control::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && onKeyDown) onKeyDown(wParam);
    if (message == WM_GETDLGCODE && onKeyDown) {
        // A control that listens to keys gets Enter too, instead of the dialog manager; Tab still moves on.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            return PassOn(message, wParam, lParam) | DLGC_WANTALLKEYS;
    }
    // A container passes its children's notifications back to them.
    if (LRESULT result = 0; ReflectToControl(message, wParam, lParam, result)) return result;
    return PassOn(message, wParam, lParam);
}

LRESULT Control::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) {
    try {
        return reinterpret_cast<Control*>(self)->HandleOwnMessage(message, wParam, lParam);
    } catch (...) {
        HandleEventException(std::current_exception());
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

Control* ControlFromHandle(HWND window) {
    if (!window || !IsWindow(window)) return nullptr;
    // Only windows of this process carry our pointer.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return nullptr;
    return static_cast<Control*>(GetPropA(window, kControlProperty));
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Control* control = ControlFromHandle(NotifyingChild(message, wParam, lParam));
    return control && control->Reflect(message, wParam, lParam, result);
}

}  // namespace huecast::gui
