// Copies a small picture (a check box image, a glyph) over what is there, leaving out the pixels of its
// transparent colour: the colour of its bottom-left pixel, as the skin's images are drawn.
#pragma once

#include "base/bitmap.h"
#include "base/geometry.h"

namespace huecast::skin {

// `source` is a rect of `from`; both bitmaps are 24-bit, any row order. Clipped to both; nothing for an
// empty or outside source.
void CopyTransparentPiece(const Bitmap& from, Rect source, Bitmap& to, Point at);

}  // namespace huecast::skin
