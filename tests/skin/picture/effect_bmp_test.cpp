#include "skin/picture/effect_bmp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace huecast::skin {
namespace {

// A bitmap whose every channel is a function of (x, y, channel).
template <typename F>
TEffectBmp Filled(int w, int h, F f) {
    TEffectBmp bmp(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int i = 0; i < 3; ++i)
                bmp.ScanLine(y)[3 * x + i] = static_cast<std::uint8_t>(f(x, y, i));
    return bmp;
}

TEffectBmp Solid(int w, int h, int b, int g, int r) {
    const int c[3] = {b, g, r};
    return Filled(w, h, [&](int, int, int i) { return c[i]; });
}

bool SamePixels(const TEffectBmp& a, const TEffectBmp& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int i = 0; i < 3 * a.Width(); ++i)
            if (a.ScanLine(y)[i] != b.ScanLine(y)[i]) return false;
    return true;
}

// Straight per-pixel transcriptions of the morph rules, to hold the row-wise versions to.
std::uint8_t MixRef(double f, int n, int a) {
    return static_cast<std::uint8_t>(std::clamp(std::nearbyint(f * n + (1 - f) * a), 0.0, 255.0));
}

void CenterGradientRef(TEffectBmp& n, const TEffectBmp& a, double k) {
    const int w = n.Width(), h = n.Height();
    auto set = [&](int x, int y, double f) {
        for (int i = 0; i < 3; ++i)
            n.ScanLine(y)[3 * x + i] = MixRef(f, n.ScanLine(y)[3 * x + i], a.ScanLine(y)[3 * x + i]);
    };
    const bool horz = w >= h;
    const int len = horz ? w : h;
    const int e = static_cast<int>(std::nearbyint(len * k));
    const int f = horz ? (len - e) / 2 : ((len - 1) - e) / 2;
    const double s = f == 0 ? (horz ? 1.0 : 0.0) : 1.0 / f;
    const int o = std::max(0, len / 2 - e / 2), q = std::min(len - 1, e / 2 + len / 2);
    for (int other = 0; other < (horz ? h : w); ++other) {
        auto at = [&](int p, double fw) { horz ? set(p, other, fw) : set(other, p, fw); };
        for (int p = o; p <= q; ++p)
            at(p, 0);
        double F = 0;
        for (int p = o; p >= 0; --p)
            at(p, F), F = std::min(1.0, F + s);
        F = 0;
        for (int p = q; p <= len - 1; ++p)
            at(p, F), F = std::min(1.0, F + s);
    }
}

void LeftGradientRef(TEffectBmp& n, const TEffectBmp& a, double k) {
    const int w = n.Width();
    const int ap = std::min(std::max(static_cast<int>(std::nearbyint(w * k)), 1), w - 1);
    for (int y = 0; y < n.Height(); ++y) {
        double F = 0;
        for (int x = 0; x <= ap; ++x, F = std::min(1.0, F + 1.0 / ap))
            for (int i = 0; i < 3; ++i)
                n.ScanLine(y)[3 * x + i] = MixRef(F, n.ScanLine(y)[3 * x + i], a.ScanLine(y)[3 * x + i]);
    }
}

void RightGradientRef(TEffectBmp& n, const TEffectBmp& a, double k) {
    const int w = n.Width();
    const int ap = std::min(std::max(w - static_cast<int>(std::nearbyint(w * k)), 0), w - 1);
    const double step = w - ap <= 0 ? 1.0 : 1.0 / (w - ap);
    for (int y = 0; y < n.Height(); ++y) {
        double F = 0;
        for (int x = w - 1; x >= ap; --x, F = std::min(1.0, F + step))
            for (int i = 0; i < 3; ++i)
                n.ScanLine(y)[3 * x + i] = MixRef(F, n.ScanLine(y)[3 * x + i], a.ScanLine(y)[3 * x + i]);
    }
}

TEST(EffectBmpLayout, RowsArePaddedToFourBytesTopDown) {
    for (int w : {1, 2, 3, 4, 5, 7}) {
        TEffectBmp bmp(w, 3);
        EXPECT_EQ(bmp.Stride(), TEffectBmp::StrideFor(w));
        EXPECT_EQ(bmp.Stride(), 3u * w + w % 4);
        EXPECT_EQ(bmp.ScanLine(2) - bmp.ScanLine(0), static_cast<std::ptrdiff_t>(2 * bmp.Stride()));
    }
}

