// A WM_PAINT of a 200 × 120 skinned control (ReadSkinElement, the cut from the 24-bit cache, one copy to
// the window) against one BitBlt of a ready 200 × 120 DIB section to the same window, side by side.
#include <windows.h>

#include <cstdio>

#include "bench/win32/side_by_side.h"
#include "gui/drawing.h"
#include "skin/win32/form_skin.h"
#include "skin/win32/skin_control.h"

namespace {

using namespace huecast;

class Host : public gui::Window {
  public:
    Host() {
        Create({.className = "HuecastPaintBenchHost",
                .caption = "paint bench",
                .style = WS_POPUP | WS_VISIBLE,
                .x = 20,
                .y = 20,
                .width = 460,
                .height = 180});
        skin.Load(Handle(), GetModuleHandleA(nullptr));
    }
    ~Host() override { DestroyHandle(); }
    skin::FormSkin skin;
};

class GroupBox : public skin::TSkinCustomControl {
  public:
    explicit GroupBox(const skin::SkinControlArgs& args) { CreateControl("HuecastPaintBenchControl", args); }
    ~GroupBox() override { DestroyHandle(); }
};

// The same window path with nothing to compose: its WM_PAINT copies a ready DIB.
class ReadyPainter : public gui::Window {
  public:
    ReadyPainter(HWND parent, const gui::DibSection& ready) : ready_(ready) {
        Create({.className = "HuecastPaintBenchReady",
                .style = WS_CHILD | WS_VISIBLE,
                .x = 230,
                .y = 10,
                .width = 200,
                .height = 120,
                .parent = parent,
                .background = nullptr});
    }
    ~ReadyPainter() override { DestroyHandle(); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) return 1;
        if (message != WM_PAINT) return Window::HandleMessage(message, wParam, lParam);
        const gui::PaintScope paint(Handle());
        ready_.Draw(paint.Dc(), 0, 0);
        return 0;
    }

  private:
    const gui::DibSection& ready_;
};

}  // namespace

int main() {
    Host host;
    GroupBox box({.parent = host.Handle(),
                  .x = 10,
                  .y = 10,
                  .width = 200,
                  .height = 120,
                  .skinDataName = "groupbox",
                  .skinData = &host.skin.Data()});
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
    ReadyPainter painter(host.Handle(), ready);
    bench::SideBySide(
        "skinned control WM_PAINT", [&] { repaint(box.Handle()); }, "ready-DIB WM_PAINT",
        [&] { repaint(painter.Handle()); }, 31, 100);
    return 0;
}
