// The built-in skin "Orange" as committed under app/resources/orange: the values the program relies on
// (builtin_skins_test.cpp checks what every built-in skin must hold).
#include <gtest/gtest.h>

#include <set>

#include "skin/format/bmp.h"
#include "skin/picture/piece_geometry.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"

namespace huecast::skin {
namespace {

class OrangeSkin : public ::testing::Test {
  protected:
    const TSkinData& data_ = testing::OrangeSkinData();
};

TEST_F(OrangeSkin, LoadsWithItsTwelveObjectsAndFiftyNineControls) {
    const TSkinData& d = data_;
    ASSERT_FALSE(d.Empty());
    EXPECT_EQ(d.SkinName(), "Orange");
    EXPECT_EQ(d.Objects().size(), 12u);
    EXPECT_EQ(d.Controls().size(), 59u);
    std::set<std::string> types;
    for (const auto& control : d.Controls())
        types.insert(control->Type());
    EXPECT_EQ(types.size(), 28u);
    const char* objects[] = {"MENUITEM",           "caption1",         "closebutton",
                             "maxbutton",          "minbutton",        "rollupbutton",
                             "sysmenubutton",      "mainmenubaritem",  "menubarsysmenubutton",
                             "menubarclosebutton", "menubarmaxbutton", "menubarminbutton"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(d.Objects()[static_cast<std::size_t>(i)]->Name(), objects[i]);
    for (const char* name : {"button", "toolbutton", "resizebutton", "bigtoolbutton"})
        EXPECT_NE(d.SkinControlAs<TDataSkinButtonControl>(name), nullptr) << name;
}

// Every group caption must widen with its control, or it is clipped to the skin's 42 pixels ("色彩随机选项"
// with its check image needs about 90).
TEST_F(OrangeSkin, GroupCaptionWidensWithTheControl) {
    const auto* g = data_.SkinControlAs<TDataSkinPanelControl>("groupbox");
    ASSERT_NE(g, nullptr);
    const SkinPieces pieces = PiecesOf(*g);
    EXPECT_EQ(MapSkinRect(pieces, {163, 54}, g->captionRect), (Rect{12, 1, 153, 22}));
    EXPECT_EQ(MapSkinRect(pieces, {251, 176}, g->captionRect), (Rect{12, 1, 241, 22}));
}

TEST_F(OrangeSkin, HasItsPicturesAndFrameValues) {
    const TSkinData& d = data_;
    EXPECT_EQ(d.PictureName(), "main.bmp");
    EXPECT_EQ(d.InactivePictureName(), "");
    EXPECT_FALSE(d.HasMask());
    EXPECT_EQ(d.ActivePictureNames(),
              (std::vector<std::string>{"pw.bmp", "menuitems.bmp", "active.bmp", "controls.bmp", "hw.bmp"}));
    const int sizes[5][2] = {{77, 70}, {49, 128}, {47, 97}, {380, 424}, {29, 15}};
    for (int i = 0; i < 5; ++i) {
        const Bitmap* picture = d.ActivePicture(i);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width(), sizes[i][0]);
        EXPECT_EQ(picture->Height(), sizes[i][1]);
        EXPECT_EQ(picture->BitsPerPixel(), 8);
    }
    EXPECT_EQ(d.MainPicture().Width(), 177);
    EXPECT_EQ(d.MainPicture().Height(), 124);
    EXPECT_EQ(d.MainPicture().BitsPerPixel(), 8);
    const TDataSkinFormInfo& f = d.FormInfo();
    EXPECT_EQ(f.leftTopPoint, (Point{10, 28}));
    EXPECT_EQ(f.rightTopPoint, (Point{165, 28}));
    EXPECT_EQ(f.leftBottomPoint, (Point{14, 111}));
    EXPECT_EQ(f.rightBottomPoint, (Point{166, 115}));
    EXPECT_EQ(f.clientRect, (Rect{8, 26, 168, 116}));
    // Without them the bottom-right resize zone would cover most of the right and bottom edges.
    EXPECT_EQ(f.hitTestLeftTopPoint, f.leftTopPoint);
    EXPECT_EQ(f.hitTestRightTopPoint, f.rightTopPoint);
    EXPECT_EQ(f.hitTestLeftBottomPoint, f.leftBottomPoint);
    EXPECT_EQ(f.hitTestRightBottomPoint, f.rightBottomPoint);
    EXPECT_FALSE(f.leftStretch || f.rightStretch || f.topStretch || f.bottomStretch);
    EXPECT_EQ(f.captionRect, (Rect{5, 3, 172, 21}));
    EXPECT_EQ(f.buttonsOffset, 1);
    EXPECT_EQ(f.borderWidth, 3);
    EXPECT_TRUE(f.buttonsRect.IsEmpty());
    EXPECT_FALSE(f.autoRenderingInactiveImage);
    EXPECT_EQ(f.inactiveEffect, InactiveEffect::Brightness);
}

TEST_F(OrangeSkin, HasItsTellingEntries) {
    const TSkinData& d = data_;
    const auto* button = d.SkinControlAs<TDataSkinButtonControl>("button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->skinRect, (Rect{1, 0, 70, 25}));
    EXPECT_EQ(button->activeSkinRect, (Rect{70, 0, 139, 25}));
    EXPECT_EQ(button->downSkinRect, (Rect{140, 0, 209, 25}));
    EXPECT_EQ(button->font.color, 16777215u);
    EXPECT_EQ(button->morphKind, MorphKind::Push);
    const auto* checkbox = d.SkinControlAs<TDataSkinCheckRadioControl>("checkbox");
    ASSERT_NE(checkbox, nullptr);
    EXPECT_EQ(checkbox->checkImageArea, (Rect{3, 1, 19, 17}));
    EXPECT_EQ(checkbox->textArea, (Rect{21, 2, 72, 16}));
    EXPECT_EQ(d.SkinControlAs<TDataSkinStdLabelControl>("stdlabel")->pictureIndex, -1);
    EXPECT_EQ(d.SkinControlAs<TDataSkinRichEdit>("richedit")->pictureIndex, -1);
    const char* commands[] = {"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton"};
    const SkinCommand expected[] = {SkinCommand::Close, SkinCommand::Maximize, SkinCommand::Minimize,
                                    SkinCommand::RollUp, SkinCommand::SysMenu};
    const char* hints[] = {"Close", "Maximize", "Minimize", "RollUp", "System menu"};
    for (int i = 0; i < 5; ++i) {
        const auto* b = d.SkinObjectAs<TDataSkinStdButton>(commands[i]);
        ASSERT_NE(b, nullptr) << commands[i];
        EXPECT_EQ(b->command, expected[i]);
        EXPECT_EQ(b->hint, hints[i]);
        EXPECT_EQ(b->activePictureIndex, 2);
        if (i < 4) {
            EXPECT_EQ((Point{b->skinRect.Width(), b->skinRect.Height()}), (Point{20, 19})) << commands[i];
        }
    }
    // The buttons the main window shows have three looks that differ.
    for (int i = 0; i < 3; ++i) {
        const auto* b = d.SkinObjectAs<TDataSkinStdButton>(commands[i]);
        EXPECT_NE(b->skinRect, b->activeSkinRect);
        EXPECT_NE(b->activeSkinRect, b->downRect);
        EXPECT_NE(b->skinRect, b->downRect);
    }
}

}  // namespace
}  // namespace huecast::skin
