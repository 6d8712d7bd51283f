// GdiRasterizer: the glyph rasterizer on GDI. Measuring selects the font into a screen device context and
// takes the 8-bit text extent; drawing puts white text on an all-black 8-bit DIB section whose colour table
// is the grey palette (so a pixel's index is its grey level), with the work bitmap's own copy of that
// palette selected, and hands the section's memory to the core without copying it.
#pragma once

#include <windows.h>

#include "aatext/glyph_rasterizer.h"

namespace huecast {

class GdiRasterizer final : public GlyphRasterizer {
  public:
    Size TextExtent(const FontSpec& font, std::string_view text) override;
    std::unique_ptr<GlyphSurface> RenderText(const FontSpec& font, int width, int height, Point start,
                                             std::string_view text) override;
    std::uint32_t SystemColor(int index) const override;
};

// The logical font of a FontSpec, ready for CreateFontIndirectA.
LOGFONTA ToLogFont(const FontSpec& font);

// The process-wide grey palette: 256 entries, entry i = (i, i, i). Created on first use, deleted at exit.
HPALETTE GreyPalette();

}  // namespace huecast
