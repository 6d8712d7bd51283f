// The windows the skinned-control benchmarks share: a host wearing the built-in skin, and a window whose
// paint only copies a ready DIB (the system's paint path with nothing to compose, to tell the system's
// share of a figure from the control's).
#pragma once

#include <windows.h>

#include "gui/drawing.h"
#include "gui/window.h"
#include "skin/format/win32/form_skin.h"

namespace huecast::bench {

// A visible top-level pop-up at (20, 20) with the built-in skin loaded from the benchmark's resources.
class SkinnedHost : public gui::Window {
  public:
    SkinnedHost(const char* className, int width, int height) {
        Create({.className = className,
                .caption = className,
                .style = WS_POPUP | WS_VISIBLE,
                .x = 20,
                .y = 20,
                .width = width,
                .height = height});
        skin.Load(Handle(), GetModuleHandleA(nullptr));
    }
    ~SkinnedHost() override { DestroyHandle(); }
    skin::FormSkin skin;
};

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