TEST(EffectBmpLayout, ViewWorksOnForeignMemoryInPlace) {
    std::vector<std::uint8_t> memory(TEffectBmp::StrideFor(5) * 2, 10);
    TEffectBmp bmp = TEffectBmp::View(memory.data(), 5, 2);
    bmp.Invert();
    EXPECT_EQ(memory[0], 245);
    EXPECT_EQ(memory[TEffectBmp::StrideFor(5) + 14], 245);
    EXPECT_EQ(memory[15], 10) << "row padding is not a pixel";
}

TEST(EffectBmpLayout, ConvertsOtherDepths) {
    Bitmap grey(2, 2, 8, Bitmap::Order::BottomUp);
    grey.Palette() = {0x000000, 0x112233};
    grey.Row(0)[1] = 1;
    TEffectBmp bmp(grey);
    EXPECT_EQ(bmp.ScanLine(0)[3], 0x11);  // blue of 0x00BBGGRR
    EXPECT_EQ(bmp.ScanLine(0)[5], 0x33);
    EXPECT_EQ(bmp.ScanLine(1)[3], 0);
}

TEST(EffectBmpMorph, BlendEndsAndClamping) {
    const TEffectBmp normal = Filled(7, 3, [](int x, int y, int i) { return x * 30 + y + i; });
    const TEffectBmp active = Filled(7, 3, [](int x, int y, int i) { return 250 - x * 20 - y - i; });
    for (double k : {0.0, -0.5}) {
        TEffectBmp n = normal;
        n.MorphBlend(active, k);
        EXPECT_TRUE(SamePixels(n, normal)) << k;
    }
    for (double k : {1.0, 2.5}) {
        TEffectBmp n = normal;
        n.MorphBlend(active, k);
        EXPECT_TRUE(SamePixels(n, active)) << k;
    }
}

TEST(EffectBmpMorph, BlendMatchesTheDoubleFormulaForEveryPairOfBytes) {
    // Pixel (x, y): every channel of the normal look is x and of the active look y, so one blend covers
    // all 65536 pairs; the factors include the morph timer's own accumulated steps.
    const TEffectBmp normal = Filled(256, 256, [](int x, int, int) { return x; });
    const TEffectBmp active = Filled(256, 256, [](int, int y, int) { return y; });
    std::vector<double> factors = {0.0, 1e-9, 0.25, 0.5, 1.0 / 3, 0.7000000000000001, 0.999999999, 1.0};
    for (double k = 0.1; k < 1; k += 0.1)
        factors.push_back(k);
    UniformRandom random(3);
    for (int i = 0; i < 6; ++i)
        factors.push_back(random.Random(1 << 30) / double(1 << 30));
    for (double k : factors) {
        TEffectBmp got = normal;
        got.MorphBlend(active, k);
        const double keep = 1 - k;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(got.ScanLine(y)[3 * x + 1], std::nearbyint(keep * x + k * y))
                    << "k " << k << " n " << x << " a " << y;
    }
}

TEST(EffectBmpMorph, BlendRoundsHalfToEven) {
    TEffectBmp n = Solid(1, 1, 0, 0, 1);
    n.MorphBlend(Solid(1, 1, 1, 3, 4), 0.5);  // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
    EXPECT_EQ(n.ScanLine(0)[0], 0);
    EXPECT_EQ(n.ScanLine(0)[1], 2);
    EXPECT_EQ(n.ScanLine(0)[2], 2);
}

TEST(EffectBmpMorph, DifferentSizesChangeNothing) {
    const TEffectBmp normal = Solid(6, 4, 1, 2, 3);
    const TEffectBmp active = Solid(6, 5, 200, 200, 200);
    for (int kind = 0; kind <= 6; ++kind) {
        TEffectBmp n = normal;
        n.Morph(static_cast<MorphKind>(kind), active, 0.5);
        EXPECT_TRUE(SamePixels(n, normal)) << kind;
    }
}

TEST(EffectBmpMorph, LeftGradientAtZeroIsAOnePixelRamp) {
    TEffectBmp n = Solid(5, 2, 10, 10, 10);
    n.MorphLeftGradient(Solid(5, 2, 200, 200, 200), 0);
    EXPECT_EQ(n.ScanLine(1)[0], 200);
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(n.ScanLine(1)[3 * x], 10) << x;
}

