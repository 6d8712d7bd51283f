#include "aatext/aa_labels.h"

#include <gtest/gtest.h>

#include <string>

namespace huecast {
namespace {

class UserLabelsTest : public ::testing::Test {
  protected:
    UserLabelsTest() {
        system.owner = "Ann";
        system.organization = "Huecast Club";
        system.userName = "ann.l";
        system.appTitle = "Huecast2.4";
        system.date = "2026-12-07";
        system.time = "10:15:00";
    }
    FixedSystemTexts system;
};

TEST(FontLabels, AddRefusesAnExistingNameIgnoringCase) {
    TFontLabels fonts;
    int changes = 0;
    fonts.SetOnChange([&] { ++changes; });
    TFontLabel* title = fonts.Add("Title", "Arial", 12, 0x0000FF, fsBold | fsItalic, true, -3, 2);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Font().name, "Arial");
    EXPECT_EQ(title->Font().height, -16);
    EXPECT_EQ(title->Font().color, 0x0000FFu);
    EXPECT_EQ(title->Font().weight, 700);
    EXPECT_TRUE(title->Font().italic);
    EXPECT_TRUE(title->Effect().Shadow().Enabled());
    EXPECT_EQ(title->Effect().Shadow().OffsetX(), -3);
    EXPECT_EQ(title->Effect().Shadow().OffsetY(), 2);
    EXPECT_EQ(changes, 1);  // the whole setting up is one change

