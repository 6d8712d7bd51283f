#include "skin/controls/panel_layout.h"

#include <gtest/gtest.h>

namespace huecast::skin {
namespace {

using B = TSkinBorderStyle;

TEST(PanelAreaTest, FillAndClientAreaOfEachKind) {
    const Rect ncl{3, 23, 127, 62};
    PanelShape s{
        .control = {130, 65}, .hasElement = true, .freeResize = true, .ncl = ncl, .captionMode = true};
    EXPECT_EQ(ChoosePanelFill(s), PanelFill::Cut);
    EXPECT_EQ(PanelClientRect(s), ncl);

    s.hasBackgroundPicture = true;
    EXPECT_EQ(ChoosePanelFill(s), PanelFill::Background);
    EXPECT_EQ(PanelClientRect(s), (Rect{0, 0, 130, 65}));

    s = {.control = {130, 65}, .hasElement = true, .freeResize = true, .ncl = ncl, .borderStyle = B::bvNone};
    EXPECT_EQ(ChoosePanelFill(s), PanelFill::ClientTile);
    EXPECT_EQ(PanelClientRect(s), (Rect{0, 0, 130, 65}));
    s.freeResize = false;  // a frame that cannot be tiled over the whole control is cut
    EXPECT_EQ(ChoosePanelFill(s), PanelFill::Cut);
    s.freeResize = true;
    s.captionMode = true;
    EXPECT_EQ(ChoosePanelFill(s), PanelFill::Cut);
}

TEST(PanelAreaTest, PlainClientAreaByBorderAndCaption) {
    PanelShape s{.control = {152, 177}};
    EXPECT_EQ(PanelClientRect(s), (Rect{1, 1, 151, 176}));
    s.borderStyle = B::bvNone;
    EXPECT_EQ(PanelClientRect(s), (Rect{0, 0, 152, 177}));
    s.captionMode = true;
    EXPECT_EQ(PanelClientRect(s), (Rect{0, 22, 152, 177}));
    s.borderStyle = B::bvLowered;
    s.defaultCaptionHeight = 30;
    EXPECT_EQ(PanelClientRect(s), (Rect{1, 31, 151, 176}));
}

// The built-in group box's caption, mapped to a 163 × 54 control, with a 16 × 16 check image.
CaptionParts GroupCaption() {
    return {.area = {12, 1, 153, 22}, .checkImage = {16, 16}, .text = {72, 12}};
}

TEST(SkinCaptionTest, AlignmentPlacesTheText) {
    CaptionParts p = GroupCaption();
    EXPECT_EQ(LayOutSkinCaption(p).text, (Rect{12, 5, 84, 17}));  // y = 1 + 21 div 2 − 6
    p.alignment = Alignment::RightJustify;
    EXPECT_EQ(LayOutSkinCaption(p).text.left, 153 - 72);
    p.alignment = Alignment::Center;
    EXPECT_EQ(LayOutSkinCaption(p).text.left, 12 + 141 / 2 - 36);
}

TEST(SkinCaptionTest, CheckedModeDrawsTheImageAndMovesTheText) {
    CaptionParts p = GroupCaption();
    p.checkedMode = true;
    const CaptionLayout l = LayOutSkinCaption(p);
    EXPECT_EQ(l.check, (Rect{12, 3, 28, 19}));
    EXPECT_EQ(l.clip.left, 30);
    EXPECT_EQ(l.text.left, 30);
    EXPECT_TRUE(l.arrow.IsEmpty());
    EXPECT_TRUE(l.glyph.IsEmpty());
}

TEST(SkinCaptionTest, RollUpModeKeepsRoomForTheArrowAndGlyphLeadsTheText) {
    CaptionParts p = GroupCaption();
    p.rollUpMode = true;
    p.glyph = {10, 8};
    p.alignment = Alignment::RightJustify;
    const CaptionLayout l = LayOutSkinCaption(p);
    EXPECT_EQ(l.clip.right, 141);
    EXPECT_EQ(l.arrow.left, 142);
    EXPECT_EQ(l.arrow.Width(), 10);
    EXPECT_EQ(l.glyph.left, 141 - (72 + 10 + 2));
    EXPECT_EQ(l.glyph.top, 1 + 10 - 4);
    EXPECT_EQ(l.text.left, l.glyph.right + 2);
    EXPECT_EQ(l.text.right, 141);
}

TEST(PlainCaptionTest, BarByBorderStyleAndItsParts) {
    EXPECT_EQ(PlainCaptionBar({150, 100}, B::bvFrame, 22), (Rect{0, 0, 150, 22}));
    EXPECT_EQ(PlainCaptionBar({150, 100}, B::bvRaised, 22), (Rect{1, 1, 149, 22}));
    CaptionParts p{.area = PlainCaptionBar({150, 100}, B::bvFrame, 22),
                   .checkedMode = true,
                   .rollUpMode = true,
                   .text = {40, 12}};
    CaptionLayout l = LayOutPlainCaption(p);
    EXPECT_EQ(l.check, (Rect{5, 4, 19, 18}));
    EXPECT_EQ(l.clip, (Rect{20, 0, 140, 22}));
    EXPECT_EQ(l.text.left, 22);
    EXPECT_EQ(l.arrow.left, 140);
    p.alignment = Alignment::Center;
    EXPECT_EQ(LayOutPlainCaption(p).text.left, 20 + 2 + 60 - 20);
    p.alignment = Alignment::RightJustify;
    EXPECT_EQ(LayOutPlainCaption(p).text.left, 100);
}

TEST(PanelRollUpTest, HitAreaAndFoldedHeight) {
    EXPECT_EQ(CaptionHitArea({150, 100}, false, {}, 22), (Rect{1, 1, 149, 22}));
    EXPECT_EQ(CaptionHitArea({150, 100}, true, {12, 1, 140, 22}, 22), (Rect{12, 1, 140, 22}));
    EXPECT_EQ(RolledUpHeight({150, 100}, false, {}, 22), 23);
    // With an element, the caption and the bottom frame stay: 100 − 97 + 23.
    EXPECT_EQ(RolledUpHeight({150, 100}, true, {3, 23, 147, 97}, 22), 26);
}

}  // namespace
}  // namespace huecast::skin
