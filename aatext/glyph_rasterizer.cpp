#include "aatext/glyph_rasterizer.h"

#include <iterator>

namespace huecast {

std::uint32_t ClassicSystemColor(int index) {
    // The classic Windows scheme, 0x00BBGGRR, indices 0 .. 30.
    static constexpr std::uint32_t kClassic[] = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
        0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
        0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
        0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xD77800, 0xC8D0D4};
    if (index < 0 || index >= static_cast<int>(std::size(kClassic))) return 0;
    return kClassic[index];
}

std::uint32_t GlyphRasterizer::SystemColor(int index) const {
    return ClassicSystemColor(index);
}

std::uint32_t ColorToRgb(std::uint32_t color, const GlyphRasterizer* rasterizer) {
    if ((color & 0xFF000000u) == 0x80000000u) {
        const int index = static_cast<int>(color & 0xFF);
        if (rasterizer) return rasterizer->SystemColor(index) & 0xFFFFFF;
        return ClassicSystemColor(index);
    }
    return color & 0xFFFFFF;
}

}  // namespace huecast
