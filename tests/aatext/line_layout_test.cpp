#include "aatext/line_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/aatext/banner_test_support.h"
#include "tests/aatext/test_support.h"

namespace huecast {
namespace {

using testing::InkColumns;
using testing::PatternRasterizer;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlack = 0x000000;

// A 200-pixel surface; every glyph cell is a fully inked square of the font's pixel height, so the box
// of every line shows exactly where it was drawn.
FixedSystemTexts OwnerAnn() {
    FixedSystemTexts system;
    system.owner = "Ann";
    return system;
}

class LineLayoutTest : public ::testing::Test {
  protected:
    LineLayoutTest() : system(OwnerAnn()), labels(system) {
        rasterizer.cellWidth = 10;
        canvas.target = &surface;
        canvas.rasterizer = &rasterizer;
        canvas.brush = {Brush::Style::Clear, kWhite};
        painter.SetQuality(TAAQuality::aqHigh);
        for (int y = 0; y < surface.Height(); ++y)
            for (int x = 0; x < surface.Width(); ++x)
                surface.SetPixelColor(x, y, kWhite);
        baseFont.height = -10;
        baseFont.color = kBlack;
        labels.Add("Left", "", TLabelStyle::lsLeftJustify);
        labels.Add("Center", "", TLabelStyle::lsCenter);
        labels.Add("Right", "", TLabelStyle::lsRightJustify);
        labels.Add("Owner", "", TLabelStyle::lsRegOwner);
        FontSpec title4 = baseFont;
        title4.height = -20;
        title4.color = kRed;
        fonts.AddItem().SetName("Title4");
        fonts[0].SetFont(title4);
    }

    LineLayout Layout() { return {param, fonts, labels, LeadByteTable::Gbk(), baseFont, surface.Width()}; }
    std::pair<int, int> Ink(int y) { return InkColumns(surface, y, kWhite); }

