// TAAPainterEx: draws one line of anti-aliased text with its effects on the canvas. This is what the text
// controls use: they set the canvas font and brush and copy a style's TAAEffect into Effect() before each
// line, then call TextOut.
//
//   AACanvas canvas{&bitmap, &rasterizer};
//   TAAPainterEx painter(&canvas);
//   painter.SetQuality(TAAQuality::aqHigh);
//   painter.Effect().Shadow().SetEnabled(true);
//   const Size box = painter.TextExtent(line);   // includes rotation and the shadow's offset
//   painter.TextOut(x, y, line);                 // fills exactly that box from (x, y)
//
// A line is drawn in this order: the mask is rendered (rotated by Effect().Angle()), then outlined,
// sprayed and mirrored as the effect says; the shadow is laid from a blurred copy of the mask; the mask is
// blurred; and the fill (texture, gradient, noisy colour or the font colour) is laid through it.
#pragma once

#include <string_view>

#include "aatext/aa_effect.h"
#include "aatext/aa_painter.h"
#include "base/random_source.h"

// <windows.h> defines TextOut as a macro for TextOutA. The painter's TextOut is its own name: the macro is
// dropped here, and TextOutA forwards for call sites that <windows.h>, included later, rewrites.
#ifdef TextOut
#undef TextOut
#endif

namespace huecast {

class TAAPainterEx : public TAAPainter {
  public:
    explicit TAAPainterEx(AACanvas* canvas);

    // Owned; created without a change callback (the owning control binds one).
    TAAEffect& Effect() { return effect_; }
    const TAAEffect& Effect() const { return effect_; }

    // The source of spray and noise; the process-wide generator unless set (not owned).
    void SetRandomSource(RandomSource& random) { random_ = &random; }

    // The size of `text` drawn with the effect: the rotated box, plus |OffsetX| × |OffsetY| with a shadow.
    Size TextExtent(std::string_view text) override;
    // Draws `text` with its box's top-left corner at (x, y). Nothing happens without a canvas or text.
    void TextOut(int x, int y, std::string_view text);
    void TextOutA(int x, int y, std::string_view text) { TextOut(x, y, text); }

    // The fills of Blend().ForeBmp(), sized to the mask (used by TextOut; public for callers that compose
    // their own lines).
    void GradualFill();
    void TextureFill();
    void NoisyFill(int noise);
    void AddNoise(int noise);

  private:
    TAAEffect effect_;
    RandomSource* random_;
};

}  // namespace huecast
