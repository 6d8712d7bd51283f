// One morph step of a 95 × 20 skinned button against a BitBlt of a ready 95 × 20 DIB to the same window,
// side by side. A step is what the 20 ms morph timer causes: the paint composes the push morph of the
// button's two looks (cut once, caption included) and copies the result to the window.
#include <windows.h>

#include <cstdio>

#include "bench/win32/side_by_side.h"
#include "gui/drawing.h"
#include "skin/win32/form_skin.h"
#include "skin/win32/skin_button.h"

int main() {
    using namespace huecast;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HuecastMorphBenchHost";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, wc.lpszClassName, "bench", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100,
                                nullptr, nullptr, wc.hInstance, nullptr);
    skin::FormSkin skin;
    skin.Load(host, GetModuleHandleA(nullptr));
    skin::TSkinButton button({.parent = host,
                              .id = 1,
                              .x = 10,
                              .y = 10,
                              .width = 95,
                              .height = 20,
                              .caption = "Copy(&C)",
                              .skinData = &skin.Data(),
                              .useSkinFont = false});
    // Hover until the morph is under way, then hold it there: no timer message is dispatched while timing.
    RECT r;
    GetWindowRect(button.Handle(), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    for (int i = 0; i < 200 && !(button.MorphFactor() > 0.2 && button.MorphFactor() < 0.8); ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(5);
    }
    std::printf("morph factor held at %.1f\n", button.MorphFactor());

    gui::DibSection ready(95, 20);
    const gui::WindowDC dc(button.Handle());
    // The step's own work (compose and copy into the window's DC), then the same through the system's
    // invalidate-and-paint round, which Wine makes costly for any window.
    const double ratio = bench::SideBySide(
        "morph step (compose + copy)",
        [&] {
            SendMessageA(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                         PRF_CLIENT);
        },
        "BitBlt of a ready DIB", [&] { ready.Draw(dc, 0, 0); }, 15, 200);
    std::printf("goal: at most 4x; %s\n\n", ratio <= 4 ? "met" : "NOT met");
    bench::SideBySide(
        "morph step (RedrawWindow)",
        [&] { RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); },
        "BitBlt of a ready DIB", [&] { ready.Draw(dc, 0, 0); }, 15, 200);
    DestroyWindow(host);
    return 0;
}
