#include "aatext/aa_mask.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <string>

#include "aatext/aa_painter.h"
#include "aatext/pixel_math.h"

namespace huecast {

// Index
//   Quality and rows
//   Measuring (TextSizeEx) and the rotated box
//   Rendering (DrawMaskEx) and the four reductions
//   Effect operations: Outline, Blur, Spray, mirrors

int ScaleOf(TAAQuality quality) {
    switch (quality) {
        case TAAQuality::aqHigh:
            return 4;
        case TAAQuality::aqNormal:
            return 3;
        case TAAQuality::aqLow:
            return 2;
        default:
            return 1;
    }
}

namespace {

// The largest side of a supersampled work bitmap (a bitmap's own limit).
constexpr int kMaxWorkSide = 32768;

int RoundUpTo4(int n) {
    return (n + 3) & ~3;
}

int RoundEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

}  // namespace

// ---------------------------------------------------------------------------------------------------------
// Quality and rows

TAAMask::TAAMask(const TAAPainter& owner) : owner_(owner) {}

void TAAMask::Assign(const TAAMask& source) {
    if (&source == this) return;
    width_ = source.width_;
    height_ = source.height_;
    SetQuality(source.quality_);
    workStride_ = source.workStride_;
    bytesPerLine_ = source.bytesPerLine_;
    bits_.assign(source.bits_.begin(), source.bits_.end());
}

void TAAMask::SetQuality(TAAQuality quality) {
    quality_ = quality;
    scale_ = ScaleOf(quality);
}

std::uint8_t* TAAMask::ScanLine(int row) {
    if (row < 0 || row >= height_) throw EInvalidLine();
    return ScanLineOf(row, bits_.data());
}

const std::uint8_t* TAAMask::ScanLine(int row) const {
    if (row < 0 || row >= height_) throw EInvalidLine();
    return ScanLineOf(row, const_cast<std::uint8_t*>(bits_.data()));
}

void TAAMask::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    bytesPerLine_ = RoundUpTo4(width_);
    bits_.assign(static_cast<std::size_t>(bytesPerLine_) * height_, 0);
}

// ---------------------------------------------------------------------------------------------------------
// Measuring

namespace {

FontSpec ScaledFont(const FontSpec& font, int scale) {
    FontSpec scaled = font;
    scaled.height *= scale;
    scaled.width *= scale;
    return scaled;
}

double EscapementAngle(const FontSpec& font) {
    return font.escapement * std::numbers::pi / 1800.0;
}

// The box of a w × h text rotated by theta (counter-clockwise on screen), and the point inside it where the
// rotated text's reference point (its unrotated top-left corner) must go to centre the text in the box.
Size RotatedBox(Size size, double theta, Point* origin) {
    const double hw = size.cx / 2.0;
    const double hh = size.cy / 2.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double corners[4][2] = {{-hw, -hh}, {hw, -hh}, {-hw, hh}, {hw, hh}};
    int xs[4], ys[4];
    for (int i = 0; i < 4; ++i) {
        xs[i] = RoundEven(corners[i][0] * c + corners[i][1] * s);
        ys[i] = RoundEven(-corners[i][0] * s + corners[i][1] * c);
    }
    const Size box{*std::max_element(xs, xs + 4) - *std::min_element(xs, xs + 4),
                   *std::max_element(ys, ys + 4) - *std::min_element(ys, ys + 4)};
    if (origin) *origin = {box.cx / 2 + xs[0], box.cy / 2 + ys[0]};
    return box;
}

}  // namespace

Size TAAMask::TextSize(std::string_view text) const {
    return TextSizeEx(text, nullptr);
}

Size TAAMask::TextSizeEx(std::string_view text, Point* origin) const {
    const AACanvas* canvas = owner_.Canvas();
    if (!canvas || !canvas->rasterizer) return {};
    const FontSpec font = ScaledFont(canvas->font, scale_);
    Size size = canvas->rasterizer->TextExtent(font, text);
    size.cx = (size.cx + scale_ - 1) / scale_;
    size.cy = (size.cy + scale_ - 1) / scale_;
    if (canvas->font.italic && !text.empty())
        size.cx += RoundEven(static_cast<double>(size.cx) / static_cast<double>(text.size()) * 0.3);
    const double theta = EscapementAngle(canvas->font);
    if (theta != 0) size = RotatedBox(size, theta, origin);
    return size;
}

// ---------------------------------------------------------------------------------------------------------
// Rendering

