// Frame composition of the scrolling banner: a window of the control's height over the rendered text,
// wrapping round to the text's start (an endless loop), with its top and bottom rows faded into the
// background colour. A frame is block copies and a fade of a few rows; the text is never drawn here.
#pragma once

#include <cstdint>

#include "base/bitmap.h"

namespace huecast {

// Copies rows position, position + 1, ... of `text` to the rows of `view` from the top, going on from
// text row 0 after its last row. Both are 24 bits per pixel; columns beyond the narrower of the two are
// left alone in `view`. An empty text leaves `view` unchanged; `position` is taken modulo its height.
void CopyFrameRows(const Bitmap& text, int position, Bitmap& view);

// Fades the top and bottom `fadeHeight` rows of a 24-bit `view` into `backRgb` (0x00BBGGRR): row c and row
// H − 1 − c keep c × 255 div (fadeHeight − 1) / 256 of their difference from the background, so rows 0 and
// H − 1 become the background. A fade height of 1 makes just those two rows background, one of 0 or less
// fades nothing, and rows beyond the view's height are never touched.
void FadeEdges(Bitmap& view, int fadeHeight, std::uint32_t backRgb);

}  // namespace huecast
