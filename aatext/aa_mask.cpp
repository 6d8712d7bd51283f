#include "aatext/aa_mask.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>

#include "aatext/aa_painter.h"

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

// One mask row from `scale` consecutive work rows; plain integer loops the compiler can vectorize.
void Reduce4(const std::uint8_t* const* p, std::uint8_t* out, int width) {
    for (int c = 0; c < width; ++c) {
        const int j = 4 * c;
        int sum = 0;
        for (int i = 0; i < 4; ++i)
            sum += p[i][j] + p[i][j + 1] + p[i][j + 2] + p[i][j + 3];
        out[c] = static_cast<std::uint8_t>(sum >> 4);
    }
}

// The top-right and bottom-left pixels count half (halved before the sum): weights add up to 8.
void Reduce3(const std::uint8_t* const* p, std::uint8_t* out, int width) {
    const std::uint8_t* a = p[0];
    const std::uint8_t* b = p[1];
    const std::uint8_t* d = p[2];
    for (int c = 0; c < width; ++c) {
        const int j = 3 * c;
        const int sum = a[j] + a[j + 1] + (a[j + 2] >> 1) + b[j] + b[j + 1] + b[j + 2] + (d[j] >> 1) +
                        d[j + 1] + d[j + 2];
        out[c] = static_cast<std::uint8_t>(sum >> 3);
    }
}

void Reduce2(const std::uint8_t* const* p, std::uint8_t* out, int width) {
    for (int c = 0; c < width; ++c) {
        const int j = 2 * c;
        out[c] = static_cast<std::uint8_t>((p[0][j] + p[0][j + 1] + p[1][j] + p[1][j + 1]) >> 2);
    }
}

}  // namespace

void TAAMask::DrawMask(std::string_view text) {
    DrawMaskEx(text, TextSize(text), {0, 0});
}

void TAAMask::DrawMaskEx(std::string_view text, Size size, Point origin) {
    const AACanvas* canvas = owner_.Canvas();
    if (!canvas || !canvas->rasterizer) return;
    width_ = std::max(size.cx, 0);
    height_ = std::max(size.cy, 0);
    const FontSpec font = ScaledFont(canvas->font, scale_);
    Point start{origin.x * scale_, origin.y * scale_};
    if (EscapementAngle(canvas->font) != 0) {
        Point rotated{};
        TextSizeEx(text, &rotated);
        start.x += rotated.x * scale_;
        start.y += rotated.y * scale_;
    }
    const int workWidth = width_ * scale_;
    const int workHeight = height_ * scale_;
    workStride_ = RoundUpTo4(workWidth);
    bytesPerLine_ = RoundUpTo4(width_);
    bits_.resize(static_cast<std::size_t>(bytesPerLine_) * height_);  // keeps its capacity between lines
    if (width_ == 0 || height_ == 0) return;

    const std::unique_ptr<GlyphSurface> surface =
        canvas->rasterizer->DrawText(font, workWidth, workHeight, start, text);
    const Bitmap& work = surface->Pixels();
    if (work.Width() < workWidth || work.Height() < workHeight || work.BitsPerPixel() != 8)
        throw std::logic_error("glyph rasterizer returned a work bitmap of the wrong shape");

    const std::uint8_t* rows[4];
    for (int r = 0; r < height_; ++r) {
        for (int i = 0; i < scale_; ++i)
            rows[i] = work.Row(scale_ * r + i);
        std::uint8_t* out = ScanLine(r);
        switch (scale_) {
            case 4:
                Reduce4(rows, out, width_);
                break;
            case 3:
                Reduce3(rows, out, width_);
                break;
            case 2:
                Reduce2(rows, out, width_);
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
            const int d1 = below[c + 1] - above[c - 1];
            const int d2 = below[c] - above[c];
            const int d3 = mid[c + 1] - mid[c - 1];
            const int d4 = below[c - 1] - above[c + 1];
            const int s = std::abs(d1) + std::abs(d2) + std::abs(d3) + std::abs(d4);
            out[c] = static_cast<std::uint8_t>(s < 1024 ? s >> 2 : 255);
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

    // vertical[c + 2]: sum of the five rows r - 2 .. r + 2 (clamped) in column c; two clamped columns on
    // each side so that the horizontal window needs no clamping either. Both sums run: each output row
    // and column costs one add and one subtract, whatever the window.
    std::vector<int> vertical(w + 4, 0);
    int* v = vertical.data() + 2;
    for (int dr = -2; dr <= 2; ++dr) {
        const std::uint8_t* p = row(dr);
        for (int c = 0; c < w; ++c)
            v[c] += p[c];
    }
    for (int r = 0; r <= last; ++r) {
        if (r > 0) {
            const std::uint8_t* add = row(r + 2);
            const std::uint8_t* sub = row(r - 3);
            for (int c = 0; c < w; ++c)
                v[c] += add[c] - sub[c];
        }
        v[-2] = v[-1] = v[0];
        v[w] = v[w + 1] = v[w - 1];
        std::uint8_t* out = ScanLine(r);
        int sum = v[-2] + v[-1] + v[0] + v[1] + v[2];
        for (int c = 0; c < w; ++c) {
            if (c > 0) sum += v[c + 2] - v[c - 3];
            const int b = (sum + 12) / 25;  // S / 25 rounded: a tie (x.5) cannot occur
            const int p = out[c];
            out[c] = static_cast<std::uint8_t>(k == 255 ? b : p + (((b - p) * k) >> 8));
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