TEST(EffectBmpMorph, GradientsMatchThePerPixelRules) {
    for (auto [w, h] :
         {std::pair{10, 1}, {9, 4}, {3, 8}, {4, 9}, {1, 1}, {2, 2}, {33, 7}, {256, 200}, {90, 256}}) {
        const TEffectBmp normal =
            Filled(w, h, [](int x, int y, int i) { return (x * 37 + y * 11 + i * 5) % 256; });
        const TEffectBmp active =
            Filled(w, h, [](int x, int y, int i) { return (255 - x * 13 + y * 3 + i) % 256; });
        for (double k : {0.0, 0.1, 0.3, 0.5, 0.7000000000000001, 0.9999999999999999, 1.0}) {
            TEffectBmp got = normal, want = normal;
            got.MorphCenterGradient(active, k);
            CenterGradientRef(want, active, k);
            EXPECT_TRUE(SamePixels(got, want)) << "centre " << w << "x" << h << " k " << k;
            got = normal, want = normal;
            got.MorphLeftGradient(active, k);
            LeftGradientRef(want, active, k);
            EXPECT_TRUE(SamePixels(got, want)) << "left " << w << "x" << h << " k " << k;
            got = normal, want = normal;
            got.MorphRightGradient(active, k);
            RightGradientRef(want, active, k);
            EXPECT_TRUE(SamePixels(got, want)) << "right " << w << "x" << h << " k " << k;
        }
    }
}

TEST(EffectBmpMorph, CenterGradientBandAndRamp) {
    TEffectBmp n = Solid(10, 1, 0, 0, 0);
    n.MorphCenterGradient(Solid(10, 1, 100, 100, 100), 0);
    // e = 0, band is column 5 only, ramp length 5 (step 0.2) on both sides.
    const int want[10] = {0, 20, 40, 60, 80, 100, 80, 60, 40, 20};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(n.ScanLine(0)[3 * x], want[x]) << x;
    TEffectBmp full = Solid(10, 1, 0, 0, 0);
    full.MorphCenterGradient(Solid(10, 1, 100, 100, 100), 1);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(full.ScanLine(0)[3 * x], 100) << x;
    TEffectBmp past = Solid(10, 1, 0, 0, 0);  // out-of-range factors stay inside the bitmap
    past.MorphCenterGradient(Solid(10, 1, 100, 100, 100), -1);
    past.MorphCenterGradient(Solid(10, 1, 100, 100, 100), 3);
}

TEST(EffectBmpMorph, PushAndSlides) {
    const TEffectBmp normal = Filled(4, 1, [](int x, int, int) { return x; });
    const TEffectBmp active = Filled(4, 1, [](int x, int, int) { return 10 + x; });
    TEffectBmp push = normal;
    push.MorphPush(active, 0.5);  // a = 2
    const int pushWant[4] = {11, 12, 13, 0};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(push.ScanLine(0)[3 * x], pushWant[x]);
    push = normal;
    push.MorphPush(active, 0);  // the active look's last column already shows
    const int pushZero[4] = {13, 0, 1, 2};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(push.ScanLine(0)[3 * x], pushZero[x]);

    TEffectBmp left = normal;
    left.MorphLeftSlide(active, 0.25);  // c = 1
    const int leftWant[4] = {13, 1, 2, 3};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(left.ScanLine(0)[3 * x], leftWant[x]);
    TEffectBmp right = normal;
    right.MorphRightSlide(active, 1);  // c = 3 at most
    const int rightWant[4] = {0, 10, 11, 12};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(right.ScanLine(0)[3 * x], rightWant[x]);
}

TEST(EffectBmpEffects, BrightnessDarknessGrayscaleInvert) {
    TEffectBmp black = Solid(3, 2, 0, 0, 0);
    black.Brightness(0.5);
    EXPECT_EQ(black.ScanLine(1)[8], 128);  // 127.5 rounds to even 128
    TEffectBmp white = Solid(3, 2, 255, 255, 255);
    white.Darkness(0.3);
    EXPECT_EQ(white.ScanLine(0)[0], 178);  // 178.5 rounds to even 178
    TEffectBmp red = Solid(2, 2, 0, 0, 255);
    red.Grayscale();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(red.ScanLine(1)[i], 76);
    TEffectBmp mixed = Solid(1, 1, 10, 20, 30);
    mixed.Invert();
    EXPECT_EQ(mixed.ScanLine(0)[0], 245);
    EXPECT_EQ(mixed.ScanLine(0)[2], 225);
    TEffectBmp clamped = Solid(1, 1, 100, 100, 100);
    clamped.Brightness(7);  // amounts are clamped to 0..1
    EXPECT_EQ(clamped.ScanLine(0)[0], 255);
}

class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}
    int Random(int n) override {
        calls.push_back(n);
        return values_[next_++ % values_.size()];
    }
    std::vector<int> calls;

  private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