    Bitmap surface{200, 120, 24};
    PatternRasterizer rasterizer;
    AACanvas canvas;
    TAAPainterEx painter{&canvas};
    FixedSystemTexts system;
    TFontLabels fonts;
    TUserLabels labels;
    TCustomTextParam param;
    FontSpec baseFont;
};

TEST_F(LineLayoutTest, CentreAndFontTagsInAnyCaseDrawTheTextCentredInThatFont) {
    for (const char* line : {"<Center><Title4>ab", "<cEnTeR><TITLE4>ab", "<title4><center>ab"}) {
        SCOPED_TRACE(line);
        param.SetLines({line});
        DrawLines(Layout(), painter, 0);
        // "ab" in the 20-pixel font: 40 wide, centred in 200.
        EXPECT_EQ(Ink(5), std::make_pair(80, 119));
        EXPECT_EQ(surface.PixelColor(100, 19), kRed);
        EXPECT_EQ(surface.PixelColor(100, 20), kWhite);
    }
}

TEST_F(LineLayoutTest, UntilNextLabelCarriesAlignmentAndFontToTheNextLine) {
    param.SetRowPitch(0);
    param.SetLines({"<Right><Title4>ab", "cd"});
    const int bottom = DrawLines(Layout(), painter, 0);
    EXPECT_EQ(bottom, 40);
    EXPECT_EQ(Ink(25), std::make_pair(160, 199));  // right-aligned, still 20 pixels high
    EXPECT_EQ(surface.PixelColor(199, 25), kRed);
}

TEST_F(LineLayoutTest, OnlyALineFallsBackToTheParameters) {
    param.SetRowPitch(0);
    param.SetLabelEffect(TLabelEffect::leOnlyALine);
    param.SetLines({"<Right><Title4>ab", "cd"});
    const int bottom = DrawLines(Layout(), painter, 0);
    EXPECT_EQ(bottom, 30);
    EXPECT_EQ(Ink(25), std::make_pair(0, 19));  // left, in the 10-pixel base font
    EXPECT_EQ(surface.PixelColor(5, 25), kBlack);
}

TEST_F(LineLayoutTest, MeasuringMatchesDrawingAndUsesTheRowPitch) {
    param.SetLines({"<Title4>ab", "cd", "", "<Owner>"});
    // Heights 20, 20, 20, 20 (tags carry over); A(20) = 1.2 × 20 = 24.
    EXPECT_EQ(MeasureLines(Layout(), painter, 5), 5 + 4 * 24);
    EXPECT_EQ(DrawLines(Layout(), painter, 5), 5 + 4 * 24);
    EXPECT_EQ(Ink(5 + 3 * 24 + 1), std::make_pair(0, 59));  // "Ann" drawn where the tag was
}

TEST_F(LineLayoutTest, EmptyLineAdvancesByTheHeightOfASpaceAndPitchMinus100StacksAllLines) {
    param.SetLines({"", "", ""});
    EXPECT_EQ(MeasureLines(Layout(), painter, 0), 3 * 12);  // A(10) with pitch 20
    param.SetRowPitch(-100);
    param.SetLines({"ab", "", "<Title4>cd"});
    EXPECT_EQ(MeasureLines(Layout(), painter, 7), 7);
    EXPECT_EQ(DrawLines(Layout(), painter, 7), 7);
    param.SetRowPitch(-500);
    EXPECT_EQ(param.RowPitch(), -100);
    param.SetRowPitch(151);
    EXPECT_EQ(param.RowPitch(), 150);
}

TEST_F(LineLayoutTest, LineAdvanceRoundsHalvesToEven) {
    EXPECT_EQ(LineAdvance(20, 10), 12);
    EXPECT_EQ(LineAdvance(50, 5), 8);  // 7.5 → 8
    EXPECT_EQ(LineAdvance(50, 3), 4);  // 4.5 → 4
    EXPECT_EQ(LineAdvance(-100, 30), 0);
}

TEST_F(LineLayoutTest, WordWrapSplitsLinesWiderThanTheSurface) {
    param.SetWordWrap(true);
    param.SetRowPitch(0);
    // 29 bytes, 290 pixels in a 200-pixel surface: wrapped after the blanks.
    param.SetLines({"aaaa bbbb cccc dddd eeee ffff"});
    EXPECT_EQ(MeasureLines(Layout(), painter, 0), 2 * 10);
    EXPECT_EQ(DrawLines(Layout(), painter, 0), 2 * 10);
    EXPECT_EQ(Ink(5).first, 0);
    EXPECT_LE(Ink(5).second, 199);
    EXPECT_GE(Ink(15).second, 40);

    param.SetWordWrap(false);
    EXPECT_EQ(MeasureLines(Layout(), painter, 0), 10);
}

TEST_F(LineLayoutTest, CentredLineWiderThanTheSurfaceStartsLeftOfIt) {
    param.SetAlignment(TAlignment::taCenter);
    param.SetLines({std::string(24, 'x')});  // 240 pixels
    DrawLines(Layout(), painter, 0);
    EXPECT_EQ(Ink(5), std::make_pair(0, 199));  // drawn from x = -20, clipped
}

TEST_F(LineLayoutTest, TheParametersLinesAreNotChanged) {
    const std::vector<std::string> lines = {"<Center><Title4>ab", "<Owner>"};
    param.SetLines(lines);
    DrawLines(Layout(), painter, 0);
    EXPECT_EQ(param.Lines(), lines);
}

TEST(DrawBackGround, FillsThenPlacesThePictureByMode) {
    Bitmap target(10, 8, 24);
    AACanvas canvas{&target, nullptr, {}, {Brush::Style::Solid, 0x00FF00}};
    TPicture picture;
    Bitmap red(3, 2, 24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            red.SetPixelColor(x, y, kRed);
    picture.SetBitmap(red);

    DrawBackGround(canvas, {0, 0, 10, 8}, TBackGroundMode::bmCenter, picture);
    EXPECT_EQ(target.PixelColor(3, 3), kRed);  // ((10 - 3) div 2, (8 - 2) div 2)
    EXPECT_EQ(target.PixelColor(2, 3), 0x00FF00u);
    EXPECT_EQ(target.PixelColor(6, 3), 0x00FF00u);

    DrawBackGround(canvas, {0, 0, 10, 8}, TBackGroundMode::bmTiled, picture);
    EXPECT_EQ(target.PixelColor(9, 7), kRed);

    DrawBackGround(canvas, {0, 0, 10, 8}, TBackGroundMode::bmNormal, picture);
    EXPECT_EQ(target.PixelColor(0, 0), kRed);
    EXPECT_EQ(target.PixelColor(3, 0), 0x00FF00u);

    picture.Clear();
    DrawBackGround(canvas, {2, 2, 4, 4}, TBackGroundMode::bmStretched, picture);
    EXPECT_EQ(target.PixelColor(0, 0), kRed);  // outside the rectangle
    EXPECT_EQ(target.PixelColor(2, 2), 0x00FF00u);
}

}  // namespace
}  // namespace huecast
