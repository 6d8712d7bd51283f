// TAABlend: lays a colour or a foreground picture through a coverage mask onto the owner's canvas.
//
// Opacity a per pixel = (coverage × (Alpha × 256 div 100)) >> 8: a = 0 leaves the pixel, a = 255 replaces
// it exactly, otherwise each channel d becomes d + floor((s − d) × a / 256). With a solid canvas brush the
// mask's box is first filled with the brush colour; with a clear brush the text lies over what is there.
// The work is done in place on the canvas's rows, clipped to the canvas.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "base/bitmap.h"

namespace huecast {

class TAAPainter;
class TAAMask;

class EInvalidForeBmp : public std::runtime_error {
  public:
    EInvalidForeBmp() : std::runtime_error("Invalid foreground bitmap!") {}
};

class TAABlend {
  public:
    explicit TAABlend(const TAAPainter& owner);
    TAABlend(const TAABlend&) = delete;
    TAABlend& operator=(const TAABlend&) = delete;

    // Copies the foreground picture.
    void Assign(const TAABlend& source);

    // The picture BlendForeground lays through the mask: 24 bits, top-down, the mask's size.
    Bitmap& ForeBmp() { return foreBmp_; }
    const Bitmap& ForeBmp() const { return foreBmp_; }

    // Lays `color` (0x00BBGGRR or a system colour index) through `mask` at (x, y) with opacity `alpha`
    // percent (0..100; values beyond are taken as 100). Nothing happens without a canvas bitmap.
    void BlendColor(int x, int y, const TAAMask& mask, int alpha, std::uint32_t color);
    // Lays ForeBmp() through `mask` at (x, y). Throws EInvalidForeBmp, touching nothing, unless ForeBmp()
    // is 24 bits and exactly the mask's size.
    void BlendForeground(int x, int y, const TAAMask& mask, int alpha);

  private:
    const TAAPainter& owner_;
    Bitmap foreBmp_{0, 0, 24};
};

}  // namespace huecast
