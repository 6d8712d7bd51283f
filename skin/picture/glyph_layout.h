// Where a glyph and a caption go inside a rectangle (buttons and menu items): centred together when
// `margin` is -1, or kept `margin` pixels from the side the glyph sits on; both one pixel down and right
// while pressed.
//
//     Size glyph = GlyphCellSize(strip.Width(), strip.Height(), numGlyphs);
//     GlyphTextPlacement at = LayoutGlyphAndText(client, margin, down, glyph, textSize,
//                                                ButtonLayout::GlyphLeft, spacing);
//     // draw the glyph cell at at.glyph; draw the text transparently, centred in at.text
#pragma once

#include "base/geometry.h"

namespace huecast::skin {

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

struct GlyphTextPlacement {
    Point glyph;  // top-left corner of the glyph cell
    Rect text;    // the measured text's rectangle, its right edge widened by 2
};

// One image of a strip of `numGlyphs` images side by side; 0 × 0 for an empty strip. A count below 1 is
// taken as 1.
Size GlyphCellSize(int stripWidth, int stripHeight, int numGlyphs);

GlyphTextPlacement LayoutGlyphAndText(Rect r, int margin, bool pressed, Size glyph, Size text,
                                      ButtonLayout layout, int spacing);

}  // namespace huecast::skin
