#include "aatext/aa_painter_ex.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace huecast {

namespace {

// Gives the canvas a font rotated by `angle` degrees for its lifetime, then puts the original back (also
// when an exception passes).
class RotatedFont {
  public:
    RotatedFont(AACanvas& canvas, int angle) : canvas_(canvas), saved_(canvas.font) {
        if (angle != 0) {
            canvas_.font.escapement = angle * 10;
            active_ = true;
        }
    }
    ~RotatedFont() {
        if (active_) canvas_.font = saved_;
    }
    RotatedFont(const RotatedFont&) = delete;
    RotatedFont& operator=(const RotatedFont&) = delete;

  private:
    AACanvas& canvas_;
    FontSpec saved_;
    bool active_ = false;
};

class SavedBrushStyle {
  public:
    explicit SavedBrushStyle(AACanvas& canvas) : canvas_(canvas), style_(canvas.brush.style) {}
    ~SavedBrushStyle() { canvas_.brush.style = style_; }
    SavedBrushStyle(const SavedBrushStyle&) = delete;
    SavedBrushStyle& operator=(const SavedBrushStyle&) = delete;

  private:
    AACanvas& canvas_;
    Brush::Style style_;
};

struct Rgb {
    int r, g, b;
};

Rgb Channels(std::uint32_t rgb) {
    return {static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
            static_cast<int>((rgb >> 16) & 0xFF)};
}

std::uint8_t ClampByte(int v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

// Every pixel of a 24-bit bitmap := `rgb`: the first row pixel by pixel, the others copied from it.
void FillBitmap(Bitmap& bmp, std::uint32_t rgb) {
    if (bmp.Empty()) return;
    const std::uint8_t bgr[3] = {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                                 static_cast<std::uint8_t>(rgb)};
    std::uint8_t* first = bmp.Row(0);
    for (int x = 0; x < bmp.Width(); ++x)
        std::memcpy(first + 3 * x, bgr, 3);
    for (int y = 1; y < bmp.Height(); ++y)
        std::memcpy(bmp.Row(y), first, 3 * static_cast<std::size_t>(bmp.Width()));
}

void ResizeForeBmp(Bitmap& fore, const TAAMask& mask) {
    if (fore.Width() != mask.Width() || fore.Height() != mask.Height() || fore.BitsPerPixel() != 24)
        fore = Bitmap(mask.Width(), mask.Height(), 24);
}

}  // namespace

TAAPainterEx::TAAPainterEx(AACanvas* canvas) : TAAPainter(canvas), random_(&ProcessRandom()) {}

Size TAAPainterEx::TextExtent(std::string_view text) {
    Size size;
    if (AACanvas* canvas = Canvas()) {
        RotatedFont rotated(*canvas, effect_.Angle());
        size = TAAPainter::TextExtent(text);
    }
    if (effect_.Shadow().Enabled()) {
        size.cx += std::abs(effect_.Shadow().OffsetX());
        size.cy += std::abs(effect_.Shadow().OffsetY());
    }
    return size;
}

void TAAPainterEx::TextOut(int x, int y, std::string_view text) {
    AACanvas* canvas = Canvas();
    if (!canvas || text.empty()) return;
    RotatedFont rotated(*canvas, effect_.Angle());

    const TAAShadow& shadow = effect_.Shadow();
    Point textAt{x, y};
    Point shadowAt{x, y};
    if (shadow.Enabled()) {
        textAt = {x + std::max(0, -shadow.OffsetX()), y + std::max(0, -shadow.OffsetY())};
        shadowAt = {x + std::max(0, static_cast<int>(shadow.OffsetX())),
                    y + std::max(0, static_cast<int>(shadow.OffsetY()))};
    }

    TAAMask& mask = Mask();
    mask.DrawMask(text);
    if (effect_.Outline()) mask.Outline();
    if (effect_.Spray() != 0) mask.Spray(effect_.Spray(), *random_);
    if (effect_.HorzMirror()) mask.HorzMirror();
    if (effect_.VertMirror()) mask.VertMirror();

    SavedBrushStyle savedBrush(*canvas);
    if (shadow.Enabled()) {
        TAAMask shadowMask(*this);
        shadowMask.Assign(mask);
        if (shadow.Blur() != 0) shadowMask.Blur(shadow.Blur());
        Blend().BlendColor(shadowAt.x, shadowAt.y, shadowMask, effect_.Alpha() * shadow.Alpha() / 100,
                           shadow.Color());
        // The text lies over the shadow instead of over a freshly filled box.
        canvas->brush.style = Brush::Style::Clear;
    }

    if (effect_.Blur() != 0) mask.Blur(effect_.Blur());

    const int noise = effect_.Noise();
    const TAATexture& texture = effect_.Texture();
    if (texture.Enabled() && !texture.Picture().Empty()) {
        TextureFill();
        if (noise != 0) AddNoise(noise);
        Blend().BlendForeground(textAt.x, textAt.y, mask, effect_.Alpha());
    } else if (effect_.Gradual().Enabled()) {
        GradualFill();
        if (noise != 0) AddNoise(noise);
        Blend().BlendForeground(textAt.x, textAt.y, mask, effect_.Alpha());
    } else if (noise != 0) {
        NoisyFill(noise);
        Blend().BlendForeground(textAt.x, textAt.y, mask, effect_.Alpha());
    } else {
        Blend().BlendColor(textAt.x, textAt.y, mask, effect_.Alpha(), canvas->font.color);
    }
}

void TAAPainterEx::GradualFill() {
    Bitmap& fore = Blend().ForeBmp();
    ResizeForeBmp(fore, Mask());
    const int w = fore.Width();
    const int h = fore.Height();
    if (w == 0 || h == 0) return;
    const TAAGradual& gradual = effect_.Gradual();
    const TGradualStyle style = gradual.Style();
    const bool horizontal = style == TGradualStyle::gsLeftToRight || style == TGradualStyle::gsRightToLeft ||
                            style == TGradualStyle::gsCenterToLR;
    const bool centre = style == TGradualStyle::gsCenterToLR || style == TGradualStyle::gsCenterToTB;
    const bool forward = style == TGradualStyle::gsLeftToRight || style == TGradualStyle::gsTopToBottom;
    const GlyphRasterizer* system = Canvas() ? Canvas()->rasterizer : nullptr;
    const Rgb start = Channels(ColorToRgb(gradual.StartColor(), system));
    const Rgb end = Channels(ColorToRgb(gradual.EndColor(), system));
    const Rgb from = forward ? start : end;
    const Rgb to = forward ? end : start;

    const int n = horizontal ? w : h;
    const int m = centre ? (n + 1) / 2 : n;
    // ramp[i]: blue, green, red of entry i; the last entry stops one step short of the `to` colour.
    std::vector<std::uint8_t> ramp(3 * static_cast<std::size_t>(n));
    for (int i = 0; i < m; ++i) {
        ramp[3 * i] = ClampByte(from.b + (to.b - from.b) * i / m);
        ramp[3 * i + 1] = ClampByte(from.g + (to.g - from.g) * i / m);
        ramp[3 * i + 2] = ClampByte(from.r + (to.r - from.r) * i / m);
    }
    if (centre)
        for (int u = 0; u < m; ++u)
            std::memcpy(&ramp[3 * (n - 1 - u)], &ramp[3 * u], 3);

    for (int v = 0; v < h; ++v) {
        std::uint8_t* row = fore.Row(v);
        if (horizontal) {
            std::memcpy(row, ramp.data(), ramp.size());
        } else {
            for (int x = 0; x < w; ++x)
                std::memcpy(row + 3 * x, &ramp[3 * v], 3);
        }
    }
}

void TAAPainterEx::TextureFill() {
    Bitmap& fore = Blend().ForeBmp();
    ResizeForeBmp(fore, Mask());
    const int w = fore.Width();
    const int h = fore.Height();
    const GlyphRasterizer* system = Canvas() ? Canvas()->rasterizer : nullptr;
    const std::uint32_t fontColor = ColorToRgb(Canvas() ? Canvas()->font.color : 0, system);
    FillBitmap(fore, fontColor);

    const TPicture& picture = effect_.Texture().Picture();
    if (picture.Empty()) return;
    const int gw = picture.Width();
    const int gh = picture.Height();
    switch (effect_.Texture().Mode()) {
        case TTextureMode::tmTiled:
            for (int i = 0; i <= w / gw; ++i)
                for (int j = 0; j <= h / gh; ++j)
                    picture.Draw(fore, i * gw, j * gh);
            break;
        case TTextureMode::tmStretched:
            if (picture.IsIcon()) {
                // An icon is first made opaque on the default text colour, and that is stretched.
                Bitmap opaque(gw, gh, 24);
                const std::uint32_t windowText =
                    system ? system->SystemColor(kColorWindowText) : ClassicSystemColor(kColorWindowText);
                FillBitmap(opaque, windowText);
                picture.Draw(opaque, 0, 0);
                TPicture flat;
                flat.SetBitmap(std::move(opaque));
                flat.StretchDraw(fore, {0, 0, w, h});
            } else {
                picture.StretchDraw(fore, {0, 0, w, h});
            }
            break;
        case TTextureMode::tmCenter:
            picture.Draw(fore, (w - gw) / 2, (h - gh) / 2);
            break;
        case TTextureMode::tmNormal:
            picture.Draw(fore, 0, 0);
            break;
    }
}

void TAAPainterEx::NoisyFill(int noise) {
    Bitmap& fore = Blend().ForeBmp();
    ResizeForeBmp(fore, Mask());
    const GlyphRasterizer* system = Canvas() ? Canvas()->rasterizer : nullptr;
    const Rgb font = Channels(ColorToRgb(Canvas() ? Canvas()->font.color : 0, system));
    const int half = noise / 2;
    RandomSource& random = *random_;
    for (int y = 0; y < fore.Height(); ++y) {
        std::uint8_t* p = fore.Row(y);
        for (int x = 0; x < fore.Width(); ++x, p += 3) {
            const int r = font.r - half + random.Random(noise);
            const int g = font.g - half + random.Random(noise);
            const int b = font.b - half + random.Random(noise);
            p[0] = ClampByte(b);
            p[1] = ClampByte(g);
            p[2] = ClampByte(r);
        }
    }
}

void TAAPainterEx::AddNoise(int noise) {
    Bitmap& fore = Blend().ForeBmp();
    const int half = noise / 2;
    const std::size_t bytes = 3 * static_cast<std::size_t>(fore.Width());
    RandomSource& random = *random_;
    for (int y = 0; y < fore.Height(); ++y) {
        std::uint8_t* row = fore.Row(y);
        for (std::size_t i = 0; i < bytes; ++i)
            row[i] = ClampByte(row[i] + random.Random(noise) - half);
    }
}

}  // namespace huecast
