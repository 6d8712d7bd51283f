#include "tools/skin-generator/palette.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace huecast::skingen {

namespace {

int Channel(std::uint32_t c, int i) {
    return static_cast<int>(c >> (8 * i) & 0xFF);
}

// Splits the box with the widest channel range at its median until there are `count` boxes, then takes
// each box's pixel-weighted mean.
std::vector<std::uint32_t> MedianCut(const std::map<std::uint32_t, int>& histogram, std::size_t count) {
    using Entry = std::pair<std::uint32_t, int>;
    std::vector<std::vector<Entry>> boxes(1, std::vector<Entry>(histogram.begin(), histogram.end()));
    while (boxes.size() < count) {
        std::size_t best = boxes.size();
        int bestRange = 0, bestChannel = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].size() < 2) continue;
            for (int ch = 0; ch < 3; ++ch) {
                const auto [lo, hi] = std::minmax_element(
                    boxes[b].begin(), boxes[b].end(),
                    [&](auto& x, auto& y) { return Channel(x.first, ch) < Channel(y.first, ch); });
                const int range = Channel(hi->first, ch) - Channel(lo->first, ch);
                if (range > bestRange) bestRange = range, best = b, bestChannel = ch;
            }
        }
        if (best == boxes.size()) break;
        std::vector<Entry>& box = boxes[best];
        std::sort(box.begin(), box.end(), [&](const Entry& x, const Entry& y) {
            const int cx = Channel(x.first, bestChannel), cy = Channel(y.first, bestChannel);
            return cx != cy ? cx < cy : x.first < y.first;
        });
        std::vector<Entry> upper(box.begin() + static_cast<std::ptrdiff_t>(box.size() / 2), box.end());
        box.resize(box.size() / 2);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::uint32_t> palette;
    for (const auto& box : boxes) {
        long long sum[3] = {}, weight = 0;
        for (const auto& [color, n] : box) {
            for (int ch = 0; ch < 3; ++ch)
                sum[ch] += static_cast<long long>(Channel(color, ch)) * n;
            weight += n;
        }
        std::uint32_t mean = 0;
        for (int ch = 0; ch < 3; ++ch)
            mean |= static_cast<std::uint32_t>((sum[ch] + weight / 2) / weight) << (8 * ch);
        palette.push_back(mean);
    }
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

}  // namespace

Bitmap ToPaletted(const Bitmap& rgb) {
    std::map<std::uint32_t, int> histogram;
    for (int y = 0; y < rgb.Height(); ++y)
        for (int x = 0; x < rgb.Width(); ++x)
            ++histogram[rgb.PixelColor(x, y)];

    std::vector<std::uint32_t> palette;
    if (histogram.size() <= 256) {
        for (const auto& [color, n] : histogram)
            palette.push_back(color);
    } else {
        palette = MedianCut(histogram, 256);
    }
    std::map<std::uint32_t, std::uint8_t> index;
    for (const auto& [color, n] : histogram) {
        std::size_t best = 0;
        int bestDistance = 1 << 30;
        for (std::size_t i = 0; i < palette.size(); ++i) {
            int d = 0;
            for (int ch = 0; ch < 3; ++ch) {
                const int diff = Channel(color, ch) - Channel(palette[i], ch);
                d += diff * diff;
            }
            if (d < bestDistance) bestDistance = d, best = i;
        }
        index[color] = static_cast<std::uint8_t>(best);
    }

    Bitmap out(rgb.Width(), rgb.Height(), 8, Bitmap::Order::BottomUp);
    out.Palette() = palette;
    for (int y = 0; y < rgb.Height(); ++y)
        for (int x = 0; x < rgb.Width(); ++x)
            out.Row(y)[x] = index[rgb.PixelColor(x, y)];
    return out;
}

}  // namespace huecast::skingen
