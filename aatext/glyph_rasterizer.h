// The system's text drawing as the anti-aliased text engine needs it: measuring a line and drawing it white
// on black onto an 8-bit grey work bitmap. The Win32 layer implements it with GDI (aatext/win32/); tests
// and tools use SyntheticRasterizer (aatext/synthetic_rasterizer.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/bitmap.h"
#include "base/geometry.h"

namespace huecast {

// A font's logical description, as the system's font creation takes it. Text is 8-bit text in the
// system code page (936: a double-byte character is two bytes).
struct FontSpec {
    std::string name = "\xCB\xCE\xCC\xE5";  // "宋体" in the GBK code page
    int height = -12;                       // negative: character height in pixels; positive: cell height
    int width = 0;                          // average character width; 0 lets the system choose
    int escapement = 0;                     // angle of the baseline in tenths of a degree, counter-clockwise
    int orientation = 0;                    // angle of each character in tenths of a degree
    int weight = 400;                       // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 1;  // DEFAULT_CHARSET
    std::uint32_t color = 0;   // 0x00BBGGRR, or a system colour index 0x800000nn

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// What a rasterizer drew: an 8-bit bitmap whose pixel value is its grey level (0 black .. 255 white). It
// may view memory that the rasterizer owns (a DIB section) and is valid until it is destroyed.
class GlyphSurface {
  public:
    virtual ~GlyphSurface() = default;
    virtual const Bitmap& Pixels() const = 0;
};

// A surface that owns its pixels.
class OwnedGlyphSurface final : public GlyphSurface {
  public:
    explicit OwnedGlyphSurface(Bitmap pixels) : pixels_(std::move(pixels)) {}
    const Bitmap& Pixels() const override { return pixels_; }
    Bitmap& MutablePixels() { return pixels_; }

  private:
    Bitmap pixels_;
};

class GlyphRasterizer {
  public:
    virtual ~GlyphRasterizer() = default;

    // The extent of `text` in `font` as the system's 8-bit text-extent function reports it: the unrotated
    // advance width and the cell height, whatever the escapement.
    virtual Size TextExtent(const FontSpec& font, std::string_view text) = 0;

    // Draws `text` in white on a new all-black width × height 8-bit grey bitmap, with `start` as the
    // reference point of the text output (the top-left of the first cell, along the escapement).
    virtual std::unique_ptr<GlyphSurface> RenderText(const FontSpec& font, int width, int height, Point start,
                                                     std::string_view text) = 0;

    // RGB (0x00BBGGRR) of system colour `index` (COLOR_WINDOWTEXT = 8 and so on). The default answers
    // with the classic Windows scheme; the Win32 layer asks the system.
    virtual std::uint32_t SystemColor(int index) const;
};

// A colour as RGB: a system colour index (0x800000nn) is looked up through `rasterizer` (the classic scheme
// when there is none); any other value keeps its low 24 bits.
std::uint32_t ColorToRgb(std::uint32_t color, const GlyphRasterizer* rasterizer);

// The classic Windows scheme's colour of system colour `index`; black for an unknown index.
std::uint32_t ClassicSystemColor(int index);

constexpr int kColorWindowText = 8;

}  // namespace huecast
