// An off-screen 24-bit picture that is both a Bitmap (for the skin's picture cutters) and a device
// context (for GDI text): the drawing kit's DibSection selected into a memory DC.
#pragma once

#include <windows.h>

#include "gui/drawing.h"

namespace huecast::skin {

class OffscreenDib {
  public:
    OffscreenDib(int width, int height) : section_(width, height), selected_(dc_, section_.Handle()) {}

    Bitmap& Pixels() {
        GdiFlush();  // GDI may still be drawing into the section
        return section_.Pixels();
    }
    HDC Dc() const { return dc_; }
    void CopyTo(HDC target, int x = 0, int y = 0) const {
        GdiFlush();
        BitBlt(target, x, y, section_.Width(), section_.Height(), dc_, 0, 0, SRCCOPY);
    }

  private:
    gui::DibSection section_;
    gui::MemoryDC dc_;
    gui::SelectedObject selected_;
};

}  // namespace huecast::skin