    changes = 0;
    EXPECT_EQ(fonts.Add("TITLE", "Arial", 9, 0, 0, false, 0, 0), nullptr);
    EXPECT_EQ(fonts.Count(), 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(fonts.IndexOf("tItLe"), 0);
    EXPECT_EQ(fonts.IndexOf("Text"), -1);
}

TEST(FontLabels, RenamingToAnotherLabelsNameFailsAndKeepsTheName) {
    TFontLabels fonts;
    fonts.Add("Title", "Arial", 12, 0, 0, false, 0, 0);
    TFontLabel* text = fonts.Add("Text", "Arial", 9, 0, 0, false, 0, 0);
    try {
        text->SetName("title");
        FAIL() << "no exception";
    } catch (const EDuplicateName& e) {
        EXPECT_STREQ(e.what(), "Duplicate string!");
    }
    EXPECT_EQ(text->Name(), "Text");
    text->SetName("TEXT");  // its own name in another case is fine
    EXPECT_EQ(text->Name(), "TEXT");
}

TEST(FontLabels, EffectAndFontChangesReachTheCollection) {
    TFontLabels fonts;
    TFontLabel* title = fonts.Add("Title", "Arial", 12, 0, 0, false, 0, 0);
    int changes = 0;
    fonts.SetOnChange([&] { ++changes; });
    title->Effect().SetBlur(30);
    title->Effect().Gradual().SetEnabled(true);
    FontSpec font = title->Font();
    font.height = -40;
    title->SetFont(font);
    title->SetFont(font);  // unchanged: no announcement
    EXPECT_EQ(changes, 3);
}

TEST(FontLabels, TagsApplyInCollectionOrderAndOnlyTheFirstOccurrenceGoes) {
    TFontLabels fonts;
    fonts.Add("Big", "Arial", 30, 0x0000FF, 0, false, 0, 0)->Effect().SetBlur(10);
    fonts.Add("Small", "Tahoma", 8, 0x00FF00, 0, false, 0, 0)->Effect().SetBlur(20);
    FontSpec font;
    TAAEffect effect;
    std::string line = "<small>a<BIG>b<Big>";
    fonts.ApplyTags(line, &font, &effect);
    EXPECT_EQ(line, "ab<Big>");
    EXPECT_EQ(font.name, "Tahoma");  // the later label in the collection wins
    EXPECT_EQ(effect.Blur(), 20);

    std::string untouched = "<Missing>x";
    fonts.ApplyTags(untouched, nullptr, nullptr);
    EXPECT_EQ(untouched, "<Missing>x");
}

TEST_F(UserLabelsTest, OwnerAndOrganisationAreReadOnceAndTheUserNameStandsInForAMissingOwner) {
    TUserLabels labels(system);
    system.owner = "Someone Else";
    EXPECT_EQ(labels.RegOwner(), "Ann");
    EXPECT_EQ(labels.RegOrganization(), "Huecast Club");

    system.owner.clear();
    system.userName = std::string(300, 'u');
    TUserLabels fallback(system);
    EXPECT_EQ(fallback.RegOwner(), std::string(255, 'u'));
}

TEST_F(UserLabelsTest, TextsByStyleThenOnGetText) {
    TUserLabels labels(system);
    const struct {
        TLabelStyle style;
        std::string text;
    } cases[] = {{TLabelStyle::lsLeftJustify, ""},
                 {TLabelStyle::lsCenter, ""},
                 {TLabelStyle::lsRightJustify, ""},
                 {TLabelStyle::lsRegOwner, "Ann"},
                 {TLabelStyle::lsRegOrganization, "Huecast Club"},
                 {TLabelStyle::lsAppTitle, "Huecast2.4"},
                 {TLabelStyle::lsDate, "2026-12-07"},
                 {TLabelStyle::lsTime, "10:15:00"},
                 {TLabelStyle::lsCustom, "mine"}};
    int i = 0;
    for (const auto& c : cases) {
        TUserLabel* label = labels.Add("L" + std::to_string(i++), "mine", c.style);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->GetText(), c.text) << static_cast<int>(c.style);
    }
    TUserLabel& owner = labels[3];
    owner.SetOnGetText([](TUserLabel& sender, std::string& text) { text = sender.Name() + ":" + text; });
    EXPECT_EQ(owner.Text(), "L3:Ann");
}

TEST_F(UserLabelsTest, CustomTextCanOnlyBeSetOnCustomLabels) {
    TUserLabels labels(system);
    TUserLabel* date = labels.Add("Date", "", TLabelStyle::lsDate);
    int changes = 0;
    labels.SetOnChange([&] { ++changes; });
    date->SetText("ignored");
    EXPECT_EQ(changes, 0);
    date->SetStyle(TLabelStyle::lsCustom);
    EXPECT_EQ(date->Text(), "");
    date->SetText("now");
    date->SetText("now");
    EXPECT_EQ(date->Text(), "now");
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(labels.Add("Other", "", TLabelStyle::lsCustom)->SetName("date"), EDuplicateName);
}

TEST_F(UserLabelsTest, TagsReplaceOnlyTheFirstOccurrenceAndAlignmentLabelsInsertNothing) {
    TUserLabels labels(system);
    labels.Add("Center", "", TLabelStyle::lsCenter);
    labels.Add("Owner", "", TLabelStyle::lsRegOwner);
    labels.Add("Empty", "", TLabelStyle::lsCustom);
    TAlignment alignment = TAlignment::taLeftJustify;
    std::string line = "<CENTER>by <owner> and <Owner><empty>!";
    labels.ApplyTags(line, alignment);
    EXPECT_EQ(line, "by Ann and <Owner>!");
    EXPECT_EQ(alignment, TAlignment::taCenter);
}

TEST_F(UserLabelsTest, InsertedTextIsSearchedByTheLabelsThatFollow) {
    TUserLabels labels(system);
    labels.Add("Outer", "[<Inner>]", TLabelStyle::lsCustom);
    labels.Add("Inner", "in", TLabelStyle::lsCustom);
    TAlignment alignment = TAlignment::taLeftJustify;
    std::string line = "<Outer>";
    labels.ApplyTags(line, alignment);
    EXPECT_EQ(line, "[in]");

    TUserLabels reversed(system);
    reversed.Add("Inner", "in", TLabelStyle::lsCustom);
    reversed.Add("Outer", "[<Inner>]", TLabelStyle::lsCustom);
    line = "<Outer>";
    reversed.ApplyTags(line, alignment);
    EXPECT_EQ(line, "[<Inner>]");
}

TEST(FindTag, NeedsBothBracketsAndIgnoresAsciiCaseOnly) {
    EXPECT_EQ(FindTag("x<Title4>", "title4"), 1u);
    EXPECT_EQ(FindTag("<Title4", "Title4"), std::string::npos);
    EXPECT_EQ(FindTag("<>", ""), std::string::npos);
    EXPECT_EQ(FindTag("<\xBB\xAA>", "\xBB\xAA"), 0u);
}

}  // namespace
}  // namespace huecast
