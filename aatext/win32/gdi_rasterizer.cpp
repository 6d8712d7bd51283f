#include "aatext/win32/gdi_rasterizer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "gui/handles.h"

namespace huecast {

namespace {

// RAII for the handles a measurement or a render takes, so they are released when an exception passes.
class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {
        if (!dc_) throw std::runtime_error("GdiRasterizer: no screen device context");
    }
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

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

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using PaletteHandle = std::unique_ptr<std::remove_pointer_t<HPALETTE>, ObjectDeleter>;

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
    DibSurface(HBITMAP section, Bitmap view) : section_(section), view_(std::move(view)) {}
    ~DibSurface() override { DeleteObject(section_); }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    const Bitmap& Pixels() const override { return view_; }

  private:
    HBITMAP section_;
    Bitmap view_;
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
    ScreenDc screen;
    const gui::FontHandle gdiFont = CreateGdiFont(font);
    gui::SelectedObject selected(screen.Get(), gdiFont.get());
    SIZE size{};
    GetTextExtentPoint32A(screen.Get(), text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

std::unique_ptr<GlyphSurface> GdiRasterizer::RenderText(const FontSpec& font, int width, int height,
                                                        Point start, std::string_view text) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;  // bottom-up, as the system lays a DIB out
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i)
        info.colors[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};

    ScreenDc screen;
    void* bits = nullptr;
    // A bitmap view refuses sides beyond 32768 pixels; refuse them before a section exists to leak.
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768)
        throw std::length_error("GdiRasterizer: a work bitmap of " + std::to_string(width) + " x " +
                                std::to_string(height) + " pixels is out of range");
    HBITMAP section = CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                       &bits, nullptr, 0);
    if (!section || !bits) throw std::runtime_error("GdiRasterizer: cannot create the work bitmap");
    auto surface = std::make_unique<DibSurface>(
        section, Bitmap::View(static_cast<std::uint8_t*>(bits), width, height, 8, Bitmap::Order::BottomUp));
    std::memset(bits, 0, Bitmap::StrideFor(width, 8) * static_cast<std::size_t>(height));  // all black

    const MemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!dc) throw std::runtime_error("GdiRasterizer: no memory device context");
    const PaletteHandle palette(CopyOfGreyPalette());
    {
        gui::SelectedObject bitmap(dc.get(), section);
        SelectedPalette selectedPalette(dc.get(), palette.get());
        const gui::FontHandle gdiFont = CreateGdiFont(font);
        gui::SelectedObject selectedFont(dc.get(), gdiFont.get());
        SetTextColor(dc.get(), RGB(255, 255, 255));
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextAlign(dc.get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
        TextOutA(dc.get(), start.x, start.y, text.data(), static_cast<int>(text.size()));
        GdiFlush();
    }
    return surface;
}

std::uint32_t GdiRasterizer::SystemColor(int index) const {
    return GetSysColor(index) & 0xFFFFFF;
}

}  // namespace huecast
