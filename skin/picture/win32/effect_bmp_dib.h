// TEffectBmp on a DIB section: the Win32 side of the skin engine's bitmap effects. The section's memory is
// the effect bitmap's pixels, so an operation's result is drawn with one block copy and no conversion.
#pragma once

#include <windows.h>

#include <memory>

#include "gui/drawing.h"
#include "skin/picture/effect_bmp.h"

namespace huecast::skin {

class EffectBmpDib {
  public:
    // A black width × height section.
    EffectBmpDib(int width, int height);
    // The pixels of `source` (any depth), converted to 24 bits through a display device context.
    static std::unique_ptr<EffectBmpDib> FromBitmap(HBITMAP source);

    EffectBmpDib(const EffectBmpDib&) = delete;
    EffectBmpDib& operator=(const EffectBmpDib&) = delete;

    TEffectBmp& Bmp() { return bmp_; }
    const TEffectBmp& Bmp() const { return bmp_; }
    HBITMAP Handle() const { return section_.Handle(); }

    // Copies all rows unchanged to (x, y) of `dc`.
    void Draw(HDC dc, int x, int y) const { section_.Draw(dc, x, y); }

    // Takes over a 24-bit top-down section.
    explicit EffectBmpDib(gui::DibSection section);

  private:
    gui::DibSection section_;
    TEffectBmp bmp_;
};

}  // namespace huecast::skin
