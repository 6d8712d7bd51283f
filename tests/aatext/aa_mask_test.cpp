#include "aatext/aa_mask.h"

#include <gtest/gtest.h>

#include "aatext/aa_painter.h"
#include "tests/aatext/test_support.h"

namespace huecast {
namespace {

using testing::PatternRasterizer;

struct MaskFixture : ::testing::Test {
    PatternRasterizer rasterizer;
    AACanvas canvas;
    TAAPainter painter{&canvas};
    MaskFixture() {
        canvas.rasterizer = &rasterizer;
        canvas.font.height = -10;
    }
};

TEST(AAQuality, ScalesAndTheDefault) {
    EXPECT_EQ(ScaleOf(TAAQuality::aqHigh), 4);
    EXPECT_EQ(ScaleOf(TAAQuality::aqNormal), 3);
    EXPECT_EQ(ScaleOf(TAAQuality::aqLow), 2);
    EXPECT_EQ(ScaleOf(TAAQuality::aqNone), 1);
    EXPECT_EQ(ScaleOf(static_cast<TAAQuality>(9)), 1);
    TAAPainter painter(nullptr);
    EXPECT_EQ(painter.Quality(), TAAQuality::aqNormal);
    EXPECT_EQ(painter.Mask().Scale(), 3);
    painter.SetQuality(TAAQuality::aqHigh);
    EXPECT_EQ(painter.Mask().Scale(), 4);
}

TEST_F(MaskFixture, FullyInkedBlockIs254OnlyAtNormalQuality) {
    const std::pair<TAAQuality, int> cases[] = {{TAAQuality::aqHigh, 255},
                                                {TAAQuality::aqNormal, 254},
                                                {TAAQuality::aqLow, 255},
                                                {TAAQuality::aqNone, 255}};
    for (auto [quality, want] : cases) {
        painter.SetQuality(quality);
        painter.Mask().DrawMask("ab");
        ASSERT_EQ(painter.Mask().Width(), 20);
        ASSERT_EQ(painter.Mask().Height(), 10);
        EXPECT_EQ(painter.Mask().ScanLine(0)[0], want);
        EXPECT_EQ(painter.Mask().ScanLine(9)[19], want);
    }
}

TEST_F(MaskFixture, ReductionsWeighEachWorkPixel) {
    // One inked work pixel at a time inside the first block: its weight shows in mask pixel (0, 0).
    const struct {
        TAAQuality quality;
        int x, y, want;
    } cases[] = {
        {TAAQuality::aqHigh, 3, 3, 255 >> 4},   {TAAQuality::aqLow, 1, 0, 255 >> 2},
        {TAAQuality::aqNormal, 1, 1, 255 >> 3}, {TAAQuality::aqNormal, 2, 0, 127 >> 3},
        {TAAQuality::aqNormal, 0, 2, 127 >> 3}, {TAAQuality::aqNone, 0, 0, 255},
    };
    for (const auto& c : cases) {
        painter.SetQuality(c.quality);
        rasterizer.ink = [&](int x, int y) { return x == c.x && y == c.y ? 255 : 0; };
        painter.Mask().DrawMask("a");
        EXPECT_EQ(painter.Mask().ScanLine(0)[0], c.want) << int(c.quality) << " " << c.x << "," << c.y;
        EXPECT_EQ(painter.Mask().ScanLine(0)[1], 0);
    }
    // Two half-weight pixels and seven full ones of a 3 × 3 block at grey 200.
    painter.SetQuality(TAAQuality::aqNormal);
    rasterizer.ink = [](int, int) { return 200; };
    painter.Mask().DrawMask("a");
    EXPECT_EQ(painter.Mask().ScanLine(0)[0], (7 * 200 + 2 * 100) >> 3);
}

TEST_F(MaskFixture, RowsAreBottomUpAndPadded) {
    rasterizer.cellWidth = 5;
    painter.SetQuality(TAAQuality::aqNone);
    rasterizer.ink = [](int, int y) { return static_cast<std::uint8_t>(y * 10); };
    painter.Mask().DrawMask("a");
    const TAAMask& mask = painter.Mask();
    EXPECT_EQ(mask.BytesPerLine(), 8);
    EXPECT_EQ(mask.WorkStride(), 8);
    EXPECT_EQ(mask.ScanLine(0), mask.Bits() + 9 * 8) << "row 0 is the last row in memory";
    EXPECT_EQ(mask.ScanLine(0)[0], 0);
    EXPECT_EQ(mask.ScanLine(9)[0], 90);
    EXPECT_EQ(mask.Bits()[0], 90);
}

TEST_F(MaskFixture, ScanLineOutsideTheRowsThrows) {
    painter.Mask().DrawMask("ab");
    EXPECT_THROW(painter.Mask().ScanLine(-1), EInvalidLine);
    EXPECT_THROW(painter.Mask().ScanLine(painter.Mask().Height()), EInvalidLine);
    try {
        painter.Mask().ScanLine(-1);
    } catch (const EInvalidLine& e) {
        EXPECT_STREQ(e.what(), "Invalid line!");
    }
    EXPECT_NO_THROW(painter.Mask().ScanLine(painter.Mask().Height() - 1));
}

TEST_F(MaskFixture, MeasuringScalesTheFontAndRoundsUp) {
    painter.SetQuality(TAAQuality::aqNormal);
    rasterizer.cellWidth = 7;  // 7 × 3 = 21 work pixels per byte
    canvas.font.width = 4;
    const Size size = painter.Mask().TextSize("abc");
    EXPECT_EQ(rasterizer.measuredFonts.back().height, -30);
    EXPECT_EQ(rasterizer.measuredFonts.back().width, 12);
    EXPECT_EQ(size, (Size{21, 10}));

    struct OddExtent : PatternRasterizer {
        Size TextExtent(const FontSpec&, std::string_view) override { return {31, 29}; }
    } odd;
    canvas.rasterizer = &odd;
    EXPECT_EQ(painter.Mask().TextSize("x"), (Size{11, 10}));  // 31 / 3 and 29 / 3 rounded up
}

TEST_F(MaskFixture, ItalicWidening) {
    canvas.font.italic = true;
    painter.SetQuality(TAAQuality::aqNone);
    rasterizer.cellWidth = 20;
    // cx = 140 over 7 bytes: 140 / 7 × 0.3 = 6.
    EXPECT_EQ(painter.Mask().TextSize("abcdefg").cx, 146);
    rasterizer.cellWidth = 15;  // 15 × 0.3 = 4.5: ties go to even
    EXPECT_EQ(painter.Mask().TextSize("a").cx, 19);
    EXPECT_EQ(painter.Mask().TextSize("").cx, 0);
}

TEST_F(MaskFixture, RotatedBoxAndOrigin) {
    painter.SetQuality(TAAQuality::aqNone);
    rasterizer.cellWidth = 20;  // "ab" is 40 × 10
    Point origin{-7, -7};
    canvas.font.escapement = 900;
    EXPECT_EQ(painter.Mask().TextSizeEx("ab", &origin), (Size{10, 40}));
    EXPECT_EQ(origin, (Point{0, 40}));
    canvas.font.escapement = 1800;
    EXPECT_EQ(painter.Mask().TextSizeEx("ab", &origin), (Size{40, 10}));
    EXPECT_EQ(origin, (Point{40, 10}));
    canvas.font.escapement = 0;
    origin = {-7, -7};
    EXPECT_EQ(painter.Mask().TextSizeEx("ab", &origin), (Size{40, 10}));
    EXPECT_EQ(origin, (Point{-7, -7})) << "without rotation the origin is not touched";
}

TEST_F(MaskFixture, RenderingStartsAtTheScaledOriginPlusTheRotatedOne) {
    painter.SetQuality(TAAQuality::aqLow);
    rasterizer.cellWidth = 20;
    painter.Mask().DrawMaskEx("ab", {50, 12}, {3, 4});
    EXPECT_EQ(rasterizer.drawnStarts.back(), (Point{6, 8}));
    EXPECT_EQ(rasterizer.drawnSizes.back(), (Size{100, 24}));
    EXPECT_EQ(painter.Mask().Width(), 50);
    EXPECT_EQ(painter.Mask().Height(), 12);
    EXPECT_EQ(painter.Mask().WorkStride(), 100);
    EXPECT_EQ(painter.Mask().BytesPerLine(), 52);

    canvas.font.escapement = 900;
    painter.Mask().DrawMask("ab");
    EXPECT_EQ(rasterizer.drawnStarts.back(), (Point{0, 80}));
    EXPECT_EQ(rasterizer.drawnFonts.back().escapement, 900);
    EXPECT_EQ(painter.Mask().Width(), 10);
    EXPECT_EQ(painter.Mask().Height(), 40);
}

TEST(AAMaskWithoutCanvas, MeasuresNothingAndKeepsItsContents) {
    TAAPainter painter(nullptr);
    EXPECT_EQ(painter.TextExtent("abc"), (Size{0, 0}));
    painter.Mask().Resize(2, 2);
    painter.Mask().ScanLine(1)[1] = 77;
    painter.Mask().DrawMask("abc");
    EXPECT_EQ(painter.Mask().Width(), 2);
    EXPECT_EQ(painter.Mask().ScanLine(1)[1], 77);
}

TEST_F(MaskFixture, AssignCopiesEverything) {
    painter.SetQuality(TAAQuality::aqHigh);
    rasterizer.ink = [](int x, int y) { return static_cast<std::uint8_t>((x * 7 + y * 3) % 256); };
    painter.Mask().DrawMask("abc");
    TAAMask copy(painter);
    copy.Assign(painter.Mask());
    EXPECT_EQ(copy.Quality(), TAAQuality::aqHigh);
    EXPECT_EQ(copy.Scale(), 4);
    EXPECT_EQ(copy.WorkStride(), painter.Mask().WorkStride());
    EXPECT_EQ(testing::MaskRows(copy), testing::MaskRows(painter.Mask()));
}

TEST_F(MaskFixture, ALineTooLongForItsQualityIsRefusedClearly) {
    painter.SetQuality(TAAQuality::aqHigh);
    rasterizer.cellWidth = 100;  // 100 bytes: 10000 pixels, 40000 work pixels
    const std::string line(100, 'a');
    painter.Mask().DrawMask("ab");
    EXPECT_THROW(painter.Mask().DrawMask(line), std::length_error);
    EXPECT_TRUE(rasterizer.drawnStarts.size() == 1) << "refused before anything was drawn";
    EXPECT_EQ(painter.Mask().Width(), 200) << "the mask keeps its last line";
    EXPECT_EQ(painter.Mask().ScanLine(9)[199], 255);
    painter.SetQuality(TAAQuality::aqNone);
    EXPECT_NO_THROW(painter.Mask().DrawMask(line));
}

TEST_F(MaskFixture, EmptyTextGivesAnEmptyMask) {
    painter.Mask().DrawMask("");
    EXPECT_EQ(painter.Mask().Width(), 0);
    EXPECT_TRUE(rasterizer.drawnStarts.empty());
}

}  // namespace
}  // namespace huecast
