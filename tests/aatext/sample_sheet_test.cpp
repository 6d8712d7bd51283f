#include "tests/aatext/sample_sheet.h"

#include <gtest/gtest.h>

#include "aatext/synthetic_rasterizer.h"
#include "tests/aatext/bmp_file.h"

namespace huecast {
namespace {

TEST(SampleSheet, EveryLineLeavesInkAndSmoothEdges) {
    SyntheticRasterizer rasterizer;
    const std::string line = "Huecast \xBB\xAA\xB2\xCA\xCE\xC4\xD7\xD6 glyphs";
    const Bitmap sheet = testing::DrawSampleSheet(rasterizer, line, 20);
    testing::Snapshot(sheet, "aatext_synthetic_sheet");
    // Each row band holds ink, and the supersampled rows hold grey levels between ink and paper.
    const int rowHeight = 48;
    for (int band = 0; band < 11; ++band) {
        int inked = 0, grey = 0;
        for (int y = band * rowHeight; y < (band + 1) * rowHeight && y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width(); ++x) {
                const std::uint32_t c = sheet.PixelColor(x, y);
                inked += c != 0xFFFFFF;
                const int g = c & 0xFF;
                grey += g > 0x30 && g < 0xF0;
            }
        EXPECT_GT(inked, 100) << "band " << band;
        if (band < 3) {
            EXPECT_GT(grey, 20) << "band " << band;
        }
    }
}

}  // namespace
}  // namespace huecast