namespace {

// One mask row from `scale` consecutive work rows. The block sums are taken in two passes, the rows of a
// block added column by column into 16-bit sums and then the columns of a block added, so that both passes
// run over contiguous memory and vectorize.
void Reduce4(const std::uint8_t* const* p, std::uint8_t* out, int width, std::uint16_t* columns) {
    const int n = 4 * width;
    for (int j = 0; j < n; ++j)
        columns[j] = static_cast<std::uint16_t>(p[0][j] + p[1][j] + p[2][j] + p[3][j]);
    for (int c = 0; c < width; ++c) {
        const std::uint16_t* q = columns + 4 * c;
        out[c] = static_cast<std::uint8_t>((q[0] + q[1] + q[2] + q[3]) >> 4);
    }
}

// The top-right and bottom-left pixels count half (halved before the sum): weights add up to 8. Column j
// of a block row takes the top pixel halved when j mod 3 = 2 and the bottom one halved when j mod 3 = 0;
// the two masks (0 or 0xFFFF per column) say which, so the column pass has no branch and vectorizes.
void Reduce3(const std::uint8_t* const* p, std::uint8_t* out, int width, std::uint16_t* columns,
             const std::uint16_t* halveTop, const std::uint16_t* halveBottom) {
    const std::uint8_t* top = p[0];
    const std::uint8_t* middle = p[1];
    const std::uint8_t* bottom = p[2];
    const int n = 3 * width;
    for (int j = 0; j < n; ++j) {
        // x >> 1 = x - ceil(x / 2): subtracting the masked ceil leaves exactly the halved pixel.
        const auto topCut = static_cast<std::uint16_t>((top[j] - (top[j] >> 1)) & halveTop[j]);
        const auto bottomCut = static_cast<std::uint16_t>((bottom[j] - (bottom[j] >> 1)) & halveBottom[j]);
        columns[j] = static_cast<std::uint16_t>(top[j] + middle[j] + bottom[j] - topCut - bottomCut);
    }
    for (int c = 0; c < width; ++c) {
        const std::uint16_t* q = columns + 3 * c;
        out[c] = static_cast<std::uint8_t>((q[0] + q[1] + q[2]) >> 3);
    }
}

void Reduce2(const std::uint8_t* const* p, std::uint8_t* out, int width, std::uint16_t* columns) {
    const int n = 2 * width;
    for (int j = 0; j < n; ++j)
        columns[j] = static_cast<std::uint16_t>(p[0][j] + p[1][j]);
    for (int c = 0; c < width; ++c)
        out[c] = static_cast<std::uint8_t>((columns[2 * c] + columns[2 * c + 1]) >> 2);
}

}  // namespace

void TAAMask::DrawMask(std::string_view text) {
    DrawMaskEx(text, TextSize(text), {0, 0});
}

void TAAMask::DrawMaskEx(std::string_view text, Size size, Point origin) {
    const AACanvas* canvas = owner_.Canvas();
    if (!canvas || !canvas->rasterizer) return;
    // Everything that can fail is settled before the mask changes, so a refused line leaves it whole.
    const int width = std::max(size.cx, 0);
    const int height = std::max(size.cy, 0);
    if (width > kMaxWorkSide / scale_ || height > kMaxWorkSide / scale_)
        throw std::length_error("TAAMask: a line of " + std::to_string(width) + " x " +
                                std::to_string(height) + " pixels is too large to render at " +
                                std::to_string(scale_) + " times its size (at most " +
                                std::to_string(kMaxWorkSide) + " work pixels a side)");
    const FontSpec font = ScaledFont(canvas->font, scale_);
    Point start{origin.x * scale_, origin.y * scale_};
    if (EscapementAngle(canvas->font) != 0) {
        Point rotated{};
        TextSizeEx(text, &rotated);
        start.x += rotated.x * scale_;
        start.y += rotated.y * scale_;
    }
    width_ = width;
    height_ = height;
    const int workWidth = width_ * scale_;
    const int workHeight = height_ * scale_;
    workStride_ = RoundUpTo4(workWidth);
    bytesPerLine_ = RoundUpTo4(width_);
    bits_.resize(static_cast<std::size_t>(bytesPerLine_) * height_);  // keeps its capacity between lines
    if (width_ == 0 || height_ == 0) return;

    const std::unique_ptr<GlyphSurface> surface =
        canvas->rasterizer->RenderText(font, workWidth, workHeight, start, text);
    const Bitmap& work = surface->Pixels();
    if (work.Width() < workWidth || work.Height() < workHeight || work.BitsPerPixel() != 8)
        throw std::logic_error("glyph rasterizer returned a work bitmap of the wrong shape");

    const std::uint8_t* rows[4];
    std::vector<std::uint16_t> columns(static_cast<std::size_t>(workWidth));
    std::vector<std::uint16_t> halveTop, halveBottom;
    if (scale_ == 3) {
        halveTop.resize(workWidth);
        halveBottom.resize(workWidth);
        for (int j = 0; j < workWidth; ++j) {
            halveTop[j] = j % 3 == 2 ? 0xFFFF : 0;
            halveBottom[j] = j % 3 == 0 ? 0xFFFF : 0;
        }
    }
    for (int r = 0; r < height_; ++r) {
        for (int i = 0; i < scale_; ++i)
            rows[i] = work.Row(scale_ * r + i);
        std::uint8_t* out = ScanLine(r);
        switch (scale_) {
            case 4:
                Reduce4(rows, out, width_, columns.data());
                break;
            case 3:
                Reduce3(rows, out, width_, columns.data(), halveTop.data(), halveBottom.data());
                break;
            case 2:
                Reduce2(rows, out, width_, columns.data());
                break;
            default:
                std::memcpy(out, rows[0], width_);
                break;
        }
    }
}

