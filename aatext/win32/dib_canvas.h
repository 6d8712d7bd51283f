// DibCanvas: an AACanvas whose target is a 24-bit top-down DIB section, so a control can let the painter
// draw into memory that GDI can block-copy to the screen without conversion. It owns the section and a
// GDI rasterizer; the font and brush are the canvas's, set by the control before each line.
//
//   DibCanvas surface(width, height);
//   TAAPainterEx painter(&surface.Canvas());
//   painter.TextOut(0, 0, line);
//   surface.Draw(dc, x, y);
#pragma once

#include <windows.h>

#include "aatext/aa_canvas.h"
#include "aatext/win32/gdi_rasterizer.h"
#include "gui/drawing.h"

namespace huecast {

class DibCanvas {
  public:
    DibCanvas() { canvas_.rasterizer = &rasterizer_; }
    DibCanvas(int width, int height) : DibCanvas() { Resize(width, height); }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    // A new black section of this size (the old pixels are dropped); an empty size leaves no section.
    void Resize(int width, int height);

    AACanvas& Canvas() { return canvas_; }
    Bitmap& Pixels() { return section_.Pixels(); }
    HBITMAP Handle() const { return section_.Handle(); }

    // Copies the whole section to (x, y) of `dc`.
    void Draw(HDC dc, int x, int y) const { section_.Draw(dc, x, y); }

  private:
    gui::DibSection section_;
    GdiRasterizer rasterizer_;
    AACanvas canvas_;
};

}  // namespace huecast
