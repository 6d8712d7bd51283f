// TEffectBmp: a 24-bit top-down working bitmap with the skin engine's pixel operations, used to morph an
// element from its normal look to its active look over the morph steps and to derive the inactive look of
// the window frame from the active one.
//
// Layout: 24 bits per pixel, blue, green, red; row 0 is the top row; rows are 3 × width + (width mod 4)
// bytes (padded to a multiple of 4) and row y starts at y × stride. The pixels are either owned or a view
// on memory owned elsewhere, typically a DIB section created by the Win32 layer, so that the result of an
// operation can be drawn without a copy.
//
// Arithmetic: round() is round half to even on doubles, div truncates toward zero, and every channel result
// is clamped to 0..255 before it is stored. The morphs take this object as the normal look (it receives
// the result), a second bitmap as the active look and a factor k (0 = normal, 1 = active); a morph between
// bitmaps of different sizes changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/bitmap.h"
#include "base/random_source.h"
#include "skin/format/skin_values.h"

namespace huecast::skin {

class TEffectBmp {
  public:
    TEffectBmp() = default;
    // Owns width × height black pixels.
    TEffectBmp(int width, int height);
    // A copy of any 8, 24 or 32-bit bitmap, converted to this layout (owned).
    explicit TEffectBmp(const Bitmap& source);
    // Views `pixels`, which must hold height rows of this layout and outlive the object (a DIB section).
    static TEffectBmp View(std::uint8_t* pixels, int width, int height);

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    std::size_t Stride() const { return pixels_.Stride(); }
    static std::size_t StrideFor(int width) { return 3 * static_cast<std::size_t>(width) + width % 4; }

    // Address of row y (0 = top), 0 <= y < Height() (checked by the bitmap).
    std::uint8_t* ScanLine(int y) { return pixels_.Row(y); }
    const std::uint8_t* ScanLine(int y) const { return pixels_.Row(y); }
    // Copy row y to or from a buffer of at least 3 × Width() bytes.
    void ReadRow(int y, std::span<std::uint8_t> buffer) const;
    void WriteRow(int y, std::span<const std::uint8_t> buffer);

    Bitmap& Pixels() { return pixels_; }
    const Bitmap& Pixels() const { return pixels_; }

    // Morphs toward `active` by factor k.
    void Morph(MorphKind kind, const TEffectBmp& active, double k);
    void MorphBlend(const TEffectBmp& active, double k);
    void MorphCenterGradient(const TEffectBmp& active, double k);
    void MorphLeftGradient(const TEffectBmp& active, double k);
    void MorphRightGradient(const TEffectBmp& active, double k);
    void MorphLeftSlide(const TEffectBmp& active, double k);
    void MorphRightSlide(const TEffectBmp& active, double k);
    void MorphPush(const TEffectBmp& active, double k);

    // Effects on this bitmap alone.
    void ApplyInactiveEffect(InactiveEffect effect, RandomSource& random = ProcessRandom());
    void Brightness(double amount);
    void Darkness(double amount);
    void Grayscale();
    void Noise(int amount, RandomSource& random = ProcessRandom());
    void SplitBlur(int distance);
    void Invert();

  private:
    bool SameSize(const TEffectBmp& other) const {
        return Width() == other.Width() && Height() == other.Height() && !pixels_.Empty();
    }

    Bitmap pixels_{0, 0, 24};
};

}  // namespace huecast::skin