TEST(EffectBmpEffects, NoiseDrawsOneNumberPerPixelAndClamps) {
    TEffectBmp bmp = Filled(3, 1, [](int x, int, int) { return x == 0 ? 5 : x == 1 ? 100 : 250; });
    ScriptedRandom random({0, 25, 49});
    bmp.Noise(50, random);
    EXPECT_EQ(random.calls, (std::vector<int>{50, 50, 50}));
    EXPECT_EQ(bmp.ScanLine(0)[0], 0);    // 5 - 25 clamps
    EXPECT_EQ(bmp.ScanLine(0)[3], 100);  // 100 + 0
    EXPECT_EQ(bmp.ScanLine(0)[8], 255);  // 250 + 24 clamps
}

TEST(EffectBmpEffects, SplitBlurReadsBlurredRowsAboveAndOwnPixelsPastEdges) {
    const TEffectBmp original = Filled(4, 3, [](int x, int y, int) { return x * 40 + y * 10; });
    TEffectBmp bmp = original;
    bmp.SplitBlur(1);
    auto px = [](const TEffectBmp& b, int x, int y) { return static_cast<int>(b.ScanLine(y)[3 * x]); };
    // Row 0: upper row is the row itself, lower is row 1 (original).
    EXPECT_EQ(px(bmp, 0, 0),
              (px(original, 0, 0) + px(original, 0, 1) + px(original, 1, 0) + px(original, 1, 1)) / 4);
    // Last column: right column is the pixel's own.
    EXPECT_EQ(px(bmp, 3, 0),
              (px(original, 2, 0) + px(original, 2, 1) + px(original, 3, 0) + px(original, 3, 1)) / 4);
    // Row 1 reads row 0 already blurred and row 2 original.
    EXPECT_EQ(px(bmp, 1, 1), (px(bmp, 0, 0) + px(original, 0, 2) + px(bmp, 2, 0) + px(original, 2, 2)) / 4);
    // Last row: lower row is the row itself (original), upper row 1 blurred.
    EXPECT_EQ(px(bmp, 1, 2), (px(bmp, 0, 1) + px(original, 0, 2) + px(bmp, 2, 1) + px(original, 2, 2)) / 4);

    TEffectBmp same = original;
    same.SplitBlur(0);
    same.SplitBlur(-2);
    EXPECT_TRUE(SamePixels(same, original));
    same.SplitBlur(100);  // every read falls back to the pixel itself
    EXPECT_TRUE(SamePixels(same, original));
}

TEST(EffectBmpEffects, SplitBlurMatchesThePerPixelRuleAtEveryDistance) {
    for (auto [w, h] : {std::pair{1, 1}, {2, 5}, {9, 4}, {37, 11}}) {
        const TEffectBmp original =
            Filled(w, h, [](int x, int y, int i) { return (x * 53 + y * 29 + i * 71) % 256; });
        for (int n : {1, 2, 3, 5, 40}) {
            TEffectBmp want = original;
            std::vector<std::uint8_t> row(3 * w);
            for (int y = 0; y < h; ++y) {
                const int up = y - n < 0 ? y : y - n, down = y + n > h - 1 ? y : y + n;
                for (int x = 0; x < w; ++x) {
                    const int l = x - n < 0 ? x : x - n, r = x + n > w - 1 ? x : x + n;
                    for (int i = 0; i < 3; ++i)
                        row[3 * x + i] = static_cast<std::uint8_t>(
                            (want.ScanLine(up)[3 * l + i] + want.ScanLine(down)[3 * l + i] +
                             want.ScanLine(up)[3 * r + i] + want.ScanLine(down)[3 * r + i]) /
                            4);
                }
                want.WriteRow(y, row);
            }
            TEffectBmp got = original;
            got.SplitBlur(n);
            EXPECT_TRUE(SamePixels(got, want)) << w << "x" << h << " distance " << n;
        }
    }
}

TEST(EffectBmpEffects, InactiveEffectsUseTheirFixedAmounts) {
    TEffectBmp a = Solid(2, 2, 0, 0, 0), b = Solid(2, 2, 0, 0, 0);
    a.ApplyInactiveEffect(InactiveEffect::Brightness);
    b.Brightness(0.5);
    EXPECT_TRUE(SamePixels(a, b));
    a = Solid(2, 2, 255, 255, 255), b = a;
    a.ApplyInactiveEffect(InactiveEffect::Darkness);
    b.Darkness(0.3);
    EXPECT_TRUE(SamePixels(a, b));
    ScriptedRandom random({7});
    a.ApplyInactiveEffect(InactiveEffect::Noise, random);
    EXPECT_EQ(random.calls.front(), 50);
}

}  // namespace
}  // namespace huecast::skin
