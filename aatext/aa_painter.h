// TAAPainter: draws anti-aliased text on one canvas. It owns the coverage mask and the compositor and gives
// them the canvas; TAAPainterEx (aatext/aa_painter_ex.h) adds the text effects and is what controls use.
#pragma once

#include <string_view>

#include "aatext/aa_blend.h"
#include "aatext/aa_canvas.h"
#include "aatext/aa_mask.h"

namespace huecast {

class TAAPainter {
  public:
    // `canvas` is not owned and may be null (then measuring gives (0, 0) and drawing does nothing).
    explicit TAAPainter(AACanvas* canvas);
    virtual ~TAAPainter() = default;
    TAAPainter(const TAAPainter&) = delete;
    TAAPainter& operator=(const TAAPainter&) = delete;

    AACanvas* Canvas() const { return canvas_; }
    void SetCanvas(AACanvas* canvas) { canvas_ = canvas; }

    TAAMask& Mask() { return mask_; }
    const TAAMask& Mask() const { return mask_; }
    TAABlend& Blend() { return blend_; }
    const TAABlend& Blend() const { return blend_; }

    TAAQuality Quality() const { return mask_.Quality(); }
    void SetQuality(TAAQuality quality) { mask_.SetQuality(quality); }

    // The pixel size of `text` in the canvas font; TAAPainterEx adds rotation and the shadow's offset.
    virtual Size TextExtent(std::string_view text);
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }

  private:
    AACanvas* canvas_;
    TAAMask mask_;
    TAABlend blend_;
};

}  // namespace huecast
