#include "tests/support/win32/host_window.h"

namespace huecast::testing {

TestHost::TestHost(const TestHostArgs& args) {
    if (args.background) background_.reset(CreateSolidBrush(*args.background));
    Create({.className = "HuecastTestHost",
            .caption = args.caption,
            .style = args.style,
            .exStyle = args.exStyle,
            .x = args.x,
            .y = args.y,
            .width = args.width,
            .height = args.height});
}

TestHost::~TestHost() {
    DestroyHandle();  // the windows on it go while the host's hooks still live
}

LRESULT TestHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (onMessage)
        if (const std::optional<LRESULT> reply = onMessage(message, wParam, lParam)) return *reply;
    if (message == WM_ERASEBKGND && background_) {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace huecast::testing
