#include "aatext/aa_blend.h"

#include <algorithm>
#include <vector>

#include "aatext/aa_painter.h"
#include "aatext/pixel_math.h"

namespace huecast {

namespace {

// The canvas rectangle the mask covers at (x, y), clipped; in mask coordinates via the offsets.
struct Clip {
    int firstRow, endRow, firstCol, endCol;
    bool Empty() const { return firstRow >= endRow || firstCol >= endCol; }
};

Clip ClipTo(const Bitmap& target, int x, int y, const TAAMask& mask) {
    return {std::max(0, -y), std::min(mask.Height(), target.Height() - y), std::max(0, -x),
            std::min(mask.Width(), target.Width() - x)};
}

// d := a = 255 ? s : d + floor((s − d) × a / 256) over a run of bytes with a weight per byte. a = 0 needs
// no case of its own: it adds nothing.
void BlendBytes(std::uint8_t* d, const std::uint8_t* s, const std::uint8_t* a, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t mixed = pixel::MixToward(d[i], s[i], a[i]);
        d[i] = a[i] == 255 ? s[i] : mixed;
    }
}

// The weight of every byte of a row: (coverage × k) >> 8 for the colour bytes of each pixel and 0 for the
// fourth byte of a 32-bit pixel, which is left alone.
void ByteWeights(const std::uint8_t* coverage, int count, int k, int bytesPerPixel, std::uint8_t* weights) {
    for (int c = 0; c < count; ++c) {
        const auto a = static_cast<std::uint8_t>((coverage[c] * k) >> 8);
        std::uint8_t* w = weights + bytesPerPixel * c;
        w[0] = w[1] = w[2] = a;
        if (bytesPerPixel == 4) w[3] = 0;
    }
}

template <int kBytesPerPixel>
void FillRow(std::uint8_t* dst, const std::uint8_t* bgr, int count) {
    for (int c = 0; c < count; ++c)
        for (int i = 0; i < 3; ++i)
            dst[kBytesPerPixel * c + i] = bgr[i];
}

void Bgr(std::uint32_t rgb, std::uint8_t* out) {
    out[0] = static_cast<std::uint8_t>(rgb >> 16);
    out[1] = static_cast<std::uint8_t>(rgb >> 8);
    out[2] = static_cast<std::uint8_t>(rgb);
}

// Background and blend of one mask onto the canvas; `fore` is null for a solid colour.
void Composite(const AACanvas& canvas, int x, int y, const TAAMask& mask, int alpha,
               const std::uint8_t* color, const Bitmap* fore) {
    Bitmap& target = *canvas.target;
    const int bpp = target.BitsPerPixel() / 8;
    if (bpp != 3 && bpp != 4) return;
    const Clip clip = ClipTo(target, x, y, mask);
    if (clip.Empty()) return;
    const int count = clip.endCol - clip.firstCol;
    if (canvas.brush.style == Brush::Style::Solid) {
        std::uint8_t brush[3];
        Bgr(ColorToRgb(canvas.brush.color, canvas.rasterizer), brush);
        for (int r = clip.firstRow; r < clip.endRow; ++r) {
            std::uint8_t* dst = target.Row(y + r) + bpp * (x + clip.firstCol);
            bpp == 3 ? FillRow<3>(dst, brush, count) : FillRow<4>(dst, brush, count);
        }
    }
    const int k = std::clamp(alpha, 0, 100) * 256 / 100;
    if (k == 0) return;
    const std::size_t rowBytes = static_cast<std::size_t>(bpp) * count;
    std::vector<std::uint8_t> weights(rowBytes);
    std::vector<std::uint8_t> source(rowBytes);
    if (!fore)
        for (int c = 0; c < count; ++c)
            std::copy(color, color + 3, &source[bpp * c]);
    for (int r = clip.firstRow; r < clip.endRow; ++r) {
        ByteWeights(mask.ScanLine(r) + clip.firstCol, count, k, bpp, weights.data());
        const std::uint8_t* src = source.data();
        if (fore) {
            const std::uint8_t* foreRow = fore->Row(r) + 3 * clip.firstCol;
            if (bpp == 3) {
                src = foreRow;
            } else {
                for (int c = 0; c < count; ++c)
                    std::copy(foreRow + 3 * c, foreRow + 3 * c + 3, &source[4 * c]);
            }
        }
        BlendBytes(target.Row(y + r) + bpp * (x + clip.firstCol), src, weights.data(), rowBytes);
    }
}

}  // namespace

TAABlend::TAABlend(const TAAPainter& owner) : owner_(owner) {}

void TAABlend::Assign(const TAABlend& source) {
    if (&source != this) foreBmp_ = source.foreBmp_;
}

void TAABlend::BlendColor(int x, int y, const TAAMask& mask, int alpha, std::uint32_t color) {
    const AACanvas* canvas = owner_.Canvas();
    if (!canvas || !canvas->target) return;
    std::uint8_t bgr[3];
    Bgr(ColorToRgb(color, canvas->rasterizer), bgr);
    Composite(*canvas, x, y, mask, alpha, bgr, nullptr);
}

void TAABlend::BlendForeground(int x, int y, const TAAMask& mask, int alpha) {
    const AACanvas* canvas = owner_.Canvas();
    if (!canvas || !canvas->target) return;
    if (foreBmp_.BitsPerPixel() != 24 || foreBmp_.Width() != mask.Width() ||
        foreBmp_.Height() != mask.Height())
        throw EInvalidForeBmp();
    Composite(*canvas, x, y, mask, alpha, nullptr, &foreBmp_);
}

}  // namespace huecast
