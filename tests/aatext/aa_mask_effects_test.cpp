#include <gtest/gtest.h>

#include <cmath>

#include "aatext/aa_painter.h"
#include "tests/aatext/test_support.h"

namespace huecast {
namespace {

using Rows = std::vector<std::vector<int>>;

// The blur as the rule reads, evaluated directly over the 5 × 5 window.
Rows DirectBlur(const Rows& in, int amount) {
    const int h = static_cast<int>(in.size()), w = static_cast<int>(in[0].size());
    const int k = static_cast<int>(std::nearbyint(amount * 255 / 100.0));
    Rows out = in;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            int sum = 0;
            for (int dr = -2; dr <= 2; ++dr)
                for (int dc = -2; dc <= 2; ++dc)
                    sum += in[std::clamp(r + dr, 0, h - 1)][std::clamp(c + dc, 0, w - 1)];
            const int b = static_cast<int>(std::nearbyint(sum / 25.0));
            const int p = in[r][c];
            out[r][c] = k == 255 ? b : p + static_cast<int>(std::floor((b - p) * k / 256.0));
        }
    return out;
}

struct MaskOps : ::testing::Test {
    TAAPainter painter{nullptr};
    TAAMask& mask = painter.Mask();
};

TEST_F(MaskOps, BlurEqualsTheDirectFiveByFiveEvaluation) {
    UniformRandom random(42);
    for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {5, 5}, {7, 4}, {33, 17}, {64, 9}}) {
        Rows rows(h, std::vector<int>(w));
        for (auto& row : rows)
            for (int& v : row)
                v = random.Random(3) == 0 ? random.Random(256) : (random.Random(2) ? 255 : 0);
        for (int amount : {1, 3, 37, 50, 99, 100}) {
            testing::SetMask(mask, rows);
            mask.Blur(amount);
            ASSERT_EQ(testing::MaskRows(mask), DirectBlur(rows, amount))
                << w << "x" << h << " amount " << amount;
        }
    }
}

TEST_F(MaskOps, SingleInkedPixelBlursToTen) {
    Rows rows(9, std::vector<int>(9, 0));
    rows[4][4] = 255;
    testing::SetMask(mask, rows);
    mask.Blur(100);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const bool near = std::abs(r - 4) <= 2 && std::abs(c - 4) <= 2;
            EXPECT_EQ(mask.ScanLine(r)[c], near ? 10 : 0) << r << "," << c;
        }
}

TEST_F(MaskOps, WeakBlurRisesOnlyFarBelowTheAverage) {
    // Blur 1 gives k = 3: a rise needs (b - p) × 3 >= 256; a drop is at least 1.
    Rows flat(5, std::vector<int>(5, 100));
    flat[2][2] = 14;  // average (24 × 100 + 14) / 25 = 96.56 -> 97; rise 83 × 3 / 256 < 1
    testing::SetMask(mask, flat);
    mask.Blur(1);
    EXPECT_EQ(mask.ScanLine(2)[2], 14);
    EXPECT_EQ(mask.ScanLine(0)[0], 99) << "100 above its average 97 drops by 1";
    flat[2][2] = 0;  // average 96, rise 96 × 3 / 256 = 1.1
    testing::SetMask(mask, flat);
    mask.Blur(1);
    EXPECT_EQ(mask.ScanLine(2)[2], 1);
    testing::SetMask(mask, flat);
    mask.Blur(250);  // beyond 100 behaves as 100 instead of overshooting
    EXPECT_EQ(mask.ScanLine(2)[2], 96);
    testing::SetMask(mask, flat);
    mask.Blur(0);
    EXPECT_EQ(mask.ScanLine(2)[2], 0);
}

TEST_F(MaskOps, OutlineOfInteriorPixels) {
    testing::SetMask(mask, {{0, 0, 0, 0}, {0, 255, 255, 0}, {0, 255, 255, 0}, {0, 0, 0, 0}});
    mask.Outline();
    // Pixel (1, 1): d1 = 255, d2 = 255, d3 = 255, d4 = 0 -> 765 >> 2 = 191.
    EXPECT_EQ(testing::MaskRows(mask),
              (Rows{{0, 0, 0, 0}, {0, 191, 191, 0}, {0, 191, 191, 0}, {0, 0, 0, 0}}));
    testing::SetMask(mask, {{0, 255, 0}, {255, 0, 255}});
    mask.Outline();
    EXPECT_EQ(testing::MaskRows(mask), (Rows{{0, 255, 0}, {255, 0, 255}})) << "two rows stay as they are";
}

TEST_F(MaskOps, SprayDrawsThreeNumbersPerPixelAndCopiesInPlace) {
    testing::SetMask(mask, {{10, 20, 30}, {40, 50, 60}});
    // Pixel (0,0): r = 1, sx = 0 + 1 - 0 = 1, sy = 0 + 1 - 0 = 1 -> 50. Then zeros: each pixel copies itself.
    testing::ScriptedRandom random({1, 0, 0, 0});
    mask.Spray(4, random);
    EXPECT_EQ(random.calls[0], 5);
    EXPECT_EQ(random.calls[1], 2);
    EXPECT_EQ(random.calls[2], 2);
    EXPECT_EQ(mask.ScanLine(0)[0], 50);
    testing::ScriptedRandom none;
    mask.Spray(0, none);
    EXPECT_TRUE(none.calls.empty());
}

TEST_F(MaskOps, SprayReadsAlreadyScatteredPixels) {
    testing::SetMask(mask, {{10, 20, 30}});
    // (0,0): r = 0 -> itself; (1,0): r = 2, sx = 1 + 2 - 3 = 0 -> 10; (2,0): r = 2, sx = 2 + 2 - 3 = 1, which
    // by now holds 10.
    testing::ScriptedRandom random({0, 2, 3, 0, 2, 3, 0});
    mask.Spray(3, random);
    EXPECT_EQ(testing::MaskRows(mask), (Rows{{10, 10, 10}}));
}

TEST_F(MaskOps, Mirrors) {
    testing::SetMask(mask, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    mask.HorzMirror();
    EXPECT_EQ(testing::MaskRows(mask), (Rows{{3, 2, 1}, {6, 5, 4}, {9, 8, 7}}));
    mask.VertMirror();
    EXPECT_EQ(testing::MaskRows(mask), (Rows{{9, 8, 7}, {6, 5, 4}, {3, 2, 1}}));
}

}  // namespace
}  // namespace huecast
