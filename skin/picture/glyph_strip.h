// A button's glyph: a strip of `NumGlyphs` equal-width images side by side (1 normal, 2 disabled, 3 down,
// 4 hot), each drawn without the strip's transparent colour, the colour of its bottom-left pixel.
//
//     GlyphStrip glyph(LoadedBitmap(), 4);
//     const Size cell = glyph.CellSize();          // for the glyph-and-text layout
//     glyph.Draw(ButtonGlyphIndex(4, enabled, active, down), look, placement.glyph);
#pragma once

#include "base/bitmap.h"
#include "base/geometry.h"

namespace huecast::skin {

class GlyphStrip {
  public:
    static constexpr int kMaxGlyphs = 4;

    GlyphStrip() = default;
    // Any bit depth the core reads; kept at 24 bits. `numGlyphs` is clamped to 1..4.
    GlyphStrip(const Bitmap& strip, int numGlyphs);

    bool Empty() const { return strip_.Empty(); }
    int NumGlyphs() const { return numGlyphs_; }
    // One image's size; 0 × 0 without a strip.
    Size CellSize() const;
    // Draws image `index` (from 1; clamped to the strip) with its top-left corner at `at` of `to`, a 24-bit
    // bitmap, clipped to it.
    void Draw(int index, Bitmap& to, Point at) const;

  private:
    Bitmap strip_;
    int numGlyphs_ = 1;
};

}  // namespace huecast::skin
