#include "aatext/synthetic_rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace huecast {

namespace {

int CellHeight(const FontSpec& font) {
    return std::abs(font.height);
}
int HalfWidth(const FontSpec& font) {
    return font.width != 0 ? std::abs(font.width) : CellHeight(font) / 2;
}

struct Glyph {
    int left;
    int width;
    char kind;  // 'D' double-byte, 'L' letter, 'B' blank, 'O' other
};

std::vector<Glyph> Layout(const FontSpec& font, std::string_view text) {
    std::vector<Glyph> glyphs;
    int x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        Glyph g{x, HalfWidth(font), 'O'};
        if (byte >= 0x81 && byte <= 0xFE && i + 1 < text.size()) {
            g.width = 2 * HalfWidth(font);
            g.kind = 'D';
            ++i;
        } else if (byte == ' ') {
            g.kind = 'B';
        } else if ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z') {
            g.kind = 'L';
        }
        glyphs.push_back(g);
        x += g.width;
    }
    return glyphs;
}

// Is the point (u, v) of a glyph cell inked? u, v in pixels from the cell's top-left corner.
bool Inked(const Glyph& g, double u, double v, int cellHeight, bool bold) {
    const double w = g.width;
    const double h = cellHeight;
    const double stroke = std::max(1.0, h / 10.0) * (bold ? 2 : 1);
    const double m = h / 8.0;
    switch (g.kind) {
        case 'D': {
            if (u < m || u >= w - m || v < m || v >= h - m) return false;
            return u < m + stroke || u >= w - m - stroke || v < m + stroke || v >= h - m - stroke ||
                   std::abs(u - w / 2) < stroke / 2 || std::abs(v - h / 2) < stroke / 2;
        }
        case 'L': {
            const double rx = w / 2 - m / 2, ry = h * 0.28;
            const double dx = (u - w / 2) / rx, dy = (v - h * 0.62) / ry;
            const double d = std::sqrt(dx * dx + dy * dy);
            return std::abs(d - 1) * std::min(rx, ry) < stroke / 2 + 0.25;
        }
        case 'O':
            return std::abs(u - w / 2) < stroke / 2 + 0.25 && v >= m && v < h - m;
        default:
            return false;
    }
}

}  // namespace

Size SyntheticRasterizer::TextExtent(const FontSpec& font, std::string_view text) {
    int cx = 0;
    for (const Glyph& g : Layout(font, text))
        cx += g.width;
    return {cx, CellHeight(font)};
}

std::unique_ptr<GlyphSurface> SyntheticRasterizer::RenderText(const FontSpec& font, int width, int height,
                                                              Point start, std::string_view text) {
    auto surface = std::make_unique<OwnedGlyphSurface>(Bitmap(width, height, 8, Bitmap::Order::BottomUp));
    Bitmap& work = surface->MutablePixels();
    work.Palette().resize(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        work.Palette()[i] = i * 0x010101;
    const std::vector<Glyph> glyphs = Layout(font, text);
    if (glyphs.empty()) return surface;
    const int cellHeight = CellHeight(font);
    const int advance = glyphs.back().left + glyphs.back().width;
    const double theta = font.escapement * std::numbers::pi / 1800.0;
    const double c = std::cos(theta), s = std::sin(theta);
    const bool bold = font.weight >= 600;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = work.Row(y);
        for (int x = 0; x < width; ++x) {
            // Back from the screen to the text's own axes: u along the baseline, v down across it.
            const double dx = x + 0.5 - start.x, dy = y + 0.5 - start.y;
            double u = dx * c - dy * s;
            const double v = dx * s + dy * c;
            if (font.italic) u -= (cellHeight - v) * 0.25;
            if (u < 0 || u >= advance || v < 0 || v >= cellHeight) continue;
            const auto g = std::upper_bound(glyphs.begin(), glyphs.end(), u,
                                            [](double value, const Glyph& gl) { return value < gl.left; }) -
                           1;
            if (Inked(*g, u - g->left, v, cellHeight, bold)) row[x] = 255;
        }
    }
    return surface;
}

}  // namespace huecast
