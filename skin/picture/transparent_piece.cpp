#include "skin/picture/transparent_piece.h"

#include <cstring>

namespace huecast::skin {

void CopyTransparentPiece(const Bitmap& from, Rect source, Bitmap& to, Point at) {
    if (from.BitsPerPixel() != 24 || to.BitsPerPixel() != 24) return;
    const Rect s = source.Intersect({0, 0, from.Width(), from.Height()});
    if (s.IsEmpty() || s != source) return;  // a key pixel outside the picture says nothing
    const std::uint8_t* key = from.Row(source.bottom - 1) + 3 * static_cast<std::size_t>(source.left);
    for (int y = 0; y < s.Height(); ++y) {
        const int ty = at.y + y;
        if (ty < 0 || ty >= to.Height()) continue;
        const std::uint8_t* src = from.Row(s.top + y) + 3 * static_cast<std::size_t>(s.left);
        std::uint8_t* dst = to.Row(ty);
        for (int x = 0; x < s.Width(); ++x) {
            const int tx = at.x + x;
            if (tx < 0 || tx >= to.Width() || std::memcmp(src + 3 * x, key, 3) == 0) continue;
            std::memcpy(dst + 3 * tx, src + 3 * x, 3);
        }
    }
}

}  // namespace huecast::skin
