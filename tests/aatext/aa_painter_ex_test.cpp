#include "aatext/aa_painter_ex.h"

#include <gtest/gtest.h>

#include "tests/aatext/test_support.h"

namespace huecast {
namespace {

using testing::PatternRasterizer;
using testing::ScriptedRandom;

struct PainterFixture : ::testing::Test {
    PatternRasterizer rasterizer;
    Bitmap target{40, 20, 24};
    AACanvas canvas;
    TAAPainterEx painter{&canvas};
    ScriptedRandom random;
    PainterFixture() {
        canvas.target = &target;
        canvas.rasterizer = &rasterizer;
        canvas.font.height = -10;
        canvas.font.color = 0x00FF00;
        canvas.brush = {Brush::Style::Clear, 0};
        painter.SetQuality(TAAQuality::aqHigh);
        painter.SetRandomSource(random);
        rasterizer.cellWidth = 5;
    }
};

TEST_F(PainterFixture, ShadowOffsetsWidenTheBoxAndPlaceShadowAndText) {
    painter.Effect().Shadow().SetEnabled(true);
    painter.Effect().Shadow().SetOffsetX(-3);
    painter.Effect().Shadow().SetOffsetY(2);
    painter.Effect().Shadow().SetBlur(0);
    painter.Effect().Shadow().SetColor(0x0000FF);
    EXPECT_EQ(painter.TextExtent("ab"), (Size{13, 12}));
    EXPECT_EQ(painter.TextWidth("ab"), 13);
    EXPECT_EQ(painter.TextHeight("ab"), 12);
    painter.TextOut(1, 1, "ab");
    // Shadow box (1, 3) .. (11, 13), text box (4, 1) .. (14, 11); the text is drawn over the shadow.
    EXPECT_EQ(target.PixelColor(1, 12), 0x0000B1u) << "shadow only: red at opacity 70 (a = 178)";
    EXPECT_EQ(target.PixelColor(4, 1), 0x00FF00u) << "text only";
    EXPECT_EQ(target.PixelColor(5, 5), 0x00FF00u) << "text over shadow";
    EXPECT_EQ(target.PixelColor(1, 1), 0u) << "outside both";
    EXPECT_EQ(target.PixelColor(13, 12), 0u);
}

TEST_F(PainterFixture, ShadowOpacityIsTheProductOfBothAlphas) {
    painter.Effect().Shadow().SetEnabled(true);
    painter.Effect().Shadow().SetBlur(0);
    painter.Effect().Shadow().SetColor(0x0000FF);
    painter.Effect().SetAlpha(90);  // shadow 90 × 70 div 100 = 63: k = 161, a = 160, 255 × 160 / 256 = 159.4
    painter.TextOut(0, 0, "a");
    EXPECT_EQ(target.PixelColor(6, 11) & 0xFF, 159u);
    painter.Effect().SetAlpha(100);  // shadow 70: a = 178
    target = Bitmap(40, 20, 24);
    painter.TextOut(0, 0, "a");
    EXPECT_EQ(target.PixelColor(6, 11) & 0xFF, 177u);
}

TEST_F(PainterFixture, SolidBrushFillsTheShadowBoxButNotTheTextBox) {
    canvas.brush = {Brush::Style::Solid, 0xFFFFFF};
    painter.Effect().Shadow().SetEnabled(true);
    painter.Effect().SetAlpha(0);  // only the boxes' backgrounds show
    painter.TextOut(0, 0, "a");
    EXPECT_EQ(target.PixelColor(6, 11), 0xFFFFFFu) << "shadow box filled with the brush";
    EXPECT_EQ(target.PixelColor(0, 0), 0u) << "text box laid over, not filled";
    EXPECT_EQ(canvas.brush.style, Brush::Style::Solid) << "brush style restored";
}

TEST_F(PainterFixture, RotationIsUsedForDrawingAndRestoredAfterwards) {
    rasterizer.cellWidth = 20;
    painter.Effect().SetAngle(90);
    EXPECT_EQ(painter.TextExtent("ab"), (Size{10, 40}));
    EXPECT_EQ(canvas.font.escapement, 0);
    painter.TextOut(0, 0, "ab");
    EXPECT_EQ(rasterizer.drawnFonts.back().escapement, 900);
    EXPECT_EQ(canvas.font.escapement, 0);
    rasterizer.throwOnDraw = true;
    EXPECT_THROW(painter.TextOut(0, 0, "ab"), std::runtime_error);
    EXPECT_EQ(canvas.font.escapement, 0) << "restored when an exception passes";
}

TEST_F(PainterFixture, NothingWithoutCanvasOrText) {
    painter.TextOut(0, 0, "");
    TAAPainterEx orphan(nullptr);
    orphan.Effect().Shadow().SetEnabled(true);
    orphan.TextOut(0, 0, "abc");
    EXPECT_EQ(orphan.TextExtent("abc"), (Size{2, 2})) << "only the shadow's offset";
    EXPECT_TRUE(rasterizer.drawnFonts.empty());
}

TEST_F(PainterFixture, ZeroSprayAndBlurAreSkipped) {
    rasterizer.ink = [](int x, int) { return x % 8 < 4 ? 255 : 0; };
    painter.TextOut(0, 0, "ab");
    EXPECT_TRUE(random.calls.empty());
    const auto rows = testing::MaskRows(painter.Mask());
    EXPECT_EQ(rows[3][0], 255);
    EXPECT_EQ(rows[3][1], 0) << "no blur smeared the stripes";
}

TEST_F(PainterFixture, MaskOperationsRunInOrderBeforeTheBlend) {
    rasterizer.ink = [](int x, int y) { return x < 4 && y < 4 ? 255 : 0; };  // only mask pixel (0, 0)
    painter.Effect().SetHorzMirror(true);
    painter.Effect().SetVertMirror(true);
    painter.TextOut(0, 0, "ab");  // 10 × 10
    EXPECT_EQ(target.PixelColor(9, 9), 0x00FF00u);
    EXPECT_EQ(target.PixelColor(0, 0), 0u);
}

TEST_F(PainterFixture, GradientFills) {
    testing::SetMask(painter.Mask(), std::vector<std::vector<int>>(5, std::vector<int>(4, 255)));
    TAAGradual& gradual = painter.Effect().Gradual();
    gradual.SetStartColor(0xFFFFFF);
    gradual.SetEndColor(0);
    gradual.SetStyle(TGradualStyle::gsCenterToTB);
    painter.GradualFill();
    const Bitmap& fore = painter.Blend().ForeBmp();
    const int rows[5] = {0, 85, 170, 85, 0};
    for (int v = 0; v < 5; ++v)
        EXPECT_EQ(fore.PixelColor(3, v), rows[v] * 0x010101u) << v;

    gradual.SetStartColor(0);
    gradual.SetEndColor(0xFFFFFF);
    gradual.SetStyle(TGradualStyle::gsLeftToRight);
    painter.GradualFill();
    const int columns[4] = {0, 63, 127, 191};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(fore.PixelColor(x, 4), columns[x] * 0x010101u) << x;

    gradual.SetStyle(TGradualStyle::gsRightToLeft);  // from the end colour, toward the start colour
    painter.GradualFill();
    EXPECT_EQ(fore.PixelColor(0, 0), 0xFFFFFFu);
    EXPECT_EQ(fore.PixelColor(3, 0), 0x404040u);

    gradual.SetStartColor(0x0000FF);
    gradual.SetEndColor(0xFF0000);
    gradual.SetStyle(TGradualStyle::gsCenterToLR);  // 4 columns: ramp of 2 entries, mirrored
    painter.GradualFill();
    EXPECT_EQ(fore.PixelColor(0, 2), 0xFF0000u);
    EXPECT_EQ(fore.PixelColor(1, 2), 0x80007Fu);
    EXPECT_EQ(fore.PixelColor(2, 2), 0x80007Fu);
    EXPECT_EQ(fore.PixelColor(3, 2), 0xFF0000u);
}

TEST_F(PainterFixture, NoiseOfOneChangesNothingAndNoiseDrawsInOrder) {
    testing::SetMask(painter.Mask(), {{255, 255}});
    canvas.font.color = 0x306090;  // red 0x90, green 0x60, blue 0x30
    painter.NoisyFill(1);
    EXPECT_EQ(painter.Blend().ForeBmp().PixelColor(1, 0), 0x306090u);
    painter.AddNoise(1);
    EXPECT_EQ(painter.Blend().ForeBmp().PixelColor(1, 0), 0x306090u);

    ScriptedRandom ordered({0, 5, 9});
    painter.SetRandomSource(ordered);
    painter.NoisyFill(10);  // red - 5 + 0, green - 5 + 5, blue - 5 + 9
    EXPECT_EQ(painter.Blend().ForeBmp().PixelColor(0, 0), 0x346090u - 5);
    ScriptedRandom bytes({0, 5, 9});
    painter.SetRandomSource(bytes);
    painter.AddNoise(10);  // blue, green, red in memory order
    EXPECT_EQ(painter.Blend().ForeBmp().Row(0)[0], 0x34 - 5);
    EXPECT_EQ(painter.Blend().ForeBmp().Row(0)[1], 0x60);
    EXPECT_EQ(painter.Blend().ForeBmp().Row(0)[2], 0x8B + 4);
}

TEST_F(PainterFixture, FillPriorityTextureThenGradientThenNoise) {
    painter.Effect().Gradual().SetEnabled(true);
    painter.Effect().Gradual().SetStartColor(0x0000FF);
    painter.Effect().Gradual().SetEndColor(0x0000FF);
    painter.Effect().Texture().SetEnabled(true);  // no picture: treated as no texture
    painter.TextOut(0, 0, "a");
    EXPECT_EQ(target.PixelColor(2, 2), 0x0000FFu);
    Bitmap picture(1, 1, 24);
    picture.SetPixelColor(0, 0, 0xFF0000);
    painter.Effect().Texture().Picture().SetBitmap(picture);
    painter.TextOut(0, 0, "a");
    EXPECT_EQ(target.PixelColor(2, 2), 0xFF0000u);
}

TEST_F(PainterFixture, TextureModes) {
    testing::SetMask(painter.Mask(), std::vector<std::vector<int>>(5, std::vector<int>(5, 255)));
    canvas.font.color = 0x111111;
    Bitmap tile(2, 2, 24);
    tile.SetPixelColor(0, 0, 0x0000FF);
    tile.SetPixelColor(1, 1, 0x00FF00);
    TAATexture& texture = painter.Effect().Texture();
    texture.Picture().SetBitmap(tile);
    const Bitmap& fore = painter.Blend().ForeBmp();

    texture.SetMode(TTextureMode::tmTiled);
    painter.TextureFill();
    EXPECT_EQ(fore.PixelColor(4, 4), 0x0000FFu) << "tiles reach the last column and row";
    EXPECT_EQ(fore.PixelColor(3, 3), 0x00FF00u);

    texture.SetMode(TTextureMode::tmNormal);
    painter.TextureFill();
    EXPECT_EQ(fore.PixelColor(1, 1), 0x00FF00u);
    EXPECT_EQ(fore.PixelColor(2, 2), 0x111111u) << "font colour around the picture";

    texture.SetMode(TTextureMode::tmCenter);
    painter.TextureFill();
    EXPECT_EQ(fore.PixelColor(1, 1), 0x0000FFu);  // at ((5 - 2) div 2, (5 - 2) div 2)
    EXPECT_EQ(fore.PixelColor(2, 2), 0x00FF00u);

    Bitmap large(9, 9, 24);
    large.SetPixelColor(2, 2, 0xABCDEF);  // (9 - 5) div 2 = 2: cut on every side
    texture.Picture().SetBitmap(large);
    painter.TextureFill();
    EXPECT_EQ(fore.PixelColor(0, 0), 0xABCDEFu);

    texture.SetMode(TTextureMode::tmStretched);
    texture.Picture().SetBitmap(tile);
    painter.TextureFill();
    EXPECT_EQ(fore.PixelColor(0, 0), 0x0000FFu);
    EXPECT_EQ(fore.PixelColor(4, 4), 0x00FF00u);
    EXPECT_EQ(fore.PixelColor(4, 0), 0u);

    Bitmap icon(2, 2, 32);  // transparent except one opaque pixel
    icon.Row(0)[0] = 0xFF, icon.Row(0)[3] = 255;
    texture.Picture().SetIcon(icon);
    painter.TextureFill();  // stretched icons sit on the window-text colour
    EXPECT_EQ(fore.PixelColor(0, 0), 0xFF0000u);
    EXPECT_EQ(fore.PixelColor(4, 4), ClassicSystemColor(kColorWindowText));
    texture.SetMode(TTextureMode::tmNormal);
    painter.TextureFill();  // elsewhere transparent parts show the font colour
    EXPECT_EQ(fore.PixelColor(1, 1), 0x111111u);
}

}  // namespace
}  // namespace huecast
