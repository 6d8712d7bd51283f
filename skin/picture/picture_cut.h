// Cutting an element's picture to a control's size: corner pieces copied 1:1, edge and client pieces
// tiled from their start, never stretched, the last tile cut at the end of its span, so a skin's texture
// keeps its pixel pattern at every size.
//
// Usage:
//     const Bitmap* picture = skinData.ActivePicture24(d.pictureIndex);  // 24 bits, see picture_cache.h
//     PieceMapping m = FitToSkin(pieces, {width, height});
//     Bitmap look(m.size.cx, m.size.cy, 24);                           // or a DIB section's view
//     CutPicture(*picture, d.skinRect, pieces, m, look);               // or d.activeSkinRect, same size
//     CutHorizontalEnds(*picture, item, leftOffset, rightOffset, look, itemTarget);   // list items, thumbs
//     CutNinePiece(*picture, source, leftTop, rightBottom, look, target);             // generic nine pieces
//
// Source and target are 24-bit bitmaps (any row order). The skin is untrusted: every copy is clipped to
// the source rect, the source picture and the target; a piece of length 0 is skipped; nothing divides by
// zero or fails. Nothing is drawn beyond the mapped size (a look rect larger than the skin rect is cut
// short); pixels the pieces do not reach are left as they were.
#pragma once

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/picture/piece_geometry.h"

namespace huecast::skin {

// Copies `source` (a rect of `from`) 1:1 with its top-left corner at `at` of `to`.
void CopyPiece(const Bitmap& from, Rect source, Bitmap& to, Point at);
// Repeats `source` over `target`, the first tile at target's top-left corner.
void TilePiece(const Bitmap& from, Rect source, Bitmap& to, Rect target);

// The element picture `source` (the skin rect, or an active/down/disabled rect of the same size, a rect of
// `from`) cut by the resize mode of `pieces` onto (0, 0) .. mapping.size of `to`. Mode None draws nothing.
void CutPicture(const Bitmap& from, Rect source, const SkinPieces& pieces, const PieceMapping& mapping,
                Bitmap& to);

// Nine pieces of `source`: the corners cut at `leftTop` (widths of the left and top pieces) and
// `rightBottom` (where the right and bottom pieces begin, relative to source) copied, the rest tiled,
// into `target`.
void CutNinePiece(const Bitmap& from, Rect source, Point leftTop, Point rightBottom, Bitmap& to, Rect target);
// Three pieces side by side: `leftOffset` columns at the left and `rightOffset` columns at the right kept,
// the middle tiled (list and menu items, horizontal thumbs).
void CutHorizontalEnds(const Bitmap& from, Rect source, int leftOffset, int rightOffset, Bitmap& to,
                       Rect target);
// Three pieces stacked, `topOffset` and `bottomOffset` rows kept (vertical thumbs and gauges).
void CutVerticalEnds(const Bitmap& from, Rect source, int topOffset, int bottomOffset, Bitmap& to,
                     Rect target);

}  // namespace huecast::skin
