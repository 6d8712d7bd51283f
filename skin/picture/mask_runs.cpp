#include "skin/picture/mask_runs.h"

#include <cstring>

#include "skin/picture/picture_cut.h"

namespace huecast::skin {

namespace {

bool Black(const std::uint8_t* p) {
    return (p[0] | p[1] | p[2]) == 0;
}

// A control smaller than its corner pieces: the mapped pieces overlap.
bool SmallerThanCorners(const SkinPieces& p, const PieceMapping& m) {
    switch (p.mode) {
        case ResizeMode::Horizontal:
            return m.rightTop.x < p.leftTop.x;
        case ResizeMode::Vertical:
            return m.leftBottom.y < p.leftTop.y;
        case ResizeMode::Free:
            return m.rightTop.x < p.leftTop.x || m.rightBottom.x < p.leftBottom.x ||
                   m.leftBottom.y < p.leftTop.y || m.rightBottom.y < p.rightTop.y;
        default:
            return false;
    }
}

}  // namespace

std::vector<Rect> MaskRuns(const Bitmap& mask) {
    std::vector<Rect> runs;
    if (mask.Empty() || mask.BitsPerPixel() != 24) return runs;
    for (int y = 0; y < mask.Height(); ++y) {
        const std::uint8_t* row = mask.Row(y);
        int x = 0;
        while (x < mask.Width()) {
            while (x < mask.Width() && !Black(row + 3 * x)) ++x;
            const int start = x;
            while (x < mask.Width() && Black(row + 3 * x)) ++x;
            if (x > start) runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

std::optional<std::vector<Rect>> ShapeRuns(const Bitmap& mask, Rect source, const SkinPieces& pieces,
                                           const PieceMapping& mapping) {
    if (pieces.mode == ResizeMode::None || mask.Empty() || mask.BitsPerPixel() != 24) return std::nullopt;
    if (mapping.size.cx <= 0 || mapping.size.cy <= 0 || SmallerThanCorners(pieces, mapping)) return std::nullopt;
    // Pixels that no piece reaches stay white, outside.
    Bitmap cut(mapping.size.cx, mapping.size.cy, 24);
    std::memset(cut.Bytes().data(), 0xFF, cut.Bytes().size());
    CutPicture(mask, source, pieces, mapping, cut);
    std::vector<Rect> runs = MaskRuns(cut);
    if (pieces.mode != ResizeMode::Fixed) {
        const Rect client = mapping.clientRect.Intersect({0, 0, mapping.size.cx, mapping.size.cy});
        if (!client.IsEmpty()) runs.push_back(client);
    }
    return runs;
}

}  // namespace huecast::skin
