#include "skin/format/skin_descriptors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace huecast::skin {
namespace {

// Records the keys a descriptor lists, in order.
class KeyNames final : public SkinKeys {
  public:
    std::vector<std::string> names;
    void Key(std::string_view key, int&) override { names.emplace_back(key); }
    void Key(std::string_view key, Color&) override { names.emplace_back(key); }
    void Key(std::string_view key, bool&) override { names.emplace_back(key); }
    void Key(std::string_view key, Rect&) override { names.emplace_back(key); }
    void Key(std::string_view key, Point&) override { names.emplace_back(key); }
    void Key(std::string_view key, FontStyle&) override { names.emplace_back(key); }
    void Key(std::string_view key, Alignment&) override { names.emplace_back(key); }
    void Key(std::string_view key, MorphKind&) override { names.emplace_back(key); }
    void Key(std::string_view key, InactiveEffect&) override { names.emplace_back(key); }
    void Key(std::string_view key, SkinCommand&) override { names.emplace_back(key); }
    void Key(std::string_view key, std::string&) override { names.emplace_back(key); }
};

std::vector<std::string> KeysOf(SkinDescriptor& d) {
    KeyNames names;
    d.Keys(names);
    return names.names;
}

template <class T>
std::unique_ptr<T> Read(const std::string& section, const std::string& name = "element") {
    auto d = std::make_unique<T>(name);
    d->ReadFrom(SkinIni::FromText("[" + name + "]\r\n" + section));
    return d;
}

TEST(Descriptors, ReadTheirParentsKeysFirstInTheListedOrder) {
    TDataSkinMenuButtonControl button("b");
    const std::vector<std::string> keys = KeysOf(button);
    const std::vector<std::string> expected = {
        "pictureindex",    "maskpictureindex", "skinrect",         "lefttoppoint",  "righttoppoint",
        "leftbottompoint", "rightbottompoint", "clientrect",       "fontname",      "fontheight",
        "fontstyle",       "fontcolor",        "activefontcolor",  "downfontcolor", "disabledfontcolor",
        "activeskinrect",  "downskinrect",     "disabledskinrect", "morphing",      "morphkind",
        "trackbuttonrect"};
    EXPECT_EQ(keys, expected);

    TDataSkinListBox list("l");
    const std::vector<std::string> listKeys = KeysOf(list);
    EXPECT_EQ(listKeys[21], "captionfontname");
    EXPECT_EQ(listKeys.back(), "bothhscrollbarname");

    TDataUserObject user("u");
    EXPECT_EQ(KeysOf(user), std::vector<std::string>{"skinrect"});
    TDataSkinMainMenuBarItem barItem("m");
    EXPECT_EQ(KeysOf(barItem).back(), "unenabledfontColor");
}

TEST(Descriptors, MissingKeysKeepTheDefaultsOfEachKey) {
    const auto list = Read<TDataSkinListBox>("");
    EXPECT_EQ(list->pictureIndex, -1);
    EXPECT_EQ(list->maskPictureIndex, -1);
    EXPECT_EQ(list->skinRect, Rect{});
    EXPECT_EQ(list->font.name, "Arial");
    EXPECT_EQ(list->font.height, 14);
    EXPECT_EQ(list->font.color, 0u);
    EXPECT_EQ(list->vScrollBarName, "vscrollbar");
    EXPECT_EQ(list->hScrollBarName, "hscrollbar");
    EXPECT_EQ(list->bothHScrollBarName, "bothhscrollbar");
    EXPECT_EQ(Read<TDataSkinStdLabelControl>("")->activeFontColor, 0xFF0000u);
    EXPECT_EQ(Read<TDataSkinPanelControl>("")->alignment, Alignment::Center);
    const auto animate = Read<TDataSkinAnimate>("");
    EXPECT_EQ(animate->countFrames, 1);
    EXPECT_EQ(animate->timerInterval, 50);
    EXPECT_EQ(animate->command, SkinCommand::Default);
    EXPECT_EQ(Read<TDataSkinStdButton>("")->command, SkinCommand::Default);
}

TEST(Descriptors, ReadEveryValueSyntax) {
    const auto b = Read<TDataSkinButtonControl>(
        "pictureindex=3\r\nskinrect=1,0,70,25\r\nlefttoppoint=-4,4\r\nfontname=Tahoma\r\nfontheight=12\r\n"
        "fontstyle=fsbold,fsunderline\r\nfontcolor=16777215\r\nmorphing=1\r\nmorphkind=mkpush\r\n");
    EXPECT_EQ(b->pictureIndex, 3);
    EXPECT_EQ(b->skinRect, (Rect{1, 0, 70, 25}));
    EXPECT_EQ(b->leftTopPoint, (Point{4, 4}));
    EXPECT_EQ(b->font.name, "Tahoma");
    EXPECT_EQ(b->font.height, 12);
    EXPECT_TRUE(b->font.style.bold && b->font.style.underline && !b->font.style.italic);
    EXPECT_EQ(b->font.color, 16777215u);
    EXPECT_TRUE(b->morphing);
    EXPECT_EQ(b->morphKind, MorphKind::Push);
}

TEST(Descriptors, BooleansAreTrueOnlyForOne) {
    for (const char* value : {"0", "2", "-1", "true", "yes", ""})
        EXPECT_FALSE(Read<TDataSkinGaugeControl>(std::string("vertical=") + value + "\r\n")->vertical)
            << value;
    EXPECT_TRUE(Read<TDataSkinGaugeControl>("vertical=1\r\n")->vertical);
    EXPECT_TRUE(Read<TDataSkinGaugeControl>("vertical= 1 \r\n")->vertical);
}

TEST(Descriptors, AnIntegerThatDoesNotConvertKeepsItsDefault) {
    EXPECT_EQ(Read<TDataSkinControl>("pictureindex=two\r\n")->pictureIndex, -1);
    EXPECT_EQ(Read<TDataSkinControl>("pictureindex=\r\n")->pictureIndex, -1);
}

TEST(Descriptors, ARectPresentButEmptyEndsTheReadWhileAMissingOneReadsZero) {
    EXPECT_EQ(Read<TDataSkinControl>("pictureindex=2\r\n")->skinRect, Rect{});
    try {
        Read<TDataSkinControl>("skinrect=\r\n", "button");
        FAIL() << "an empty rect was read";
    } catch (const SkinError& error) {
        EXPECT_STREQ(error.what(), "[button] skinrect: \"\" is not a valid rect (field 1 has no digit)");
    }
    EXPECT_THROW(Read<TDataSkinCustomControl>("lefttoppoint=x,y\r\n"), SkinError);
}

TEST(Descriptors, KeywordFallbacksDifferFromTheirDefaults) {
    EXPECT_EQ(Read<TDataSkinCaption>("alignment=TaCenter\r\n")->alignment, Alignment::RightJustify);
    EXPECT_EQ(Read<TDataSkinCaption>("")->alignment, Alignment::Center);
    EXPECT_EQ(Read<TDataSkinStdButton>("command=cmrollup\r\n")->command, SkinCommand::RollUp);
    EXPECT_EQ(Read<TDataSkinStdButton>("command=cmshutdown\r\n")->command, SkinCommand::RollUp);
    EXPECT_EQ(Read<TDataSkinObject>("morphkind=mkfade\r\n")->morphKind, MorphKind::Default);
    EXPECT_EQ(Read<TDataSkinCaption>("fontstyle=xfsitalicx\r\n")->font.style.italic, true);
}

TEST(Descriptors, AnimateObjectsNeverMorphAndUserObjectsReadOnlyTheirRect) {
    EXPECT_FALSE(Read<TDataSkinAnimate>("morphing=1\r\ncountframes=4\r\n")->morphing);
    EXPECT_EQ(Read<TDataSkinAnimate>("countframes=4\r\n")->countFrames, 4);
    const auto user =
        Read<TDataUserObject>("hint=h\r\nactivepictureindex=2\r\nmorphing=1\r\nskinrect=1,2,3,4\r\n");
    EXPECT_EQ(user->skinRect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(user->hint, "");
    EXPECT_EQ(user->activePictureIndex, -1);
    EXPECT_FALSE(user->morphing);
}

TEST(Descriptors, TheSecondFontsHaveTheirOwnPrefixAndAKeyWithACapital) {
    const auto list =
        Read<TDataSkinListBox>("captionfontname=Verdana\r\ncaptionfontcolor=255\r\nfontname=Arial\r\n");
    EXPECT_EQ(list->captionFont.name, "Verdana");
    EXPECT_EQ(list->captionFont.color, 255u);
    EXPECT_EQ(Read<TDataSkinGridControl>("fixedfontheight=9\r\n")->fixedFont.height, 9);
    EXPECT_EQ(Read<TDataSkinMainMenuBarItem>("unenabledfontcolor=77\r\n")->unEnabledFontColor, 77u);
    EXPECT_EQ(Read<TDataSkinButton>("disableskinrsect=1,2,3,4\r\n")->disableSkinRsect, (Rect{1, 2, 3, 4}));
}

TEST(Descriptors, WriteBackErasesTheSectionAndReadsBackToTheSameValues) {
    TDataSkinCheckRadioControl d("checkbox");
    d.pictureIndex = 3;
    d.skinRect = {1, 2, 76, 20};
    d.checkImageArea = {3, 1, 19, 17};
    d.textArea = {21, 2, 72, 16};
    d.font.style = {true, false, false, true};
    d.font.color = 0x123456;
    d.morphing = true;
    d.morphKind = MorphKind::LeftSlide;
    SkinIni ini = SkinIni::FromText("[checkbox]\r\nobsolete=1\r\n");
    d.WriteTo(ini);
    EXPECT_FALSE(ini.HasKey("checkbox", "obsolete"));
    EXPECT_EQ(ini.ReadString("checkbox", "fontstyle", ""), "fsbold,fsstrikeout");
    EXPECT_EQ(ini.ReadString("checkbox", "morphing", ""), "1");
    EXPECT_EQ(ini.ReadString("checkbox", "morphkind", ""), "mkleftslide");
    EXPECT_EQ(ini.ReadString("checkbox", "textarea", ""), "21,2,72,16");
    EXPECT_EQ(ini.KeyCount("checkbox"), KeysOf(d).size());

    TDataSkinCheckRadioControl back("checkbox");
    back.ReadFrom(SkinIni(ini.Lines()));
    SkinIni again;
    back.WriteTo(again);
    EXPECT_EQ(again.Lines(), ini.Lines());

    TDataSkinCaption caption("caption1");
    caption.alignment = Alignment::LeftJustify;
    SkinIni captionIni;
    caption.WriteTo(captionIni);
    EXPECT_EQ(captionIni.ReadString("caption1", "alignment", ""), "taleftjustify");
}

TEST(FormInfo, WithAMaskAnEmptyMaskAreaTakesTheClientRect) {
    TDataSkinFormInfo form;
    form.ReadFrom(
        SkinIni::FromText("[FORMINFO]\r\nclientrect=8,26,168,116\r\nmaskrectarea=0,0,0,0\r\n"
                          "lefttoppoint=10,28\r\nrightbottompoint=166,115\r\nhittestlefttoppoint=0,5\r\n"));
    form.Normalise(true);
    EXPECT_EQ(form.maskRectArea, (Rect{8, 26, 168, 116}));
    EXPECT_EQ(form.hitTestLeftTopPoint, (Point{10, 28}));  // a zero coordinate takes the frame point
    EXPECT_EQ(form.inactiveEffect, InactiveEffect::Brightness);
}

TEST(FormInfo, AnInactiveEffectPresentButEmptyIsGrayscaleWhileAMissingOneIsBrightness) {
    TDataSkinFormInfo empty;
    empty.ReadFrom(SkinIni::FromText("[FORMINFO]\r\ninactiveeffect=\r\n"));
    EXPECT_EQ(empty.inactiveEffect, InactiveEffect::Grayscale);
    TDataSkinFormInfo missing;
    missing.ReadFrom(SkinIni::FromText("[FORMINFO]\r\nborderwidth=3\r\n"));
    EXPECT_EQ(missing.inactiveEffect, InactiveEffect::Brightness);
    EXPECT_EQ(missing.borderWidth, 3);
    TDataSkinFormInfo darkness;
    darkness.ReadFrom(SkinIni::FromText("[forminfo]\r\nInactiveEffect=iedarkness\r\n"));
    EXPECT_EQ(darkness.inactiveEffect, InactiveEffect::Darkness);
}

TEST(FormInfo, AMaskAreaIsWidenedToHoldTheClientRectAndLeftAloneWithoutAMask) {
    TDataSkinFormInfo form;
    form.clientRect = {8, 26, 168, 116};
    form.maskRectArea = {20, 10, 100, 200};
    form.hitTestRightTopPoint = {3, 4};
    TDataSkinFormInfo noMask;
    noMask.clientRect = form.clientRect;
    noMask.maskRectArea = {};
    form.Normalise(true);
    noMask.Normalise(false);
    EXPECT_EQ(form.maskRectArea, (Rect{8, 10, 168, 200}));
    EXPECT_EQ(form.hitTestRightTopPoint, (Point{3, 4}));
    EXPECT_EQ(noMask.maskRectArea, Rect{});
}

TEST(FormInfo, FramePointsArePulledIntoTheClientRectOnlyWhenTheyCutBothWays) {
    TDataSkinFormInfo form;
    form.clientRect = {8, 26, 168, 116};
    form.leftTopPoint = {2, 20};
    form.rightTopPoint = {175, 3};
    form.leftBottomPoint = {1, 120};
    form.rightBottomPoint = {170, 122};
    form.Normalise(false);
    EXPECT_EQ(form.leftTopPoint, (Point{8, 26}));
    EXPECT_EQ(form.rightTopPoint, (Point{168, 26}));
    EXPECT_EQ(form.leftBottomPoint, (Point{8, 116}));
    EXPECT_EQ(form.rightBottomPoint, (Point{168, 116}));

    TDataSkinFormInfo flat;  // right-bottom shares its y with left-top: the points stay
    flat.clientRect = {8, 26, 168, 116};
    flat.leftTopPoint = {2, 20};
    flat.rightBottomPoint = {170, 20};
    flat.Normalise(false);
    EXPECT_EQ(flat.leftTopPoint, (Point{2, 20}));
}

TEST(Factories, EveryTypeMakesItsClassAndUnknownTypesMakeNothing) {
    EXPECT_NE(dynamic_cast<TDataSkinStdButton*>(CreateSkinObject("stdbutton", "close").get()), nullptr);
    EXPECT_NE(dynamic_cast<TDataSkinMainMenuBarButton*>(CreateSkinObject("mainmenubarbutton", "m").get()),
              nullptr);
    EXPECT_NE(dynamic_cast<TDataUserObject*>(CreateSkinObject("userobject", "u").get()), nullptr);
    EXPECT_NE(dynamic_cast<TDataSkinCheckListBox*>(CreateSkinControl("checklistbox", "c").get()), nullptr);
    EXPECT_NE(dynamic_cast<TDataSkinMemoControl*>(CreateSkinControl("memo", "m").get()), nullptr);
    EXPECT_NE(dynamic_cast<TDataSkinRichEdit*>(CreateSkinControl("richedit", "r").get()), nullptr);
    EXPECT_EQ(CreateSkinObject("panel", "p"), nullptr);  // a control type is not an object type
    EXPECT_EQ(CreateSkinControl("Button", "b"), nullptr);
    EXPECT_EQ(CreateSkinControl("", "b"), nullptr);
    const auto made = CreateSkinControl("button", "toolbutton");
    EXPECT_EQ(made->Name(), "toolbutton");
    EXPECT_EQ(made->Type(), "button");
}

}  // namespace
}  // namespace huecast::skin
