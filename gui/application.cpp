#include "gui/application.h"

#include <utility>

namespace huecast::gui {

namespace {

EventExceptionHandler& CurrentHandler() {
    static EventExceptionHandler handler;
    return handler;
}

std::string& TitleStorage() {
    static std::string title;
    return title;
}

void DefaultEventExceptionHandler(std::exception_ptr error) {
    std::string text = "Unknown error";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
    }
    MessageBoxA(nullptr, text.c_str(), TitleStorage().c_str(), MB_OK | MB_ICONERROR);
}

bool IsDialogMessageForActive(MSG& msg) {
    // Tab and the arrow keys move between the controls of the active top-level window.
    HWND active = GetActiveWindow();
    return active && IsDialogMessageA(active, &msg);
}

}  // namespace

EventExceptionHandler SetEventExceptionHandler(EventExceptionHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

void HandleEventException(std::exception_ptr error) {
    const EventExceptionHandler& handler = CurrentHandler();
    if (handler)
        handler(error);
    else
        DefaultEventExceptionHandler(error);
}

HINSTANCE Application::Instance() {
    return GetModuleHandleA(nullptr);
}

void Application::SetTitle(const std::string& title) {
    TitleStorage() = title;
}

const std::string& Application::Title() {
    return TitleStorage();
}

int Application::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageForActive(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace huecast::gui
