#include "skin/format/picture_cache.h"

#include <array>
#include <cstring>

namespace huecast::skin {

Bitmap To24Bits(const Bitmap& picture) {
    if (picture.Empty()) return Bitmap(0, 0, 24);
    Bitmap out = Bitmap::Uninitialised(picture.Width(), picture.Height(), 24);
    const int w = picture.Width();
    if (picture.BitsPerPixel() == 24) {
        for (int y = 0; y < picture.Height(); ++y) std::memcpy(out.Row(y), picture.Row(y), 3 * static_cast<std::size_t>(w));
        return out;
    }
    if (picture.BitsPerPixel() == 8) {
        // The palette as ready blue, green, red triples; indexes beyond it are black, as PixelColor has it.
        std::array<std::array<std::uint8_t, 3>, 256> bgr{};
        const auto& palette = picture.Palette();
        for (std::size_t i = 0; i < palette.size() && i < bgr.size(); ++i)
            bgr[i] = {static_cast<std::uint8_t>(palette[i] >> 16), static_cast<std::uint8_t>(palette[i] >> 8),
                      static_cast<std::uint8_t>(palette[i])};
        // Four bytes stored per pixel, the fourth overwritten by the next pixel: one store instead of three.
        // The last pixel of a row gets its three bytes alone, as the row may end right after it.
        std::array<std::array<std::uint8_t, 4>, 256> quad{};
        for (std::size_t i = 0; i < quad.size(); ++i)
            quad[i] = {bgr[i][0], bgr[i][1], bgr[i][2], 0};
        for (int y = 0; y < picture.Height(); ++y) {
            const std::uint8_t* src = picture.Row(y);
            std::uint8_t* dst = out.Row(y);
            for (int x = 0; x + 1 < w; ++x, dst += 3) std::memcpy(dst, quad[src[x]].data(), 4);
            std::memcpy(dst, bgr[src[w - 1]].data(), 3);
        }
        return out;
    }
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* src = picture.Row(y);
        std::uint8_t* dst = out.Row(y);
        for (int x = 0; x < w; ++x, src += 4, dst += 3) std::memcpy(dst, src, 3);
    }
    return out;
}

void SkinPictureCache::Build(std::span<const Bitmap> pictures) {
    pictures_.clear();
    pictures_.reserve(pictures.size());
    for (const Bitmap& p : pictures) pictures_.push_back(To24Bits(p));
}

}  // namespace huecast::skin
