#include "aatext/win32/gdi_rasterizer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "gui/drawing.h"

namespace huecast {

namespace {

// RAII for the handles a measurement or a render takes, so they are released when an exception passes.
class SelectedPalette {
  public:
    SelectedPalette(HDC dc, HPALETTE palette) : dc_(dc), old_(SelectPalette(dc, palette, FALSE)) {
        RealizePalette(dc);
    }
    ~SelectedPalette() { SelectPalette(dc_, old_, FALSE); }  // detached before the copy is deleted
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;

  private:
    HDC dc_;
    HPALETTE old_;
};

using PaletteHandle = gui::GdiPtr<HPALETTE>;

class GreyPaletteHolder {
  public:
    GreyPaletteHolder() {
        std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
        auto* logPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
        logPalette->palVersion = 0x300;
        logPalette->palNumEntries = 256;
        for (int i = 0; i < 256; ++i) {
            const auto grey = static_cast<BYTE>(i);
            logPalette->palPalEntry[i] = {grey, grey, grey, 0};
        }
        palette_ = CreatePalette(logPalette);
    }
    ~GreyPaletteHolder() {
        if (palette_) DeleteObject(palette_);
    }
    HPALETTE Get() const { return palette_; }

  private:
    HPALETTE palette_ = nullptr;
};

// A copy of the grey palette for one work bitmap.
HPALETTE CopyOfGreyPalette() {
    PALETTEENTRY entries[256];
    GetPaletteEntries(GreyPalette(), 0, 256, entries);
    std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    auto* logPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = 256;
    std::memcpy(logPalette->palPalEntry, entries, sizeof entries);
    return CreatePalette(logPalette);
}

// The work bitmap after drawing: the DIB section, viewed in place.
class DibSurface final : public GlyphSurface {
  public:
    explicit DibSurface(gui::DibSection section) : section_(std::move(section)) {}
    const Bitmap& Pixels() const override { return section_.Pixels(); }
    HBITMAP Handle() const { return section_.Handle(); }

  private:
    gui::DibSection section_;
};

}  // namespace

LOGFONTA ToLogFont(const FontSpec& font) {
    LOGFONTA lf{};
    lf.lfHeight = font.height;
    lf.lfWidth = font.width;
    lf.lfEscapement = font.escapement;
    lf.lfOrientation = font.orientation;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = font.charSet;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t n = std::min(font.name.size(), sizeof lf.lfFaceName - 1);
    std::memcpy(lf.lfFaceName, font.name.data(), n);
    return lf;
}

gui::FontHandle CreateGdiFont(const FontSpec& spec) {
    const LOGFONTA logFont = ToLogFont(spec);
    gui::FontHandle font(CreateFontIndirectA(&logFont));
    if (!font) throw std::runtime_error("GdiRasterizer: cannot create the font");
    return font;
}

HPALETTE GreyPalette() {
    static GreyPaletteHolder holder;
    return holder.Get();
}

Size GdiRasterizer::TextExtent(const FontSpec& font, std::string_view text) {
    const gui::WindowDC screen(nullptr);
    const gui::FontHandle gdiFont = CreateGdiFont(font);
    gui::SelectedObject selected(screen, gdiFont.get());
    SIZE size{};
    GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

std::unique_ptr<GlyphSurface> GdiRasterizer::RenderText(const FontSpec& font, int width, int height,
                                                        Point start, std::string_view text) {
    // A bitmap view refuses sides beyond 32768 pixels; refuse them before a section exists to leak.
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768)
        throw std::length_error("GdiRasterizer: a work bitmap of " + std::to_string(width) + " x " +
                                std::to_string(height) + " pixels is out of range");
    std::uint32_t greys[256];
    for (std::uint32_t i = 0; i < 256; ++i) greys[i] = i << 16 | i << 8 | i;
    // Bottom-up, as the system lays a DIB out; all black.
    auto surface =
        std::make_unique<DibSurface>(gui::DibSection(width, height, 8, Bitmap::Order::BottomUp, greys));
    const gui::MemoryDC dc;
    const PaletteHandle palette(CopyOfGreyPalette());
    {
        gui::SelectedObject bitmap(dc, surface->Handle());
        SelectedPalette selectedPalette(dc, palette.get());
        const gui::FontHandle gdiFont = CreateGdiFont(font);
        gui::SelectedObject selectedFont(dc, gdiFont.get());
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        TextOutA(dc, start.x, start.y, text.data(), static_cast<int>(text.size()));
        GdiFlush();
    }
    return surface;
}

std::uint32_t GdiRasterizer::SystemColor(int index) const {
    return GetSysColor(index) & 0xFFFFFF;
}

}  // namespace huecast