// ---------------------------------------------------------------------------------------------------------
// Effect operations

void TAAMask::Outline() {
    if (width_ < 3 || height_ < 3) return;
    const std::vector<std::uint8_t> copy = bits_;
    std::uint8_t* src = const_cast<std::uint8_t*>(copy.data());
    for (int r = 1; r < height_ - 1; ++r) {
        const std::uint8_t* above = ScanLineOf(r - 1, src);
        const std::uint8_t* mid = ScanLineOf(r, src);
        const std::uint8_t* below = ScanLineOf(r + 1, src);
        std::uint8_t* out = ScanLine(r);
        for (int c = 1; c < width_ - 1; ++c) {
            // |d| of bytes fits 8 bits and four of them 10 bits: 16-bit lanes hold everything.
            const auto d1 = static_cast<std::int16_t>(below[c + 1] - above[c - 1]);
            const auto d2 = static_cast<std::int16_t>(below[c] - above[c]);
            const auto d3 = static_cast<std::int16_t>(mid[c + 1] - mid[c - 1]);
            const auto d4 = static_cast<std::int16_t>(below[c - 1] - above[c + 1]);
            const auto sum = static_cast<std::int16_t>((d1 < 0 ? -d1 : d1) + (d2 < 0 ? -d2 : d2) +
                                                       (d3 < 0 ? -d3 : d3) + (d4 < 0 ? -d4 : d4));
            out[c] = static_cast<std::uint8_t>(sum < 1024 ? sum >> 2 : 255);
        }
    }
}

void TAAMask::Blur(int amount) {
    if (amount <= 0 || width_ == 0 || height_ == 0) return;
    amount = std::min(amount, 100);  // beyond 100 the mix would overshoot and wrap
    // k = round(amount × 255 / 100), ties to even, in integers.
    int k = amount * 255 / 100;
    const int rest = amount * 255 % 100;
    if (rest > 50 || (rest == 50 && (k & 1))) ++k;

    const std::vector<std::uint8_t> copy = bits_;
    std::uint8_t* src = const_cast<std::uint8_t*>(copy.data());
    const int w = width_;
    const int last = height_ - 1;
    auto row = [&](int r) { return ScanLineOf(std::clamp(r, 0, last), src); };

    // vertical[c + 2]: sum of the five rows r - 2 .. r + 2 (clamped) in column c, kept as a running sum
    // from row to row (one add and one subtract per pixel), with two clamped columns on each side so that
    // the horizontal window needs no clamping. Sums of up to 25 bytes fit 16 bits, so every loop below
    // works on eight or more pixels per instruction.
    std::vector<std::int16_t> vertical(w + 4, 0);
    std::vector<std::uint8_t> blurred(w);
    std::int16_t* v = vertical.data() + 2;
    for (int dr = -2; dr <= 2; ++dr) {
        const std::uint8_t* p = row(dr);
        for (int c = 0; c < w; ++c)
            v[c] = static_cast<std::int16_t>(v[c] + p[c]);
    }
    for (int r = 0; r <= last; ++r) {
        if (r > 0) {
            const std::uint8_t* add = row(r + 2);
            const std::uint8_t* sub = row(r - 3);
            for (int c = 0; c < w; ++c)
                v[c] = static_cast<std::int16_t>(v[c] + add[c] - sub[c]);
        }
        v[-2] = v[-1] = v[0];
        v[w] = v[w + 1] = v[w - 1];
        // Across the row the five column sums are added directly: a fixed four adds per pixel that
        // vectorize, where a running sum would chain each pixel to the one before it.
        for (int c = 0; c < w; ++c)
            blurred[c] = pixel::DivideBy25Rounded(
                static_cast<std::uint16_t>(v[c - 2] + v[c - 1] + v[c] + v[c + 1] + v[c + 2]));
        std::uint8_t* out = ScanLine(r);
        if (k == 255) {
            std::memcpy(out, blurred.data(), w);
        } else {
            const auto weight = static_cast<std::uint8_t>(k);
            for (int c = 0; c < w; ++c)
                out[c] = pixel::MixToward(out[c], blurred[c], weight);
        }
    }
}

void TAAMask::Spray(int amount, RandomSource& random) {
    if (amount <= 0) return;
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* out = ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            const int r = random.Random(amount + 1);
            const int sx = std::clamp(x + r - random.Random(2 * r), 0, width_ - 1);
            const int sy = std::clamp(y + r - random.Random(2 * r), 0, height_ - 1);
            out[x] = ScanLine(sy)[sx];
        }
    }
}

void TAAMask::HorzMirror() {
    for (int r = 0; r < height_; ++r) {
        std::uint8_t* p = ScanLine(r);
        std::reverse(p, p + width_);
    }
}

void TAAMask::VertMirror() {
    for (int i = 0; i < height_ / 2; ++i)
        std::swap_ranges(ScanLine(i), ScanLine(i) + bytesPerLine_, ScanLine(height_ - 1 - i));
}

}  // namespace huecast
