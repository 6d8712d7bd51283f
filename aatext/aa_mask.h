// TAAMask: an 8-bit coverage mask of one line of text (0 = no ink, 255 = full ink), rendered by drawing the
// text at Scale times its size and box-averaging it down, plus the effect operations that reshape it.
//
// Layout: rows bottom-up like a bottom-up DIB: mask row 0 (the top of the text) is the last BytesPerLine()
// bytes of Bits(), and row r starts at byte (Height() - 1 - r) × BytesPerLine(). Rows are padded to a
// multiple of 4 bytes; only the first Width() bytes of a row are meaningful. Always address rows with
// ScanLine(), never by offset from Bits().
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "base/random_source.h"

namespace huecast {

class TAAPainter;

// Supersampling: Scale 4, 3, 2 and 1 (aqNone draws the text 1:1 without smoothing).
enum class TAAQuality : std::uint8_t { aqHigh, aqNormal, aqLow, aqNone };

// Scale of a quality; any value beyond aqNone gives 1.
int ScaleOf(TAAQuality quality);

class EInvalidLine : public std::runtime_error {
  public:
    EInvalidLine() : std::runtime_error("Invalid line!") {}
};

class TAAMask {
  public:
    // A mask drawing with `owner`'s canvas font; empty, quality aqNormal.
    explicit TAAMask(const TAAPainter& owner);
    TAAMask(const TAAMask&) = delete;
    TAAMask& operator=(const TAAMask&) = delete;

    // Copies size, quality, strides and coverage (not the owner).
    void Assign(const TAAMask& source);

    TAAQuality Quality() const { return quality_; }
    void SetQuality(TAAQuality quality);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Scale() const { return scale_; }
    int BytesPerLine() const { return bytesPerLine_; }
    // Bytes per row of the supersampled work bitmap of the last render.
    int WorkStride() const { return workStride_; }
    std::uint8_t* Bits() { return bits_.data(); }
    const std::uint8_t* Bits() const { return bits_.data(); }

    // Row `row` (0 = top); throws EInvalidLine outside 0 .. Height() - 1.
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;
    // Row `row` of another buffer with this mask's layout (no range check).
    std::uint8_t* ScanLineOf(int row, std::uint8_t* buffer) const {
        return buffer + static_cast<std::size_t>(height_ - 1 - row) * bytesPerLine_;
    }

    // Makes the mask width × height, all zero (for callers that compose masks themselves).
    void Resize(int width, int height);

    // The pixel size of `text` in the owner's canvas font: (0, 0) without a canvas. For a font with an
    // escapement the size is the rotated box and `origin`, when given, receives the point inside the box
    // where the rotated text must start; without rotation `origin` is left untouched.
    Size TextSize(std::string_view text) const;
    Size TextSizeEx(std::string_view text, Point* origin) const;

    // Renders `text` into the mask: DrawMaskEx(text, TextSize(text), (0, 0)).
    void DrawMask(std::string_view text);
    // Renders `text` with its reference point at `origin` into a mask of `size`. Without a canvas the
    // mask keeps its contents.
    void DrawMaskEx(std::string_view text, Size size, Point origin);

    // Effect operations, in place.
    // Coverage becomes edge strength (interior pixels); masks under 3 × 3 are left alone.
    void Outline();
    // 5 × 5 box average with edge clamping, mixed with the unblurred value by `amount` percent (1..100).
    void Blur(int amount);
    // Scatters each pixel to a random neighbour up to `amount` pixels away, in place.
    void Spray(int amount, RandomSource& random);
    void HorzMirror();
    void VertMirror();

  private:
    const TAAPainter& owner_;
    TAAQuality quality_ = TAAQuality::aqNormal;
    std::vector<std::uint8_t> bits_;
    int height_ = 0;
    int width_ = 0;
    int workStride_ = 0;
    int bytesPerLine_ = 0;
    int scale_ = 3;
};

}  // namespace huecast
