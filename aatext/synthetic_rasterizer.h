// SyntheticRasterizer: a GlyphRasterizer without a system behind it, for tests, benchmarks and tools. It
// lays glyphs out like a fixed-pitch double-byte font: a double-byte character (lead byte 0x81..0xFE) is a
// square cell of the font's pixel height, any other byte half as wide (or the font's width when set). It
// draws blocky shapes (a framed cross for double-byte characters, a ring for letters, a bar for the rest,
// nothing for blanks) in pure white, honouring the escapement, so masks and their effects can be checked
// and looked at exactly and reproducibly.
#pragma once

#include "aatext/glyph_rasterizer.h"

namespace huecast {

class SyntheticRasterizer : public GlyphRasterizer {
  public:
    Size TextExtent(const FontSpec& font, std::string_view text) override;
    std::unique_ptr<GlyphSurface> RenderText(const FontSpec& font, int width, int height, Point start,
                                             std::string_view text) override;
};

}  // namespace huecast
