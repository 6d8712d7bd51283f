// Line layout of marked-up text: each line's tags set the font, effect and alignment, long lines are
// wrapped to the width when word wrapping is on, and lines are stacked with the row pitch. Two passes: the
// measuring pass gives the height the text needs (to size the surface), the drawing pass draws it.
#pragma once

#include <string>
#include <vector>

#include "aatext/aa_labels.h"
#include "aatext/aa_painter_ex.h"
#include "aatext/aa_text_params.h"
#include "aatext/word_wrap.h"
#include "base/geometry.h"

namespace huecast {

struct LineLayout {
    const TCustomTextParam& param;
    const TFontLabels& fonts;
    const TUserLabels& labels;
    LeadByteTable leadBytes;
    FontSpec font;  // the text's base font
    int width = 0;  // of the surface
};

// The advance of a line of height h: (rowPitch / 100 + 1) × h, rounded to the nearest (ties to even).
int LineAdvance(int rowPitch, int height);

// Both passes set `painter`'s canvas font and effect as the lines' tags say; its canvas is the surface.
// The measuring pass returns the y below the last line when the text starts at y0.
int MeasureLines(const LineLayout& layout, TAAPainterEx& painter, int y0);
// The drawing pass draws every line from y0 and returns the y below the last line.
int DrawLines(const LineLayout& layout, TAAPainterEx& painter, int y0);

// Fills `rect` of the canvas's target with the brush colour, then lays `picture` over it: tiled from the
// top-left corner, stretched over it, centred, or once at its top-left corner. No picture: only the fill.
void DrawBackGround(AACanvas& canvas, const Rect& rect, TBackGroundMode mode, const TPicture& picture);

// Fills `rect` (clipped) of a 24 or 32-bit bitmap with `rgb` (0x00BBGGRR).
void FillRect(Bitmap& target, const Rect& rect, std::uint32_t rgb);

}  // namespace huecast
