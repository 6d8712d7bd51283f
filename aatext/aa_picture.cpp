#include "aatext/aa_picture.h"

#include <algorithm>
#include <stdexcept>

namespace huecast {

namespace {

// Blue, green, red and alpha of pixel x of `row` in a bitmap of any depth.
void ReadPixel(const Bitmap& bmp, int x, int y, std::uint8_t* bgra) {
    const std::uint8_t* row = bmp.Row(y);
    switch (bmp.BitsPerPixel()) {
        case 32:
            std::copy(row + 4 * x, row + 4 * x + 4, bgra);
            return;
        case 24:
            std::copy(row + 3 * x, row + 3 * x + 3, bgra);
            bgra[3] = 255;
            return;
        default: {
            const std::uint32_t c = bmp.PixelColor(x, y);
            bgra[0] = static_cast<std::uint8_t>(c >> 16);
            bgra[1] = static_cast<std::uint8_t>(c >> 8);
            bgra[2] = static_cast<std::uint8_t>(c);
            bgra[3] = 255;
        }
    }
}

}  // namespace

void TPicture::SetBitmap(Bitmap bitmap) {
    graphic_ = std::move(bitmap);
    icon_ = false;
    Notify();
}

void TPicture::SetIcon(Bitmap icon) {
    if (!icon.Empty() && icon.BitsPerPixel() != 32)
        throw std::invalid_argument("TPicture: an icon has 32 bits per pixel");
    graphic_ = std::move(icon);
    icon_ = true;
    Notify();
}

void TPicture::Clear() {
    graphic_ = Bitmap(0, 0, 24);
    icon_ = false;
    Notify();
}

void TPicture::Assign(const TPicture& source) {
    if (&source == this) return;
    graphic_ = source.graphic_;
    icon_ = source.icon_;
    Notify();
}

void TPicture::Draw(Bitmap& target, int x, int y) const {
    const int bpp = target.BitsPerPixel() / 8;
    if (Empty() || (bpp != 3 && bpp != 4)) return;
    const int firstRow = std::max(0, -y), endRow = std::min(Height(), target.Height() - y);
    const int firstCol = std::max(0, -x), endCol = std::min(Width(), target.Width() - x);
    for (int r = firstRow; r < endRow; ++r) {
        std::uint8_t* out = target.Row(y + r);
        for (int c = firstCol; c < endCol; ++c) {
            std::uint8_t px[4];
            ReadPixel(graphic_, c, r, px);
            std::uint8_t* d = out + bpp * (x + c);
            const int a = icon_ ? px[3] : 255;
            if (a == 0) continue;
            for (int i = 0; i < 3; ++i)
                d[i] = static_cast<std::uint8_t>(d[i] + (px[i] - d[i]) * a / 255);
        }
    }
}

void TPicture::StretchDraw(Bitmap& target, const Rect& rect) const {
    const int bpp = target.BitsPerPixel() / 8;
    if (Empty() || rect.IsEmpty() || (bpp != 3 && bpp != 4)) return;
    const Rect clip = rect.Intersect({0, 0, target.Width(), target.Height()});
    for (int ty = clip.top; ty < clip.bottom; ++ty) {
        const int sy = static_cast<int>(static_cast<long long>(ty - rect.top) * Height() / rect.Height());
        std::uint8_t* out = target.Row(ty);
        for (int tx = clip.left; tx < clip.right; ++tx) {
            const int sx = static_cast<int>(static_cast<long long>(tx - rect.left) * Width() / rect.Width());
            std::uint8_t px[4];
            ReadPixel(graphic_, sx, sy, px);
            std::copy(px, px + 3, out + bpp * tx);
        }
    }
}

}  // namespace huecast
