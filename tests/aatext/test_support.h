// Fakes for the anti-aliased text tests: a rasterizer that inks what a test asks for, and a scripted
// random source.
#pragma once

#include <functional>
#include <stdexcept>
#include <vector>

#include "aatext/aa_canvas.h"
#include "aatext/aa_mask.h"
#include "base/random_source.h"

namespace huecast::testing {

// Reports a fixed extent per byte and draws work pixels from a function of (x, y) in work pixels; remembers
// the fonts and start points it was given.
class PatternRasterizer : public GlyphRasterizer {
  public:
    int cellWidth = 10;   // per byte, at the font's height
    int cellHeight = 10;  // at height -10
    std::function<std::uint8_t(int x, int y)> ink = [](int, int) { return 255; };
    bool throwOnDraw = false;

    std::vector<FontSpec> measuredFonts;
    std::vector<FontSpec> drawnFonts;
    std::vector<Point> drawnStarts;
    std::vector<Size> drawnSizes;

    Size TextExtent(const FontSpec& font, std::string_view text) override {
        measuredFonts.push_back(font);
        const int scale = std::abs(font.height) / 10;  // tests use height -10 × Scale
        return {static_cast<int>(text.size()) * cellWidth * scale, cellHeight * scale};
    }
    std::unique_ptr<GlyphSurface> RenderText(const FontSpec& font, int width, int height, Point start,
                                             std::string_view) override {
        if (throwOnDraw) throw std::runtime_error("rasterizer failed");
        drawnFonts.push_back(font);
        drawnStarts.push_back(start);
        drawnSizes.push_back({width, height});
        Bitmap work(width, height, 8, Bitmap::Order::BottomUp);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                work.Row(y)[x] = ink(x, y);
        return std::make_unique<OwnedGlyphSurface>(std::move(work));
    }
};

class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<int> values = {0}) : values_(std::move(values)) {}
    int Random(int n) override {
        calls.push_back(n);
        if (n <= 0) return 0;
        return values_[next_++ % values_.size()] % n;
    }
    std::vector<int> calls;

  private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

// Fills `mask` (rows top first) from a list of rows.
inline void SetMask(TAAMask& mask, const std::vector<std::vector<int>>& rows) {
    mask.Resize(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int r = 0; r < mask.Height(); ++r)
        for (int c = 0; c < mask.Width(); ++c)
            mask.ScanLine(r)[c] = static_cast<std::uint8_t>(rows[r][c]);
}

inline std::vector<std::vector<int>> MaskRows(const TAAMask& mask) {
    std::vector<std::vector<int>> rows(mask.Height(), std::vector<int>(mask.Width()));
    for (int r = 0; r < mask.Height(); ++r)
        for (int c = 0; c < mask.Width(); ++c)
            rows[r][c] = mask.ScanLine(r)[c];
    return rows;
}

}  // namespace huecast::testing
