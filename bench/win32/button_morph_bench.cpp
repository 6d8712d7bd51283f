// One morph step of a 95 × 20 skinned button against a BitBlt of a ready 95 × 20 DIB to the same window,
// side by side. A step is what the 20 ms morph timer causes: the paint composes the push morph of the
// button's two looks (cut once per size and state, caption included) in the button's kept DIB and copies
// the result to the window in one BitBlt.
//
// Three figures: the step's own work (compose and copy into the window's DC) against the BitBlt, which is
// the goal; the same step through the system's invalidate-and-paint round against the BitBlt; and that
// round against the same round of a window whose paint only copies a ready DIB, which tells how much of
// the second figure is the system's round rather than the button's work.
#include <windows.h>

#include <cstdio>

#include "bench/win32/ready_painter.h"
#include "bench/win32/side_by_side.h"
#include "skin/controls/win32/button.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/skinned_host.h"

namespace {

using namespace huecast;

void PaintRound(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
}

}  // namespace

int main() {
    testing::SkinnedHost host(
        {.x = 20, .y = 20, .width = 240, .height = 100, .style = WS_POPUP | WS_VISIBLE});
    skin::TSkinButton button({.parent = host.Handle(),
                              .id = 1,
                              .x = 10,
                              .y = 10,
                              .width = 95,
                              .height = 20,
                              .caption = "Copy(&C)",
                              .skinData = &host.Skin(),
                              .useSkinFont = false});
    // Hover until the morph is under way, then hold it there: no timer message is dispatched while timing.
    testing::HoverOver(button.Handle());
    testing::PumpUntil([&] { return button.MorphFactor() > 0.2 && button.MorphFactor() < 0.8; }, 1000);
    const double k = button.MorphFactor();
    std::printf("95 x 20 button, morph factor held at %.1f (%s)\n", k,
                k > 0 && k < 1 ? "mid-morph" : "NOT mid-morph");

    gui::DibSection ready(95, 20);
    const gui::WindowDC dc(button.Handle());
    const auto blit = [&] {
        ready.Draw(dc, 0, 0);
        GdiFlush();
    };
    const double ratio = bench::SideBySide(
        "morph step (compose + copy)",
        [&] {
            SendMessageA(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                         PRF_CLIENT);
            GdiFlush();
        },
        "BitBlt of a ready DIB", blit, 31, 200);
    std::printf("goal: at most 4x; %s\n\n", ratio <= 4 ? "met" : "NOT met");

    bench::SideBySide(
        "morph step (RedrawWindow)", [&] { PaintRound(button.Handle()); }, "BitBlt of a ready DIB", blit, 31,
        200);
    std::printf("\n");
    const bench::ReadyPainter painter(host.Handle(), ready, 120, 10);
    bench::SideBySide(
        "morph step (RedrawWindow)", [&] { PaintRound(button.Handle()); }, "ready-DIB paint (RedrawWindow)",
        [&] { PaintRound(painter.Handle()); }, 31, 200);
    return 0;
}
