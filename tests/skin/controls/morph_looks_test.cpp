#include "skin/controls/morph_looks.h"

#include "skin/picture/transparent_piece.h"

#include <gtest/gtest.h>

namespace huecast::skin {
namespace {

// A 20 × 4 picture: the normal look (left 10 columns) dark, the active look (right 10) light, each column
// its own shade so that a push shows which columns moved where.
Bitmap TwoLooks() {
    Bitmap b(20, 4, 24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 20; ++x)
            b.SetPixelColor(x, y, x < 10 ? 0x10 + x : 0xA0 + x);
    return b;
}

struct Fixture {
    Bitmap picture = TwoLooks();
    SkinPieces pieces = [] {
        SkinPieces p;
        p.skinSize = {10, 4};
        p.mode = ResizeMode::Fixed;
        return p;
    }();
    PieceMapping mapping = FitToSkin(pieces, {10, 4});
    MorphLooks looks;
    Fixture() { looks.Prepare(picture, {0, 0, 10, 4}, {10, 0, 20, 4}, pieces, mapping); }
};

TEST(MorphLooksTest, EndsOfABlendAreTheTwoLooks) {
    Fixture f;
    Bitmap out(10, 4, 24);
    f.looks.Compose(MorphKind::Default, 0, out);
    EXPECT_EQ(out.PixelColor(3, 2), 0x13u);
    f.looks.Compose(MorphKind::Default, 1, out);
    EXPECT_EQ(out.PixelColor(3, 2), 0xADu);
}

TEST(MorphLooksTest, BottomUpTargetGetsTheSamePicture) {
    Fixture f;
    Bitmap topDown(10, 4, 24), bottomUp(10, 4, 24, Bitmap::Order::BottomUp);
    f.looks.Compose(MorphKind::Push, 0.4, topDown);
    f.looks.Compose(MorphKind::Push, 0.4, bottomUp);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(topDown.PixelColor(x, y), bottomUp.PixelColor(x, y)) << x << "," << y;
    // The same columns as the bitmap effect's own push.
    TEffectBmp expected = f.looks.Normal();
    for (double k : {0.0, 0.05, 0.4, 0.5, 0.95, 1.0}) {
        expected = f.looks.Normal();
        expected.MorphPush(f.looks.Active(), k);
        f.looks.Compose(MorphKind::Push, k, topDown);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(topDown.PixelColor(x, y), expected.Pixels().PixelColor(x, y)) << k;
    }
    f.looks.Compose(MorphKind::Push, 0.4, topDown);
    // The active look pushes in from the left: its right columns lead, the normal look moves right.
    EXPECT_EQ(topDown.PixelColor(0, 0), 0xA0u + 15);
    EXPECT_EQ(topDown.PixelColor(9, 0), 0x10u + 4);
}

TEST(MorphLooksTest, RecutsWhenTheRectsChangeAndIgnoresATargetOfAnotherSize) {
    Fixture f;
    EXPECT_FALSE(f.looks.Prepare(f.picture, {0, 0, 10, 4}, {10, 0, 20, 4}, f.pieces, f.mapping));
    EXPECT_TRUE(f.looks.Prepare(f.picture, {10, 0, 20, 4}, {0, 0, 10, 4}, f.pieces, f.mapping));  // swapped
    Bitmap out(10, 4, 24);
    f.looks.Compose(MorphKind::Default, 0, out);
    EXPECT_EQ(out.PixelColor(3, 2), 0xADu);
    Bitmap other(11, 4, 24);
    f.looks.Compose(MorphKind::Default, 0, other);
    EXPECT_EQ(other.PixelColor(3, 2), 0u);
}

TEST(TransparentPieceTest, LeavesOutTheBottomLeftColourAndClipsToTheTarget) {
    Bitmap image(3, 2, 24);  // bottom-left (0, 1) is the key
    image.SetPixelColor(0, 1, 0x00FF00);
    image.SetPixelColor(1, 1, 0x00FF00);
    image.SetPixelColor(0, 0, 0x0000FF);
    image.SetPixelColor(1, 0, 0x111111);
    image.SetPixelColor(2, 0, 0x00FF00);
    image.SetPixelColor(2, 1, 0x222222);
    Bitmap target(4, 2, 24, Bitmap::Order::BottomUp);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            target.SetPixelColor(x, y, 0xABCDEF);
    CopyTransparentPiece(image, {0, 0, 3, 2}, target, {2, 0});
    EXPECT_EQ(target.PixelColor(2, 0), 0x0000FFu);
    EXPECT_EQ(target.PixelColor(3, 0), 0x111111u);
    EXPECT_EQ(target.PixelColor(2, 1), 0xABCDEFu) << "key colour left out";
    EXPECT_EQ(target.PixelColor(1, 0), 0xABCDEFu);
    CopyTransparentPiece(image, {0, 0, 4, 2}, target, {0, 0});  // a source past the picture: nothing
    EXPECT_EQ(target.PixelColor(0, 0), 0xABCDEFu);
}

}  // namespace
}  // namespace huecast::skin
