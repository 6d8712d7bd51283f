#include "aatext/aa_blend.h"

#include <algorithm>

#include "aatext/aa_painter.h"

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

// a = (coverage × k) >> 8; a = 0 keeps d, a = 255 gives s, else d + floor((s − d) × a / 256). Written as a
// select over whole rows so that it vectorizes; a = 0 needs no branch since it adds nothing.
template <int kBytesPerPixel, bool kSolidSource>
void BlendRow(std::uint8_t* dst, const std::uint8_t* coverage, const std::uint8_t* source, int count, int k) {
    for (int c = 0; c < count; ++c) {
        const int a = (coverage[c] * k) >> 8;
        std::uint8_t* d = dst + kBytesPerPixel * c;
        const std::uint8_t* s = kSolidSource ? source : source + 3 * c;
        for (int i = 0; i < 3; ++i) {
            const int mixed = d[i] + (((s[i] - d[i]) * a) >> 8);
            d[i] = static_cast<std::uint8_t>(a == 255 ? s[i] : mixed);
        }
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
    for (int r = clip.firstRow; r < clip.endRow; ++r) {
        std::uint8_t* dst = target.Row(y + r) + bpp * (x + clip.firstCol);
        const std::uint8_t* coverage = mask.ScanLine(r) + clip.firstCol;
        if (fore) {
            const std::uint8_t* src = fore->Row(r) + 3 * clip.firstCol;
            bpp == 3 ? BlendRow<3, false>(dst, coverage, src, count, k)
                     : BlendRow<4, false>(dst, coverage, src, count, k);
        } else {
            bpp == 3 ? BlendRow<3, true>(dst, coverage, color, count, k)
                     : BlendRow<4, true>(dst, coverage, color, count, k);
        }
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
