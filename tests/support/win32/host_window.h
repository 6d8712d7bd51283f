// A top-level window for the windows under test, of the program's window base: it passes notifications on
// to its controls and offers them the dialog keys, as the program's forms do.
//
//     TestHost host({.x = 100, .y = 100, .width = 400, .height = 300});
//     TSkinButton button({.parent = host.Handle(), ...});
//     host.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
//         if (message == WM_CLOSE) return 0;   // answered here
//         return std::nullopt;                 // handled as usual
//     };
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "gui/window.h"

namespace huecast::testing {

struct TestHostArgs {
    int x = 30, y = 30;
    int width = 420, height = 320;
    DWORD style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    std::string caption = "test host";
    // The client area's colour (0x00BBGGRR); the system's button face when none.
    std::optional<COLORREF> background;
};

class TestHost : public gui::Window {
  public:
    explicit TestHost(const TestHostArgs& args = {});
    ~TestHost() override;

    // Sees every message first: a reply ends its handling, nothing leaves it to the host.
    std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)> onMessage;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    gui::BrushHandle background_;
};

}  // namespace huecast::testing
