#include "skin/format/bmp.h"

#include <cstring>
#include <string>

#include "skin/format/skin_ini.h"

namespace huecast::skin {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

[[noreturn]] void Fail(std::string_view what, const std::string& message) {
    throw SkinError(std::string(what) + ": " + message);
}

}  // namespace

BmpRead ReadBmp(std::span<const std::uint8_t> data, std::string_view what) {
    if (data.size() < kFileHeaderSize + kInfoHeaderSize)
        Fail(what, "only " + std::to_string(data.size()) + " bytes left, too few for a BMP header");
    const std::uint8_t* p = data.data();
    if (p[0] != 'B' || p[1] != 'M') Fail(what, "not a BMP file (no \"BM\" signature)");
    const std::uint32_t fileSize = U32(p + 2);
    const std::uint32_t pixelOffset = U32(p + 10);
    const std::uint32_t headerSize = U32(p + 14);
    if (headerSize < kInfoHeaderSize || headerSize > 1024)
        Fail(what, "unsupported BMP header of " + std::to_string(headerSize) + " bytes");
    if (fileSize < kFileHeaderSize + headerSize || fileSize > data.size())
        Fail(what, "the file size " + std::to_string(fileSize) + " does not fit the " +
                       std::to_string(data.size()) + " bytes available");

    const std::int32_t width = I32(p + 18);
    const std::int32_t rawHeight = I32(p + 22);
    const std::uint16_t planes = U16(p + 26);
    const std::uint16_t bitCount = U16(p + 28);
    const std::uint32_t compression = U32(p + 30);
    std::uint32_t colorsUsed = U32(p + 46);

    if (planes != 1) Fail(what, std::to_string(planes) + " planes (a BMP has 1)");
    if (compression != 0)
        Fail(what, "compressed BMP (method " + std::to_string(compression) + ") not supported");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        Fail(what, std::to_string(bitCount) + " bits per pixel not supported");
    // INT32_MIN has no positive counterpart, so it is refused with every other out-of-range height.
    const std::int64_t height = rawHeight < 0 ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width < 1 || height < 1 || width > kMaxBmpSide || height > kMaxBmpSide ||
        static_cast<std::int64_t>(width) * height > kMaxBmpPixels)
        Fail(what,
             "picture size " + std::to_string(width) + " x " + std::to_string(rawHeight) + " out of range");

    const std::size_t paletteOffset = kFileHeaderSize + headerSize;
    std::size_t paletteCount = 0;
    if (bitCount <= 8) {
        const std::uint32_t maxColors = 1u << bitCount;
        if (colorsUsed == 0) colorsUsed = maxColors;
        if (colorsUsed > maxColors)
            Fail(what,
                 std::to_string(colorsUsed) + " palette colours for " + std::to_string(bitCount) + " bits");
        paletteCount = colorsUsed;
    }
    if (paletteOffset + paletteCount * 4 > fileSize) Fail(what, "the palette runs past the end of the file");

    const std::size_t fileStride = Bitmap::StrideFor(width, bitCount);
    const std::size_t pixelBytes = fileStride * static_cast<std::size_t>(height);
    const std::size_t offset = pixelOffset != 0 ? pixelOffset : paletteOffset + paletteCount * 4;
    if (offset < paletteOffset || offset > fileSize || fileSize - offset < pixelBytes)
        Fail(what, "the pixels (" + std::to_string(pixelBytes) + " bytes at offset " +
                       std::to_string(offset) + ") run past the end of the file (" +
                       std::to_string(fileSize) + " bytes)");

    const Bitmap::Order order = rawHeight < 0 ? Bitmap::Order::TopDown : Bitmap::Order::BottomUp;
    const int outBits = bitCount < 8 ? 8 : bitCount;
    // Every pixel is copied or unpacked below.
    BmpRead result{Bitmap::Uninitialised(width, static_cast<int>(height), outBits, order), fileSize};
    Bitmap& bitmap = result.bitmap;
    for (std::size_t i = 0; i < paletteCount; ++i) {
        const std::uint8_t* q = p + paletteOffset + i * 4;  // blue, green, red, reserved
        bitmap.Palette().push_back(static_cast<std::uint32_t>(q[2]) | q[1] << 8 | q[0] << 16);
    }

    // Memory rows and file rows share their order, so row i of the file is row i of the bitmap's memory.
    const std::uint8_t* source = p + offset;
    std::uint8_t* target = bitmap.Bytes().data();
    const std::size_t stride = bitmap.Stride();
    for (std::int64_t row = 0; row < height; ++row, source += fileStride, target += stride) {
        if (bitCount >= 8) {
            std::memcpy(target, source, fileStride);
            continue;
        }
        // The leftmost pixel sits in the highest bits of each byte.
        const int mask = (1 << bitCount) - 1;
        int shift = 8 - bitCount;
        const std::uint8_t* in = source;
        for (int x = 0; x < width; ++x) {
            target[x] = static_cast<std::uint8_t>(*in >> shift & mask);
            if (shift == 0) {
                shift = 8 - bitCount;
                ++in;
            } else {
                shift -= bitCount;
            }
        }
    }
    return result;
}

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap) {
    const int bits = bitmap.BitsPerPixel();
    const std::size_t paletteCount = bits == 8 ? std::max<std::size_t>(bitmap.Palette().size(), 1) : 0;
    const std::size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteCount * 4;
    const std::size_t pixelBytes = bitmap.Bytes().size();
    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(pixelOffset + pixelBytes));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(pixelOffset));
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(bitmap.Width()));
    const int height = bitmap.RowOrder() == Bitmap::Order::TopDown ? -bitmap.Height() : bitmap.Height();
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, 0);  // uncompressed
    Put32(out, static_cast<std::uint32_t>(pixelBytes));
    Put32(out, 2835);  // 72 dots per inch, as paint programs write
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(paletteCount));
    Put32(out, 0);
    for (std::size_t i = 0; i < paletteCount; ++i) {
        const std::uint32_t c = i < bitmap.Palette().size() ? bitmap.Palette()[i] : 0;
        out.push_back(static_cast<std::uint8_t>(c >> 16));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(0);
    }
    out.insert(out.end(), bitmap.Bytes().begin(), bitmap.Bytes().end());
    return out;
}

}  // namespace huecast::skin
