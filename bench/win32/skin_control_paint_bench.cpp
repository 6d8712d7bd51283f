// A WM_PAINT of a 200 × 120 skinned control (ReadSkinElement, the cut from the 24-bit cache, one copy to
// the window) against one BitBlt of a ready 200 × 120 DIB section to the same window, side by side.
#include <windows.h>

#include <cstdio>

#include "bench/win32/ready_painter.h"
#include "bench/win32/side_by_side.h"
#include "tests/support/win32/skinned_host.h"
#include "skin/controls/win32/control.h"

namespace {

using namespace huecast;

class GroupBox : public skin::TSkinCustomControl {
  public:
    explicit GroupBox(const skin::SkinControlArgs& args) { CreateControl("HuecastPaintBenchControl", args); }
    ~GroupBox() override { DestroyHandle(); }
};

}  // namespace

int main() {
    testing::SkinnedHost host(
        {.x = 20, .y = 20, .width = 460, .height = 180, .style = WS_POPUP | WS_VISIBLE});
    GroupBox box({.parent = host.Handle(),
                  .x = 10,
                  .y = 10,
                  .width = 200,
                  .height = 120,
                  .skinDataName = "groupbox",
                  .skinData = &host.Skin()});
    gui::DibSection ready(200, 120);
    const gui::WindowDC dc(box.Handle());
    // A window repainted through the system's invalidation, as a user's change repaints it.
    const auto repaint = [](HWND window) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        GdiFlush();
    };
    const auto blitReady = [&] {
        ready.Draw(dc, 0, 0);
        GdiFlush();
    };
    std::printf("WM_PAINT of a 200 x 120 skinned control (groupbox, free mode)\n");
    bench::SideBySide(
        "skinned control WM_PAINT", [&] { repaint(box.Handle()); }, "BitBlt of a ready DIB", blitReady, 31,
        100);
    std::printf(
        "goal: at most 3.00\n\nthe same paint without the system's invalidation (WM_PRINTCLIENT into the "
        "window's DC)\n");
    bench::SideBySide(
        "skinned control paint",
        [&] {
            SendMessageA(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                         PRF_CLIENT);
            GdiFlush();
        },
        "BitBlt of a ready DIB", blitReady, 31, 100);
    std::printf(
        "\nboth through the system's invalidation: the skinned WM_PAINT against a WM_PAINT that copies a "
        "ready DIB\n");
    bench::ReadyPainter painter(host.Handle(), ready, 230, 10);
    bench::SideBySide(
        "skinned control WM_PAINT", [&] { repaint(box.Handle()); }, "ready-DIB WM_PAINT",
        [&] { repaint(painter.Handle()); }, 31, 100);
    return 0;
}
