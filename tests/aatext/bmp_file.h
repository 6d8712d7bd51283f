// Writes a 24 or 32-bit Bitmap as a .bmp file, so a test can leave a picture of what it drew for a person
// to look at (converted to PNG with `convert`). Pictures are written only when HUECAST_SNAPSHOT_DIR is set.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "base/bitmap.h"

namespace huecast::testing {

inline bool WriteBmp(const Bitmap& bitmap, const std::string& path) {
    const int w = bitmap.Width(), h = bitmap.Height();
    const std::size_t stride = Bitmap::StrideFor(w, 24);
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * h);
    std::vector<std::uint8_t> file(54 + pixelBytes, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));  // bottom-up
    file[26] = 1;
    file[28] = 24;
    put32(34, pixelBytes);
    const int bpp = bitmap.BitsPerPixel() / 8;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = bitmap.Row(y);
        std::uint8_t* out = file.data() + 54 + stride * (h - 1 - y);
        for (int x = 0; x < w; ++x)
            for (int i = 0; i < 3; ++i)
                out[3 * x + i] = bpp == 1 ? in[x] : in[bpp * x + i];
    }
    std::ofstream stream(path, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(stream);
}

// Writes `bitmap` as NAME.bmp into $HUECAST_SNAPSHOT_DIR when that is set.
inline void Snapshot(const Bitmap& bitmap, const std::string& name) {
    if (const char* dir = std::getenv("HUECAST_SNAPSHOT_DIR"))
        WriteBmp(bitmap, std::string(dir) + "/" + name + ".bmp");
}

}  // namespace huecast::testing
