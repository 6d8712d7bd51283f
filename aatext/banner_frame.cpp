#include "aatext/banner_frame.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace huecast {

namespace {

// Copies `count` rows of `from` starting at `fromRow` to `to` from `toRow`: one block when both lay their
// rows out alike and contiguously, else row by row.
void CopyRows(const Bitmap& from, int fromRow, Bitmap& to, int toRow, int count, std::size_t rowBytes) {
    if (count <= 0) return;
    const bool sameLayout = from.Width() == to.Width() && from.Stride() == to.Stride() &&
                            from.RowOrder() == Bitmap::Order::TopDown &&
                            to.RowOrder() == Bitmap::Order::TopDown;
    if (sameLayout) {
        std::memcpy(to.Row(toRow), from.Row(fromRow), from.Stride() * static_cast<std::size_t>(count));
        return;
    }
    for (int i = 0; i < count; ++i)
        std::memcpy(to.Row(toRow + i), from.Row(fromRow + i), rowBytes);
}

// Blends one row of bytes towards the background: v := b + floor((v − b) × f / 256). Written as
// (v × f + b × (256 − f)) >> 8, which is the same value (b × 256 is a whole multiple of 256) and never
// exceeds 16 bits, so the loop runs on 16-bit lanes. A byte equal to the background stays as it is.
void FadeRow(std::uint8_t* row, const std::uint8_t* background, int bytes, int f) {
    const auto keep = static_cast<std::uint16_t>(f);
    const auto give = static_cast<std::uint16_t>(256 - f);
    for (int i = 0; i < bytes; ++i)
        row[i] =
            static_cast<std::uint8_t>(static_cast<std::uint16_t>(row[i] * keep + background[i] * give) >> 8);
}

}  // namespace

void CopyFrameRows(const Bitmap& text, int position, Bitmap& view) {
    const int t = text.Height();
    const int h = view.Height();
    if (t <= 0 || h <= 0 || text.Width() <= 0) return;
    const int width = std::min(text.Width(), view.Width());
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    int p = position % t;
    if (p < 0) p += t;
    // Normally one block (P .. P + H − 1) or two (P .. T − 1, then 0 ..); more only for a text shorter
    // than the view.
    for (int y = 0; y < h;) {
        const int count = std::min(h - y, t - p);
        CopyRows(text, p, view, y, count, rowBytes);
        y += count;
        p = 0;
    }
}

void FadeEdges(Bitmap& view, int fadeHeight, std::uint32_t backRgb) {
    const int h = view.Height();
    if (fadeHeight <= 0 || h <= 0 || view.Width() <= 0) return;
    const int rowBytes = view.Width() * 3;
    std::vector<std::uint8_t> background(static_cast<std::size_t>(rowBytes));
    for (int x = 0; x < view.Width(); ++x) {
        background[3 * x] = static_cast<std::uint8_t>(backRgb >> 16);
        background[3 * x + 1] = static_cast<std::uint8_t>(backRgb >> 8);
        background[3 * x + 2] = static_cast<std::uint8_t>(backRgb);
    }
    // The factor is that of the fade height as set; the rows are only those the view has.
    const int rows = std::min(fadeHeight, h);
    for (int c = 0; c < rows; ++c) {
        const int f = fadeHeight == 1 ? 0 : c * 255 / (fadeHeight - 1);
        FadeRow(view.Row(c), background.data(), rowBytes, f);
        if (h - 1 - c != c) FadeRow(view.Row(h - 1 - c), background.data(), rowBytes, f);
    }
}

}  // namespace huecast
