// A 24-bit drawing surface for the skin artwork: filled and framed rectangles, gradients, rounded boxes
// and pixel glyphs given as little character pictures. Everything lands on whole pixels, so the sheets stay
// crisp and the generator's output is the same on every run.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/format/skin_values.h"

namespace huecast::skingen {

using skin::Color;

// Colours are written as 0xRRGGBB in this program, as a painter reads them; the skin stores 0x00BBGGRR.
constexpr Color Rgb(std::uint32_t rrggbb) {
    return (rrggbb >> 16 & 0xFF) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16;
}
Color Mix(Color a, Color b, int bWeight, int total);

// The fill, edge and highlight of one look of a box.
struct BoxStyle {
    Color border;
    Color top;       // gradient at the top of the fill
    Color bottom;    // gradient at the bottom
    Color innerTop;  // first row inside the border (a highlight, or a shadow for a pressed look)
    bool rounded = true;
    bool ring = false;  // a glowing ring inside the border, a blend of innerTop and bottom (hot looks)
};

class Canvas {
  public:
    Canvas(int width, int height, Color background);

    Bitmap& Pixels() { return bitmap_; }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }

    void Set(int x, int y, Color c);
    Color Get(int x, int y) const { return bitmap_.PixelColor(x, y); }
    void Fill(Rect r, Color c);
    void Frame(Rect r, Color c);
    void HLine(int x0, int x1, int y, Color c);  // x1 exclusive
    void VLine(int x, int y0, int y1, Color c);  // y1 exclusive
    void VGradient(Rect r, Color top, Color bottom);
    void HGradient(Rect r, Color left, Color right);
    // A box with a one-pixel border and a vertical gradient; rounded corners blend the border into the
    // pixels already there, which is what the box will sit on.
    void Box(Rect r, const BoxStyle& style);
    // A disc inscribed in `r` (centred, its diameter the smaller side) in the style's border, gradient and
    // highlight, its rim blended into what is there by how much of each pixel it covers.
    void Disc(Rect r, const BoxStyle& style);
    // Only the rim of that disc, one pixel wide.
    void Ring(Rect r, Color c);
    // A glyph picture: each 'X' is painted `c`, each 'o' a half blend of `c` with what is there; other
    // characters leave the pixel alone. Rows are the strings, placed with their top-left at (x, y).
    void Glyph(int x, int y, std::span<const std::string_view> rows, Color c);
    // The same centred in `r`, moved by (dx, dy).
    void GlyphCentred(Rect r, std::span<const std::string_view> rows, Color c, int dx = 0, int dy = 0);

  private:
    Bitmap bitmap_;
};

}  // namespace huecast::skingen
