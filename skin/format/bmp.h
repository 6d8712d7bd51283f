// Windows BMP files in memory: uncompressed 1-, 4-, 8-bit palette, 24- and 32-bit pictures, bottom-up or
// top-down. Input is untrusted: every size and offset is checked against the bytes given and against
// kMaxBmpSide/kMaxBmpPixels, and a bad file throws SkinError naming what was wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "base/bitmap.h"

namespace huecast::skin {

inline constexpr int kMaxBmpSide = 16384;
inline constexpr std::int64_t kMaxBmpPixels = 16 * 1024 * 1024;

struct BmpRead {
    Bitmap bitmap;         // 1- and 4-bit pictures come back as 8-bit ones with the same palette
    std::size_t size = 0;  // bytes the file takes (its bfSize), so streams of several files can be walked
};

// Reads the BMP file at the start of `data`; `what` names it in error messages ("main picture").
BmpRead ReadBmp(std::span<const std::uint8_t> data, std::string_view what);

// Writes an 8-bit (with its palette), 24- or 32-bit picture as a BMP file in the picture's own row order.
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap);

}  // namespace huecast::skin
