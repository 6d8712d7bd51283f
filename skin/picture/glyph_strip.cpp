#include "skin/picture/glyph_strip.h"

#include <algorithm>
#include <cstring>

#include "skin/picture/glyph_layout.h"
#include "skin/format/picture_cache.h"

namespace huecast::skin {

GlyphStrip::GlyphStrip(const Bitmap& strip, int numGlyphs)
    : strip_(strip.Empty() ? Bitmap{} : To24Bits(strip)), numGlyphs_(std::clamp(numGlyphs, 1, kMaxGlyphs)) {}

Size GlyphStrip::CellSize() const {
    return GlyphCellSize(strip_.Width(), strip_.Height(), numGlyphs_);
}

void GlyphStrip::Draw(int index, Bitmap& to, Point at) const {
    const Size cell = CellSize();
    if (cell.cx <= 0 || to.BitsPerPixel() != 24) return;
    const int left = (std::clamp(index, 1, numGlyphs_) - 1) * cell.cx;
    // One key for every image: the strip's, not each cell's own corner.
    const std::uint8_t* key = strip_.Row(strip_.Height() - 1);
    for (int y = std::max(0, -at.y); y < cell.cy && at.y + y < to.Height(); ++y) {
        const std::uint8_t* src = strip_.Row(y) + 3 * static_cast<std::size_t>(left);
        std::uint8_t* dst = to.Row(at.y + y);
        for (int x = std::max(0, -at.x); x < cell.cx && at.x + x < to.Width(); ++x)
            if (std::memcmp(src + 3 * x, key, 3) != 0)
                std::memcpy(dst + 3 * static_cast<std::size_t>(at.x + x), src + 3 * x, 3);
    }
}

}  // namespace huecast::skin
