#include "tools/skin-generator/canvas.h"

#include <algorithm>
#include <cmath>

namespace huecast::skingen {

Color Mix(Color a, Color b, int bWeight, int total) {
    Color out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = static_cast<int>(a >> shift & 0xFF);
        const int cb = static_cast<int>(b >> shift & 0xFF);
        const int c = (ca * (total - bWeight) + cb * bWeight + total / 2) / total;
        out |= static_cast<Color>(c) << shift;
    }
    return out;
}

Canvas::Canvas(int width, int height, Color background) : bitmap_(width, height, 24) {
    Fill({0, 0, width, height}, background);
}

void Canvas::Set(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    bitmap_.SetPixelColor(x, y, c);
}

void Canvas::Fill(Rect r, Color c) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            Set(x, y, c);
}

void Canvas::Frame(Rect r, Color c) {
    HLine(r.left, r.right, r.top, c);
    HLine(r.left, r.right, r.bottom - 1, c);
    VLine(r.left, r.top, r.bottom, c);
    VLine(r.right - 1, r.top, r.bottom, c);
}

void Canvas::HLine(int x0, int x1, int y, Color c) {
    for (int x = x0; x < x1; ++x)
        Set(x, y, c);
}

void Canvas::VLine(int x, int y0, int y1, Color c) {
    for (int y = y0; y < y1; ++y)
        Set(x, y, c);
}

void Canvas::VGradient(Rect r, Color top, Color bottom) {
    const int span = std::max(1, r.Height() - 1);
    for (int y = r.top; y < r.bottom; ++y)
        HLine(r.left, r.right, y, Mix(top, bottom, y - r.top, span));
}

void Canvas::HGradient(Rect r, Color left, Color right) {
    const int span = std::max(1, r.Width() - 1);
    for (int x = r.left; x < r.right; ++x)
        VLine(x, r.top, r.bottom, Mix(left, right, x - r.left, span));
}

void Canvas::Box(Rect r, const BoxStyle& s) {
    if (r.Width() < 3 || r.Height() < 3) return;
    const Color corner[4] = {Get(r.left, r.top), Get(r.right - 1, r.top), Get(r.left, r.bottom - 1),
                             Get(r.right - 1, r.bottom - 1)};
    const Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    VGradient(inner, s.top, s.bottom);
    if (s.ring) Frame(inner, Mix(s.innerTop, s.bottom, 1, 3));
    HLine(inner.left, inner.right, inner.top, s.innerTop);
    Frame(r, s.border);
    if (!s.rounded) return;
    // One-pixel rounding: the corner takes the background, its neighbours a soft step towards it.
    const int xs[4] = {r.left, r.right - 1, r.left, r.right - 1};
    const int ys[4] = {r.top, r.top, r.bottom - 1, r.bottom - 1};
    for (int i = 0; i < 4; ++i) {
        Set(xs[i], ys[i], Mix(s.border, corner[i], 3, 4));
        const int ix = i % 2 == 0 ? xs[i] + 1 : xs[i] - 1;
        const int iy = i < 2 ? ys[i] + 1 : ys[i] - 1;
        Set(ix, iy, Mix(Get(ix, iy), s.border, 1, 2));
    }
}

namespace {

// Walks the pixels of the disc inscribed in `r`: `paint(x, y, d, radius)` with d the distance of the
// pixel's centre from the disc's centre.
template <class Paint>
void ForDisc(Rect r, Paint paint) {
    const double diameter = std::min(r.Width(), r.Height());
    const double radius = diameter / 2, cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            paint(x, y, std::hypot(x + 0.5 - cx, y + 0.5 - cy), radius);
}

// How much of a pixel at distance d lies inside the circle of `radius`, in 1/16.
int Coverage(double d, double radius) {
    return std::clamp(static_cast<int>(std::lround((radius - d + 0.5) * 16)), 0, 16);
}

}  // namespace

void Canvas::Disc(Rect r, const BoxStyle& s) {
    const int span = std::max(1, r.Height() - 1);
    ForDisc(r, [&](int x, int y, double d, double radius) {
        const int cover = Coverage(d, radius);
        if (cover == 0) return;
        Color inside = Mix(s.top, s.bottom, y - r.top, span);
        if (d > radius - 2.2 && y < r.top + r.Height() / 2) inside = Mix(inside, s.innerTop, 1, 2);
        const Color c = d > radius - 1.2 ? s.border : inside;
        Set(x, y, cover == 16 ? c : Mix(Get(x, y), c, cover, 16));
    });
}

void Canvas::Ring(Rect r, Color c) {
    ForDisc(r, [&](int x, int y, double d, double radius) {
        const int cover = std::min(Coverage(d, radius), 16 - Coverage(d, radius - 1));
        if (cover > 0) Set(x, y, Mix(Get(x, y), c, cover, 16));
    });
}

void Canvas::Glyph(int x, int y, std::span<const std::string_view> rows, Color c) {
    int row = 0;
    for (std::string_view line : rows) {
        for (int col = 0; col < static_cast<int>(line.size()); ++col) {
            if (line[col] == 'X') Set(x + col, y + row, c);
            if (line[col] == 'o') Set(x + col, y + row, Mix(Get(x + col, y + row), c, 1, 2));
        }
        ++row;
    }
}

void Canvas::GlyphCentred(Rect r, std::span<const std::string_view> rows, Color c, int dx, int dy) {
    const int h = static_cast<int>(rows.size());
    int w = 0;
    for (std::string_view line : rows)
        w = std::max(w, static_cast<int>(line.size()));
    Glyph(r.left + (r.Width() - w) / 2 + dx, r.top + (r.Height() - h) / 2 + dy, rows, c);
}

}  // namespace huecast::skingen
