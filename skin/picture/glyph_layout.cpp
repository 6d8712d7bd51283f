#include "skin/picture/glyph_layout.h"

namespace huecast::skin {

Size GlyphCellSize(int stripWidth, int stripHeight, int numGlyphs) {
    if (stripWidth <= 0 || stripHeight <= 0) return {};
    return {stripWidth / (numGlyphs < 1 ? 1 : numGlyphs), stripHeight};
}

GlyphTextPlacement LayoutGlyphAndText(Rect r, int margin, bool pressed, Size glyph, Size text,
                                      ButtonLayout layout, int spacing) {
    const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
    Point g, t;
    const bool sideBySide = layout == ButtonLayout::GlyphLeft || layout == ButtonLayout::GlyphRight;
    if (sideBySide) {
        g.y = cy - glyph.cy / 2;
        t.y = cy - text.cy / 2;
    } else {
        g.x = cx - glyph.cx / 2;
        t.x = cx - text.cx / 2;
    }
    if (margin < 0) {
        const int halfW = (glyph.cx + text.cx + spacing) / 2;
        const int halfH = (glyph.cy + text.cy + spacing) / 2;
        switch (layout) {
            case ButtonLayout::GlyphLeft:
                g.x = cx - halfW;
                t.x = cx + halfW - text.cx;
                break;
            case ButtonLayout::GlyphRight:
                t.x = cx - halfW;
                g.x = cx + halfW - glyph.cx;
                break;
            case ButtonLayout::GlyphTop:
                g.y = cy - halfH;
                t.y = cy + halfH - text.cy;
                break;
            case ButtonLayout::GlyphBottom:
                t.y = cy - halfH;
                g.y = cy + halfH - glyph.cy;
                break;
        }
    } else {
        switch (layout) {
            case ButtonLayout::GlyphLeft:
                g.x = r.left + margin;
                t.x = g.x + glyph.cx + spacing;
                break;
            case ButtonLayout::GlyphRight:
                g.x = r.right - glyph.cx - margin;
                t.x = g.x - spacing - text.cx;
                break;
            case ButtonLayout::GlyphTop:
                g.y = r.top + margin;
                t.y = g.y + glyph.cy + spacing;
                break;
            case ButtonLayout::GlyphBottom:
                g.y = r.bottom - glyph.cy - margin;
                t.y = g.y - spacing - text.cy;
                break;
        }
    }
    if (pressed) {
        g = {g.x + 1, g.y + 1};
        t = {t.x + 1, t.y + 1};
    }
    return {g, {t.x, t.y, t.x + text.cx + 2, t.y + text.cy}};
}

}  // namespace huecast::skin
