#include "skin/picture/picture_cut.h"

#include <cstring>
#include <stdexcept>

namespace huecast::skin {

namespace {

constexpr int kBytes = 3;

Rect Bounds(const Bitmap& b) {
    return {0, 0, b.Width(), b.Height()};
}

void Require24(const Bitmap& from, const Bitmap& to) {
    if (from.BitsPerPixel() != 24 || to.BitsPerPixel() != 24)
        throw std::invalid_argument("picture cut: source and target must be 24-bit bitmaps");
}

std::uint8_t* At(Bitmap& b, int x, int y) {
    return b.Row(y) + static_cast<std::size_t>(x) * kBytes;
}
const std::uint8_t* At(const Bitmap& b, int x, int y) {
    return b.Row(y) + static_cast<std::size_t>(x) * kBytes;
}

// Copies are clipped on the source side to `clip` (the element's rect) and the picture, on the target
// side to `limit` (the mapped size) and the target bitmap.
void Copy(const Bitmap& from, Rect source, Rect clip, Bitmap& to, Point at, Rect limit) {
    const Rect s = source.Intersect(clip).Intersect(Bounds(from));
    if (s.IsEmpty()) return;
    const Rect wanted = s.Offset(at.x - source.left, at.y - source.top);
    const Rect t = wanted.Intersect(Bounds(to)).Intersect(limit);
    if (t.IsEmpty()) return;
    const int sx = s.left + (t.left - wanted.left), sy = s.top + (t.top - wanted.top);
    const std::size_t bytes = static_cast<std::size_t>(t.Width()) * kBytes;
    for (int y = 0; y < t.Height(); ++y) std::memcpy(At(to, t.left, t.top + y), At(from, sx, sy + y), bytes);
}

// Fills one target row span [dst, dst + width) with the source row repeated, beginning `phase` pixels
// into the piece: one copy of the piece, then copies of what is already there, doubling each time.
void TileRow(const std::uint8_t* piece, int pieceWidth, int phase, std::uint8_t* dst, int width) {
    const int first = std::min(pieceWidth - phase, width);
    std::memcpy(dst, piece + static_cast<std::size_t>(phase) * kBytes, static_cast<std::size_t>(first) * kBytes);
    if (first == width) return;
    std::uint8_t* pattern = dst + static_cast<std::size_t>(first) * kBytes;
    const int rest = width - first;
    int done = std::min(pieceWidth, rest);
    std::memcpy(pattern, piece, static_cast<std::size_t>(done) * kBytes);
    while (done < rest) {
        const int n = std::min(done, rest - done);
        std::memcpy(pattern + static_cast<std::size_t>(done) * kBytes, pattern, static_cast<std::size_t>(n) * kBytes);
        done += n;
    }
}

void Tile(const Bitmap& from, Rect source, Rect clip, Bitmap& to, Rect target, Rect limit) {
    const Rect s = source.Intersect(clip).Intersect(Bounds(from));
    if (s.IsEmpty()) return;
    const Rect t = target.Intersect(Bounds(to)).Intersect(limit);
    if (t.IsEmpty()) return;
    const int pw = s.Width(), ph = s.Height();
    const int phase = (t.left - target.left) % pw;
    const std::size_t rowBytes = static_cast<std::size_t>(t.Width()) * kBytes;
    for (int y = t.top; y < t.bottom; ++y) {
        if (y - t.top >= ph) {
            // Rows repeat with the piece's height: copy the row one piece higher.
            std::memcpy(At(to, t.left, y), At(to, t.left, y - ph), rowBytes);
            continue;
        }
        const int sy = s.top + (y - target.top) % ph;
        TileRow(At(from, s.left, sy), pw, phase, At(to, t.left, y), t.Width());
    }
}

Rect Rel(Rect r, const Rect& origin) {
    return r.Offset(origin.left, origin.top);
}

void CutHorizontal(const Bitmap& from, Rect r, const SkinPieces& p, const PieceMapping& m, Bitmap& to) {
    const int w = m.size.cx, h = r.Height();
    const int right = r.Width() - p.rightTop.x;
    const Rect limit{0, 0, w, m.size.cy};
    Copy(from, Rel({0, 0, p.leftTop.x, h}, r), r, to, {0, 0}, limit);
    Copy(from, Rel({p.rightTop.x, 0, r.Width(), h}, r), r, to, {w - right, 0}, limit);
    Tile(from, Rel({p.leftTop.x, 0, p.rightTop.x, h}, r), r, to, {p.leftTop.x, 0, w - right, h}, limit);
}

void CutVertical(const Bitmap& from, Rect r, const SkinPieces& p, const PieceMapping& m, Bitmap& to) {
    const int w = r.Width(), h = m.size.cy;
    const int bottom = r.Height() - p.leftBottom.y;
    const Rect limit{0, 0, m.size.cx, h};
    Copy(from, Rel({0, 0, w, p.leftTop.y}, r), r, to, {0, 0}, limit);
    Copy(from, Rel({0, p.leftBottom.y, w, r.Height()}, r), r, to, {0, h - bottom}, limit);
    Tile(from, Rel({0, p.leftTop.y, w, p.leftBottom.y}, r), r, to, {0, p.leftTop.y, w, h - bottom}, limit);
}

void CutFree(const Bitmap& from, Rect r, const SkinPieces& p, const PieceMapping& m, Bitmap& to) {
    const int w = m.size.cx, h = m.size.cy, rw = r.Width(), rh = r.Height();
    const Point lt = p.leftTop, rt = p.rightTop, lb = p.leftBottom, rb = p.rightBottom;
    const Rect cl = p.clientRect;
    const Point nlt = m.leftTop, nrt = m.rightTop, nlb = m.leftBottom, nrb = m.rightBottom;
    const Rect ncl = m.clientRect;
    const Rect limit{0, 0, w, h};
    auto tile = [&](Rect source, Rect target) { Tile(from, Rel(source, r), r, to, target, limit); };
    auto copy = [&](Rect source, Rect target) {
        // A corner part whose target is empty (a control smaller than its corners) is left out.
        if (!target.IsEmpty()) Copy(from, Rel({source.left, source.top, source.left + target.Width(),
                                               source.top + target.Height()}, r), r, to, {target.left, target.top}, limit);
    };
    // Edge bands, each as thick as the matching side of the client rect.
    tile({lt.x, 0, rt.x, cl.top}, {nlt.x, 0, nrt.x, ncl.top});
    tile({lb.x, cl.bottom, rb.x, rh}, {nlb.x, ncl.bottom, nrb.x, h});
    tile({0, lt.y, cl.left, lb.y}, {0, nlt.y, ncl.left, nlb.y});
    tile({cl.right, rt.y, rw, rb.y}, {ncl.right, nrt.y, w, nrb.y});
    // Eight corner parts, copied unchanged.
    copy({0, 0, lt.x, cl.top}, {0, 0, nlt.x, ncl.top});
    copy({0, cl.top, cl.left, lt.y}, {0, ncl.top, ncl.left, nlt.y});
    copy({rt.x, 0, rw, cl.top}, {nrt.x, 0, w, ncl.top});
    copy({cl.right, cl.top, rw, rt.y}, {ncl.right, ncl.top, w, nrt.y});
    copy({0, lb.y, cl.left, rh}, {0, nlb.y, ncl.left, h});
    copy({cl.left, cl.bottom, lb.x, rh}, {ncl.left, ncl.bottom, nlb.x, h});
    copy({rb.x, cl.bottom, rw, rh}, {nrb.x, ncl.bottom, w, h});
    copy({cl.right, rb.y, rw, cl.bottom}, {ncl.right, nrb.y, w, ncl.bottom});
    tile(cl, ncl);
}

}  // namespace

void CopyPiece(const Bitmap& from, Rect source, Bitmap& to, Point at) {
    Require24(from, to);
    Copy(from, source, source, to, at, Bounds(to));
}

void TilePiece(const Bitmap& from, Rect source, Bitmap& to, Rect target) {
    Require24(from, to);
    Tile(from, source, source, to, target, target);
}

void CutPicture(const Bitmap& from, Rect source, const SkinPieces& pieces, const PieceMapping& mapping,
                Bitmap& to) {
    Require24(from, to);
    if (source.IsEmpty() || from.Empty() || to.Empty()) return;
    switch (pieces.mode) {
        case ResizeMode::None:
            return;
        case ResizeMode::Fixed:
            Copy(from, source, source, to, {0, 0}, {0, 0, mapping.size.cx, mapping.size.cy});
            return;
        case ResizeMode::Horizontal:
            CutHorizontal(from, source, pieces, mapping, to);
            return;
        case ResizeMode::Vertical:
            CutVertical(from, source, pieces, mapping, to);
            return;
        case ResizeMode::Free:
            CutFree(from, source, pieces, mapping, to);
            return;
    }
}

void CutNinePiece(const Bitmap& from, Rect r, Point leftTop, Point rightBottom, Bitmap& to, Rect target) {
    Require24(from, to);
    const int right = r.Width() - rightBottom.x, bottom = r.Height() - rightBottom.y;
    const int xs[4] = {0, leftTop.x, rightBottom.x, r.Width()};
    const int ys[4] = {0, leftTop.y, rightBottom.y, r.Height()};
    const int txs[4] = {target.left, target.left + leftTop.x, target.right - right, target.right};
    const int tys[4] = {target.top, target.top + leftTop.y, target.bottom - bottom, target.bottom};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
            // Every piece stays inside the target even when the corners are wider than it.
            Tile(from, Rel({xs[i], ys[j], xs[i + 1], ys[j + 1]}, r), r, to, {txs[i], tys[j], txs[i + 1], tys[j + 1]},
                 target);
        }
}

void CutHorizontalEnds(const Bitmap& from, Rect source, int leftOffset, int rightOffset, Bitmap& to,
                       Rect target) {
    CutNinePiece(from, source, {leftOffset, 0}, {source.Width() - rightOffset, source.Height()}, to, target);
}

void CutVerticalEnds(const Bitmap& from, Rect source, int topOffset, int bottomOffset, Bitmap& to,
                     Rect target) {
    CutNinePiece(from, source, {0, topOffset}, {source.Width(), source.Height() - bottomOffset}, to, target);
}

}  // namespace huecast::skin
