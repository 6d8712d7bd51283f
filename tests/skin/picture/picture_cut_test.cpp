// The picture cutter, the nine-piece cut, the mask scan and the 24-bit picture cache, on pictures whose
// every pixel names where it came from.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/picture/mask_runs.h"
#include "skin/format/picture_cache.h"
#include "skin/picture/picture_cut.h"

namespace huecast::skin {
namespace {

// Pixel (x, y) of a source is blue x, green y, red 200; the target starts red 0, so untouched pixels show.
Bitmap Coded(int w, int h) {
    Bitmap b(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixelColor(x, y, static_cast<std::uint32_t>(x << 16 | y << 8 | 200));
    return b;
}
Point Origin(const Bitmap& b, int x, int y) {
    const std::uint32_t c = b.PixelColor(x, y);
    if ((c & 0xFF) != 200) return {-1, -1};
    return {static_cast<int>(c >> 16), static_cast<int>(c >> 8 & 0xFF)};
}
SkinPieces Pieces(Size skin, Point lt, Point rt, Point lb, Point rb, Rect cl) {
    return {skin, lt, rt, lb, rb, cl, ResizeModeOf(skin, rt, lb, rb)};
}

TEST(PictureCut, HorizontalButtonKeepsItsEndsAndTilesTheMiddleCuttingTheLastTile) {
    const Bitmap picture = Coded(80, 30);
    const Rect r{1, 2, 70, 27};  // 69 × 25
    const SkinPieces p = Pieces({69, 25}, {9, 12}, {58, 13}, {}, {}, {});
    const PieceMapping m = FitToSkin(p, {95, 20});
    Bitmap out(m.size.cx, m.size.cy, 24);
    CutPicture(picture, r, p, m, out);
    for (int y : {0, 13, 24}) {
        for (int x = 0; x < 9; ++x) EXPECT_EQ(Origin(out, x, y), (Point{1 + x, 2 + y}));
        // The 49-pixel middle from x = 9: one whole tile, then 26 columns of the next.
        for (int x = 9; x < 84; ++x) EXPECT_EQ(Origin(out, x, y), (Point{1 + 9 + (x - 9) % 49, 2 + y})) << x;
        for (int x = 84; x < 95; ++x) EXPECT_EQ(Origin(out, x, y), (Point{1 + 58 + (x - 84), 2 + y}));
    }
}

TEST(PictureCut, VerticalTilesDownwardsAndFixedCopiesTheRectWhole) {
    const Bitmap picture = Coded(40, 70);
    const SkinPieces v = Pieces({19, 60}, {0, 19}, {}, {0, 41}, {}, {});
    const PieceMapping m = FitToSkin(v, {15, 121});
    Bitmap out(m.size.cx, m.size.cy, 24);
    CutPicture(picture, {10, 5, 29, 65}, v, m, out);
    for (int y = 0; y < 121; ++y) {
        const int sy = y < 19 ? y : y >= 102 ? 41 + (y - 102) : 19 + (y - 19) % 22;
        EXPECT_EQ(Origin(out, 18, y), (Point{28, 5 + sy})) << y;
    }
    const SkinPieces f = Pieces({6, 4}, {}, {}, {}, {}, {});
    Bitmap fixed(6, 4, 24);
    CutPicture(picture, {3, 3, 9, 7}, f, FitToSkin(f, {50, 50}), fixed);
    EXPECT_EQ(Origin(fixed, 0, 0), (Point{3, 3}));
    EXPECT_EQ(Origin(fixed, 5, 3), (Point{8, 6}));
}

TEST(PictureCut, FreeModeCopiesCornersAndTilesEdgesAndClient) {
    const Bitmap picture = Coded(40, 40);
    // The built-in list box's points: 2-pixel frame, 36 × 36 client.
    const SkinPieces p = Pieces({40, 40}, {2, 2}, {38, 2}, {2, 38}, {38, 38}, {2, 2, 38, 38});
    const PieceMapping m = FitToSkin(p, {100, 90});
    Bitmap out(100, 90, 24);
    CutPicture(picture, {0, 0, 40, 40}, p, m, out);
    EXPECT_EQ(Origin(out, 0, 0), (Point{0, 0}));
    EXPECT_EQ(Origin(out, 99, 0), (Point{39, 0}));
    EXPECT_EQ(Origin(out, 0, 89), (Point{0, 39}));
    EXPECT_EQ(Origin(out, 99, 89), (Point{39, 39}));
    EXPECT_EQ(Origin(out, 2 + 36 + 5, 1), (Point{2 + 5, 1}));        // top band, second tile
    EXPECT_EQ(Origin(out, 1, 2 + 36 + 7), (Point{1, 2 + 7}));        // left band, second tile
    EXPECT_EQ(Origin(out, 98, 60), (Point{38, 2 + 58 % 36}));        // right band
    EXPECT_EQ(Origin(out, 50, 88), (Point{2 + 48 % 36, 38}));        // bottom band
    EXPECT_EQ(Origin(out, 97, 87), (Point{2 + 95 % 36, 2 + 85 % 36}));  // client, last tiles cut
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_NE(Origin(out, x, y).x, -1) << x << "," << y;
}

// Faults of untrusted skins: rects beyond the picture, pieces of length 0, empty and tiny targets.
TEST(PictureCut, UntrustedSkinsAreClippedAndNeverFail) {
    const Bitmap picture = Coded(20, 20);
    const SkinPieces zeroPieces = Pieces({20, 20}, {5, 5}, {5, 5}, {5, 15}, {5, 15}, {5, 5, 5, 15});
    for (Size size : {Size{0, 0}, Size{1, 1}, Size{3, 300}, Size{2000, 2}}) {
        const PieceMapping m = FitToSkin(zeroPieces, size);
        Bitmap out(std::max(size.cx, 1), std::max(size.cy, 1), 24);
        CutPicture(picture, {0, 0, 20, 20}, zeroPieces, m, out);
    }
    // A skin rect far beyond the picture, and one partly beyond it.
    const SkinPieces free = Pieces({40, 40}, {2, 2}, {38, 2}, {2, 38}, {38, 38}, {2, 2, 38, 38});
    Bitmap out(60, 60, 24);
    CutPicture(picture, {500, 500, 540, 540}, free, FitToSkin(free, {60, 60}), out);
    EXPECT_EQ(Origin(out, 0, 0).x, -1);
    CutPicture(picture, {-20, -20, 20, 20}, free, FitToSkin(free, {60, 60}), out);
    // Points beyond the skin rect and an inverted client rect.
    const SkinPieces wild = Pieces({10, 10}, {30, -4}, {-7, 50}, {90, 2}, {-3, 8}, {9, 9, 1, 1});
    CutPicture(picture, {0, 0, 10, 10}, wild, FitToSkin(wild, {7, 70}), out);
    // A look rect larger than the skin rect (an untrusted active rect) stays within the mapped size.
    const SkinPieces fixed = Pieces({4, 4}, {}, {}, {}, {}, {});
    Bitmap guarded(6, 6, 24);
    CutPicture(picture, {0, 0, 6, 6}, fixed, FitToSkin(fixed, {9, 9}), guarded);
    EXPECT_EQ(Origin(guarded, 3, 3), (Point{3, 3}));
    EXPECT_EQ(Origin(guarded, 4, 0).x, -1);
    EXPECT_EQ(Origin(guarded, 0, 4).x, -1);
    // Every copy stays inside the target: a target of 1 × 1 is written at most at (0, 0).
    Bitmap tiny(1, 1, 24);
    CutNinePiece(picture, {0, 0, 20, 20}, {8, 8}, {12, 12}, tiny, {-5, -5, 30, 30});
    TilePiece(picture, {0, 0, 0, 5}, tiny, {0, 0, 1, 1});
    CopyPiece(picture, {15, 15, 40, 40}, tiny, {0, 0});
    EXPECT_EQ(Origin(tiny, 0, 0), (Point{15, 15}));
}

TEST(PictureCut, NinePieceAndEndOffsetCutsKeepTheirEnds) {
    const Bitmap picture = Coded(30, 20);
    Bitmap out(80, 40, 24);
    // A list item: 30 × 20 with 4 fixed columns on the left and 6 on the right.
    CutHorizontalEnds(picture, {0, 0, 30, 20}, 4, 6, out, {10, 10, 70, 30});
    EXPECT_EQ(Origin(out, 9, 10).x, -1);
    EXPECT_EQ(Origin(out, 10, 10), (Point{0, 0}));
    EXPECT_EQ(Origin(out, 14, 29), (Point{4, 19}));
    EXPECT_EQ(Origin(out, 14 + 20 + 3, 15), (Point{4 + 3, 5}));
    EXPECT_EQ(Origin(out, 64, 12), (Point{24, 2}));
    EXPECT_EQ(Origin(out, 69, 12), (Point{29, 2}));
    EXPECT_EQ(Origin(out, 70, 12).x, -1);
    Bitmap column(10, 50, 24);
    CutVerticalEnds(picture, {0, 0, 10, 20}, 3, 3, column, {0, 0, 10, 50});
    EXPECT_EQ(Origin(column, 2, 49), (Point{2, 19}));
    EXPECT_EQ(Origin(column, 2, 3 + 14), (Point{2, 3}));
}

TEST(PictureCut, RefusesBitmapsThatAreNot24Bits) {
    const Bitmap eight(4, 4, 8);
    Bitmap out(4, 4, 24);
    EXPECT_THROW(CopyPiece(eight, {0, 0, 4, 4}, out, {0, 0}), std::invalid_argument);
}

TEST(PictureCache, TurnsPalettedAndWidePicturesInto24Bits) {
    Bitmap paletted(3, 2, 8, Bitmap::Order::BottomUp);
    paletted.Palette() = {0x000000FF, 0x00FF0000};
    paletted.Row(0)[0] = 1;
    paletted.Row(1)[2] = 200;  // beyond the palette: black
    Bitmap wide(2, 1, 32);
    wide.SetPixelColor(1, 0, 0x00123456);
    SkinPictureCache cache;
    const Bitmap pictures[] = {paletted, wide, Bitmap(0, 0, 24)};
    cache.Build(pictures);
    ASSERT_NE(cache.Picture(0), nullptr);
    EXPECT_EQ(cache.Picture(0)->BitsPerPixel(), 24);
    EXPECT_EQ(cache.Picture(0)->PixelColor(0, 0), 0x00FF0000u);
    EXPECT_EQ(cache.Picture(0)->PixelColor(1, 0), 0x000000FFu);
    EXPECT_EQ(cache.Picture(0)->PixelColor(2, 1), 0u);
    EXPECT_EQ(cache.Picture(1)->PixelColor(1, 0), 0x00123456u);
    EXPECT_TRUE(cache.Picture(2)->Empty());
    EXPECT_EQ(cache.Picture(3), nullptr);
    EXPECT_EQ(cache.Picture(-1), nullptr);
}

Bitmap Mask(std::initializer_list<const char*> rows) {
    const int w = static_cast<int>(std::strlen(*rows.begin())), h = static_cast<int>(rows.size());
    Bitmap b(w, h, 24);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < w; ++x) b.SetPixelColor(x, y, row[x] == '#' ? 0 : 0xFFFFFF);
        ++y;
    }
    return b;
}

TEST(MaskRuns, CollectsBlackRunsRowByRow) {
    const Bitmap mask = Mask({"##..#", ".....", "#####"});
    const std::vector<Rect> runs = MaskRuns(mask);
    EXPECT_EQ(runs, (std::vector<Rect>{{0, 0, 2, 1}, {4, 0, 5, 1}, {0, 2, 5, 3}}));
    EXPECT_TRUE(MaskRuns(Bitmap(0, 0, 24)).empty());
    // No cap: a large checkered mask gives every one of its runs.
    Bitmap big(2000, 100, 24);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 2000; ++x) big.SetPixelColor(x, y, (x + y) % 2 ? 0xFFFFFF : 0);
    EXPECT_EQ(MaskRuns(big).size(), 100'000u);
}

TEST(MaskRuns, AShapeIsTheCutMaskWithTheMappedClientRect) {
    // Rounded corners at the left and right ends of a horizontal element.
    const Bitmap mask = Mask({".######.", "########", ".######."});
    const SkinPieces p = Pieces({8, 3}, {2, 0}, {6, 0}, {}, {}, {2, 1, 6, 2});
    const auto shape = ShapeRuns(mask, {0, 0, 8, 3}, p, FitToSkin(p, {12, 3}));
    ASSERT_TRUE(shape);
    EXPECT_EQ(*shape, (std::vector<Rect>{{1, 0, 11, 1}, {0, 1, 12, 2}, {1, 2, 11, 3}, {2, 1, 10, 2}}));
    // Narrower than its end pieces: no shape at all.
    EXPECT_FALSE(ShapeRuns(mask, {0, 0, 8, 3}, p, FitToSkin(p, {3, 3})));
    const SkinPieces none = Pieces({0, 0}, {}, {}, {}, {}, {});
    EXPECT_FALSE(ShapeRuns(mask, {0, 0, 8, 3}, none, FitToSkin(none, {8, 3})));
}

}  // namespace
}  // namespace huecast::skin
