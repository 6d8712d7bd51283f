#include "aatext/synthetic_rasterizer.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

TEST(SyntheticRasterizer, DoubleByteCellsAreSquare) {
    SyntheticRasterizer rasterizer;
    FontSpec font;
    font.height = -16;
    EXPECT_EQ(rasterizer.TextExtent(font, "ab"), (Size{16, 16}));
    EXPECT_EQ(rasterizer.TextExtent(font, "\xD6\xD0\xCE\xC4"), (Size{32, 16}));
    EXPECT_EQ(rasterizer.TextExtent(font, "\xD6"), (Size{8, 16})) << "a lone lead byte is one cell";
    const auto surface = rasterizer.RenderText(font, 40, 20, {0, 0}, "\xD6\xD0");
    int inked = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            inked += surface->Pixels().Row(y)[x] == 255;
    EXPECT_GT(inked, 40);
    EXPECT_EQ(surface->Pixels().Row(0)[20], 0) << "nothing beyond the text";
}

}  // namespace
}  // namespace huecast
