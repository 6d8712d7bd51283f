// A window whose paint only copies a ready DIB: the system's paint path with nothing to compose, to tell the
// system's share of a figure from the control's.
#pragma once

#include <windows.h>

#include "gui/drawing.h"
#include "gui/window.h"

namespace huecast::bench {

// A child at (x, y) of the ready DIB's size whose WM_PAINT copies that DIB.
class ReadyPainter : public gui::Window {
  public:
    ReadyPainter(HWND parent, const gui::DibSection& ready, int x, int y) : ready_(ready) {
        Create({.className = "HuecastBenchReadyPainter",
                .style = WS_CHILD | WS_VISIBLE,
                .x = x,
                .y = y,
                .width = ready.Width(),
                .height = ready.Height(),
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

}  // namespace huecast::bench
