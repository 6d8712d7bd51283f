// The target of anti-aliased text: a 24 or 32-bit bitmap (often a view on a DIB section the Win32 layer
// owns), the current font and brush, and the rasterizer that measures and draws glyphs. The painter reads
// the font and brush from here, so a caller changes them between lines as it would on a device context.
#pragma once

#include <cstdint>

#include "aatext/glyph_rasterizer.h"
#include "base/bitmap.h"

namespace huecast {

struct Brush {
    enum class Style : std::uint8_t { Solid, Clear };
    Style style = Style::Solid;
    std::uint32_t color = 0xFFFFFF;  // 0x00BBGGRR or a system colour index
};

struct AACanvas {
    Bitmap* target = nullptr;               // not owned; 24 or 32 bits per pixel; null: measure only
    GlyphRasterizer* rasterizer = nullptr;  // not owned; null: nothing can be measured or drawn
    FontSpec font;
    Brush brush;
};

}  // namespace huecast
