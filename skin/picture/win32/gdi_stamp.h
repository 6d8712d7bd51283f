// Something GDI draws (a caption text, an icon) captured once with its transparency, then laid over
// core pixels as often as needed without GDI: drawn once on black and once on white, each pixel is
// black + (white − black) × what lies beneath / 255, which is exact for opaque, transparent and
// anti-aliased pixels alike. A frame repaints often and its caption and icon rarely change.
#pragma once

#include <windows.h>

#include <functional>

#include "base/bitmap.h"
#include "base/geometry.h"

namespace huecast::skin {

class GdiStamp {
  public:
    GdiStamp() = default;
    // `draw` paints into a DC of `size` (with its font and colours already chosen by `draw`).
    GdiStamp(Size size, const std::function<void(HDC)>& draw);

    Size GetSize() const { return {black_.Width(), black_.Height()}; }
    // Lays the stamp over `to` (24-bit) with its top-left corner at `at`, only inside `clip`.
    void Apply(Bitmap& to, Point at, const Rect& clip) const;

  private:
    Bitmap black_{0, 0, 24}, white_{0, 0, 24};
};

}  // namespace huecast::skin
