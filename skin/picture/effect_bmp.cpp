#include "skin/picture/effect_bmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace huecast::skin {

namespace {

// Round half to even in the default rounding mode, written so that loops over rows vectorize: adding and
// removing 1.5 × 2^52 leaves the nearest integer (ties to even) for every |x| < 2^51.
inline double RoundEven(double x) {
    constexpr double kMagic = 6755399441055744.0;
    return (x + kMagic) - kMagic;
}

inline std::uint8_t ClampByte(int v) {
    return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

inline int RoundToInt(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// n[i] := round(wn × n[i] + wa × a[i]) over a run of bytes. Written so that it vectorizes (conversions,
// two products, one sum and the rounding trick per byte, as the per-pixel rule computes them).
void MixRun(std::uint8_t* n, const std::uint8_t* a, std::size_t bytes, double wn, double wa) {
    for (std::size_t i = 0; i < bytes; ++i)
        n[i] = ClampByte(static_cast<int>(RoundEven(wn * n[i] + wa * a[i])));
}

// The same with a weight pair per byte.
void MixRun(std::uint8_t* n, const std::uint8_t* a, std::size_t bytes, const double* wn, const double* wa) {
    for (std::size_t i = 0; i < bytes; ++i)
        n[i] = ClampByte(static_cast<int>(RoundEven(wn[i] * n[i] + wa[i] * a[i])));
}

// Per-byte weights (F, 1 - F) of a row whose pixel x has ramp weight f[x].
struct ByteWeights {
    std::vector<double> normal, active;
    explicit ByteWeights(const std::vector<double>& f) : normal(3 * f.size()), active(3 * f.size()) {
        for (std::size_t x = 0; x < f.size(); ++x)
            for (int i = 0; i < 3; ++i) {
                normal[3 * x + i] = f[x];
                active[3 * x + i] = 1 - f[x];
            }
    }
};

// Weights of a ramp: entry i is the weight of the i-th pixel from where the ramp starts; the weight starts
// at 0 and grows by `step` per pixel up to 1, accumulated exactly as the pixel loop would.
std::vector<double> RampWeights(int count, double step) {
    std::vector<double> weights(std::max(count, 0));
    double f = 0;
    for (double& w : weights) {
        w = f;
        f = std::min(1.0, f + step);
    }
    return weights;
}

}  // namespace

TEffectBmp::TEffectBmp(int width, int height) : pixels_(width, height, 24, Bitmap::Order::TopDown) {}

TEffectBmp::TEffectBmp(const Bitmap& source) : pixels_(source.Width(), source.Height(), 24) {
    const int w = source.Width();
    for (int y = 0; y < source.Height(); ++y) {
        std::uint8_t* out = pixels_.Row(y);
        const std::uint8_t* in = source.Row(y);
        switch (source.BitsPerPixel()) {
            case 24:
                std::memcpy(out, in, 3 * static_cast<std::size_t>(w));
                break;
            case 32:
                for (int x = 0; x < w; ++x)
                    std::memcpy(out + 3 * x, in + 4 * x, 3);
                break;
            default:
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t c = source.PixelColor(x, y);  // 0x00BBGGRR through the palette
                    out[3 * x] = static_cast<std::uint8_t>(c >> 16);
                    out[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
                    out[3 * x + 2] = static_cast<std::uint8_t>(c);
                }
        }
    }
}

TEffectBmp TEffectBmp::View(std::uint8_t* pixels, int width, int height) {
    TEffectBmp bmp;
    bmp.pixels_ = Bitmap::View(pixels, width, height, 24, Bitmap::Order::TopDown);
    return bmp;
}

void TEffectBmp::ReadRow(int y, std::span<std::uint8_t> buffer) const {
    std::memcpy(buffer.data(), ScanLine(y), std::min(buffer.size(), 3 * static_cast<std::size_t>(Width())));
}

void TEffectBmp::WriteRow(int y, std::span<const std::uint8_t> buffer) {
    std::memcpy(ScanLine(y), buffer.data(), std::min(buffer.size(), 3 * static_cast<std::size_t>(Width())));
}

void TEffectBmp::Morph(MorphKind kind, const TEffectBmp& active, double k) {
    switch (kind) {
        case MorphKind::Default:
            return MorphBlend(active, k);
        case MorphKind::Gradient:
            return MorphCenterGradient(active, k);
        case MorphKind::LeftGradient:
            return MorphLeftGradient(active, k);
        case MorphKind::RightGradient:
            return MorphRightGradient(active, k);
        case MorphKind::LeftSlide:
            return MorphLeftSlide(active, k);
        case MorphKind::RightSlide:
            return MorphRightSlide(active, k);
        case MorphKind::Push:
            return MorphPush(active, k);
    }
    MorphBlend(active, k);  // an unknown stored value is the default kind
}

void TEffectBmp::MorphBlend(const TEffectBmp& active, double k) {
    if (!SameSize(active)) return;
    k = std::clamp(k, 0.0, 1.0);
    const double keep = 1 - k;
    const std::size_t bytes = 3 * static_cast<std::size_t>(Width());
    for (int y = 0; y < Height(); ++y) {
        std::uint8_t* n = ScanLine(y);
        const std::uint8_t* a = active.ScanLine(y);
        MixRun(n, a, bytes, keep, k);
    }
}

void TEffectBmp::MorphCenterGradient(const TEffectBmp& active, double k) {
    if (!SameSize(active)) return;
    // Past 0..1 the band's start would leave the bitmap; the morph timer only ever means the ends.
    k = std::clamp(k, 0.0, 1.0);
    const int w = Width();
    const int h = Height();
    const bool alongRows = w >= h;
    const int length = alongRows ? w : h;
    const int e = RoundToInt(length * k);
    int rampLength;
    double step;
    if (alongRows) {
        rampLength = (length - e) / 2;
        step = rampLength == 0 ? 1.0 : 1.0 / rampLength;
    } else {
        rampLength = ((length - 1) - e) / 2;
        step = rampLength == 0 ? 0.0 : 1.0 / rampLength;
    }
    const int bandStart = std::max(0, length / 2 - e / 2);
    const int bandEnd = std::min(length - 1, e / 2 + length / 2);

    // weight[i]: the F of position i along the gradient. The band and both ramp starts have F = 0, which
    // gives exactly the active look.
    std::vector<double> weight(length, 0.0);
    const std::vector<double> left = RampWeights(bandStart + 1, step);
    for (int i = 0; i <= bandStart; ++i)
        weight[bandStart - i] = left[i];
    const std::vector<double> right = RampWeights(length - bandEnd, step);
    for (int i = 0; i < length - bandEnd; ++i)
        weight[bandEnd + i] = right[i];

    const std::size_t bytes = 3 * static_cast<std::size_t>(w);
    if (alongRows) {
        const ByteWeights weights(weight);
        for (int y = 0; y < h; ++y)
            MixRun(ScanLine(y), active.ScanLine(y), bytes, weights.normal.data(), weights.active.data());
    } else {
        for (int y = 0; y < h; ++y)
            MixRun(ScanLine(y), active.ScanLine(y), bytes, weight[y], 1 - weight[y]);
    }
}

void TEffectBmp::MorphLeftGradient(const TEffectBmp& active, double k) {
    if (!SameSize(active)) return;
    const int w = Width();
    const int a = std::min(std::max(RoundToInt(w * k), 1), w - 1);
    const ByteWeights weights(RampWeights(a + 1, a > 0 ? 1.0 / a : 1.0));
    const std::size_t bytes = 3 * static_cast<std::size_t>(a + 1);
    for (int y = 0; y < Height(); ++y)
        MixRun(ScanLine(y), active.ScanLine(y), bytes, weights.normal.data(), weights.active.data());
}

void TEffectBmp::MorphRightGradient(const TEffectBmp& active, double k) {
    if (!SameSize(active)) return;
    const int w = Width();
    const int a = std::min(std::max(w - RoundToInt(w * k), 0), w - 1);
    const double step = w - a <= 0 ? 1.0 : 1.0 / (w - a);
    // The ramp runs leftwards from the last column; its weights are laid out left to right here.
    std::vector<double> weight = RampWeights(w - a, step);
    std::reverse(weight.begin(), weight.end());
    const ByteWeights weights(weight);
    const std::size_t bytes = 3 * static_cast<std::size_t>(w - a);
    for (int y = 0; y < Height(); ++y)
        MixRun(ScanLine(y) + 3 * a, active.ScanLine(y) + 3 * a, bytes, weights.normal.data(),
               weights.active.data());
}

void TEffectBmp::MorphLeftSlide(const TEffectBmp& active, double k) {
    if (!SameSize(active)) return;
    const int w = Width();
    const int c = std::min(std::max(RoundToInt(w * k), 1), w - 1);
    if (c <= 0) return;
    for (int y = 0; y < Height(); ++y)
        std::memcpy(ScanLine(y), active.ScanLine(y) + 3 * (w - c), 3 * c);
}

void TEffectBmp::MorphRightSlide(const TEffectBmp& active, double k) {
    if (!SameSize(active)) return;
    const int w = Width();
    const int c = std::min(std::max(RoundToInt(w * k), 1), w - 1);
    if (c <= 0) return;
    for (int y = 0; y < Height(); ++y)
        std::memcpy(ScanLine(y) + 3 * (w - c), active.ScanLine(y), 3 * c);
}

void TEffectBmp::MorphPush(const TEffectBmp& active, double k) {
    if (!SameSize(active)) return;
    const int w = Width();
    const int a = std::clamp(RoundToInt(w * k), 0, w - 1);
    for (int y = 0; y < Height(); ++y) {
        std::uint8_t* n = ScanLine(y);
        std::memmove(n + 3 * (a + 1), n, 3 * static_cast<std::size_t>(w - a - 1));
        std::memcpy(n, active.ScanLine(y) + 3 * (w - a - 1), 3 * static_cast<std::size_t>(a + 1));
    }
}

void TEffectBmp::ApplyInactiveEffect(InactiveEffect effect, RandomSource& random) {
    switch (effect) {
        case InactiveEffect::Brightness:
            return Brightness(0.5);
        case InactiveEffect::Darkness:
            return Darkness(0.3);
        case InactiveEffect::Grayscale:
            return Grayscale();
        case InactiveEffect::Noise:
            return Noise(50, random);
        case InactiveEffect::SplitBlur:
            return SplitBlur(1);
        case InactiveEffect::Invert:
            return Invert();
    }
    Grayscale();  // an unknown stored value reads as grayscale
}

namespace {

// Every channel of every row through a table of 256 results.
void MapChannels(Bitmap& pixels, const std::uint8_t (&table)[256]) {
    const std::size_t bytes = 3 * static_cast<std::size_t>(pixels.Width());
    for (int y = 0; y < pixels.Height(); ++y) {
        std::uint8_t* row = pixels.Row(y);
        for (std::size_t i = 0; i < bytes; ++i)
            row[i] = table[row[i]];
    }
}

}  // namespace

void TEffectBmp::Brightness(double amount) {
    const double k = std::clamp(amount, 0.0, 1.0);
    std::uint8_t table[256];
    for (int c = 0; c < 256; ++c)
        table[c] = ClampByte(static_cast<int>(RoundEven((1 - k) * c + k * 255)));
    MapChannels(pixels_, table);
}

void TEffectBmp::Darkness(double amount) {
    const double k = std::clamp(amount, 0.0, 1.0);
    std::uint8_t table[256];
    for (int c = 0; c < 256; ++c)
        table[c] = ClampByte(static_cast<int>(RoundEven((1 - k) * c)));
    MapChannels(pixels_, table);
}

void TEffectBmp::Invert() {
    const std::size_t bytes = 3 * static_cast<std::size_t>(Width());
    for (int y = 0; y < Height(); ++y) {
        std::uint8_t* row = ScanLine(y);
        for (std::size_t i = 0; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(255 - row[i]);
    }
}

void TEffectBmp::Grayscale() {
    // The products are the same doubles as 0.3 × red etc. computed per pixel, so the sums round alike.
    double red[256], green[256], blue[256];
    for (int c = 0; c < 256; ++c) {
        red[c] = 0.3 * c;
        green[c] = 0.59 * c;
        blue[c] = 0.11 * c;
    }
    for (int y = 0; y < Height(); ++y) {
        std::uint8_t* p = ScanLine(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            const std::uint8_t g =
                ClampByte(static_cast<int>(RoundEven(red[p[2]] + green[p[1]] + blue[p[0]])));
            p[0] = p[1] = p[2] = g;
        }
    }
}

void TEffectBmp::Noise(int amount, RandomSource& random) {
    if (amount <= 0) return;
    const int half = amount / 2;
    for (int y = 0; y < Height(); ++y) {
        std::uint8_t* p = ScanLine(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            const int d = random.Random(amount) - half;
            for (int i = 0; i < 3; ++i)
                p[i] = ClampByte(p[i] + d);
        }
    }
}

void TEffectBmp::SplitBlur(int distance) {
    // A negative distance would read outside the bitmap; it has no meaning.
    if (distance <= 0) return;
    const int w = Width();
    const int h = Height();
    std::vector<std::uint8_t> out(3 * static_cast<std::size_t>(w));
    // Columns distance .. w - 1 - distance read both neighbours at a fixed byte offset, which vectorizes;
    // only the columns nearer an edge, which read their own column on that side, need an index.
    const int firstInner = std::min(distance, w);
    const int endInner = std::max(firstInner, w - distance);
    const std::size_t shift = 3 * static_cast<std::size_t>(distance);
    auto edgePixel = [&](const std::uint8_t* upper, const std::uint8_t* lower, int x) {
        const int l = 3 * (x - distance < 0 ? x : x - distance);
        const int r = 3 * (x + distance > w - 1 ? x : x + distance);
        for (int i = 0; i < 3; ++i)
            out[3 * x + i] =
                static_cast<std::uint8_t>((upper[l + i] + lower[l + i] + upper[r + i] + lower[r + i]) / 4);
    };
    for (int y = 0; y < h; ++y) {
        // Rows above are already blurred (the operation works in place from the top); row y and below
        // are still the original, since the row is written back only when it is complete.
        const std::uint8_t* upper = ScanLine(y - distance < 0 ? y : y - distance);
        const std::uint8_t* lower = ScanLine(y + distance > h - 1 ? y : y + distance);
        for (int x = 0; x < firstInner; ++x)
            edgePixel(upper, lower, x);
        for (std::size_t i = 3 * static_cast<std::size_t>(firstInner);
             i < 3 * static_cast<std::size_t>(endInner); ++i)
            out[i] = static_cast<std::uint8_t>(
                (upper[i - shift] + lower[i - shift] + upper[i + shift] + lower[i + shift]) / 4);
        for (int x = endInner; x < w; ++x)
            edgePixel(upper, lower, x);
        std::memcpy(ScanLine(y), out.data(), out.size());
    }
}

}  // namespace huecast::skin
