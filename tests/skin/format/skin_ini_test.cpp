#include "skin/format/skin_ini.h"

#include <gtest/gtest.h>

#include "skin/format/skin_values.h"

namespace huecast::skin {
namespace {

TEST(SkinIni, SectionsAndKeysIgnoreCaseAndTheFirstOccurrenceWins) {
    const SkinIni ini = SkinIni::FromText(
        "[FORMINFO]\r\nBorderWidth=3\r\nborderwidth=9\r\n; a comment=1\r\nno equals sign\r\n[forminfo]\r\n"
        "captionrect=5,3,172,21\r\n");
    ASSERT_NE(ini.Find("forminfo", "BORDERWIDTH"), nullptr);
    EXPECT_EQ(*ini.Find("forminfo", "BORDERWIDTH"), "3");
    EXPECT_EQ(ini.ReadString("FormInfo", "captionrect", ""), "5,3,172,21");
    EXPECT_EQ(ini.KeyCount("FORMINFO"), 2u);
    EXPECT_FALSE(ini.HasKey("FORMINFO", "; a comment"));
    EXPECT_EQ(ini.Find("FORMINFO", "missing"), nullptr);
    EXPECT_EQ(ini.Find("NOSECTION", "borderwidth"), nullptr);
}

TEST(SkinIni, ManyKeysStayFoundThroughEveryGrowthOfTheIndex) {
    std::string text = "[Big]\n";
    for (int i = 0; i < 3000; ++i)
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    for (int i = 0; i < 3000; i += 7)
        text += "KEY" + std::to_string(i) + "=again\n";
    SkinIni ini = SkinIni::FromText(text);
    EXPECT_EQ(ini.KeyCount("big"), 3000u);
    for (int i = 0; i < 3000; ++i) {
        const std::string* value = ini.Find("BIG", "key" + std::to_string(i));
        ASSERT_NE(value, nullptr) << i;
        EXPECT_EQ(*value, std::to_string(i));
    }
    EXPECT_EQ(ini.Find("big", "key3000"), nullptr);
    ini.WriteString("big", "KEY5", "five");
    ini.WriteString("big", "new", "n");
    EXPECT_EQ(ini.ReadString("big", "key5", ""), "five");
    EXPECT_EQ(ini.ReadString("big", "NEW", ""), "n");
    EXPECT_EQ(ini.KeysOf("big").Find("Key2999") != nullptr, true);
    EXPECT_EQ(ini.KeysOf("none").Find("Key1"), nullptr);
}

TEST(SkinIni, KeysBeforeAnySectionAndValuesKeepTheirBytes) {
    const SkinIni ini = SkinIni::FromText("orphan=1\n[VERSION]\nskinname=\xB3\xC8\xC9\xAB=x\nempty=\n");
    EXPECT_FALSE(ini.HasKey("", "orphan"));
    EXPECT_EQ(ini.ReadString("VERSION", "skinname", ""),
              "\xB3\xC8\xC9\xAB=x");  // GBK bytes, "=" after the first
    ASSERT_NE(ini.Find("VERSION", "empty"), nullptr);
    EXPECT_EQ(*ini.Find("VERSION", "empty"), "");
}

TEST(SkinIni, WritesBackInFirstSeenOrderAndErasesWholeSections) {
    SkinIni ini = SkinIni::FromText("[A]\nx=1\n[B]\ny=2\n");
    ini.WriteString("a", "X", "5");
    ini.WriteString("A", "z", "6");
    ini.EraseSection("b");
    ini.WriteString("C", "w", "7");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "x=5", "z=6", "", "[C]", "w=7", ""}));
    EXPECT_FALSE(ini.HasSection("B"));
    EXPECT_EQ(ini.ReadString("c", "W", ""), "7");
}

TEST(Values, IntegersConvertAsThePlatformDoesAndRefuseTheRest) {
    int v = 42;
    EXPECT_TRUE(ParseInteger(" -17 ", v));
    EXPECT_EQ(v, -17);
    EXPECT_TRUE(ParseInteger("$FF", v));
    EXPECT_EQ(v, 255);
    EXPECT_TRUE(ParseInteger("0x10", v));
    EXPECT_EQ(v, 16);
    EXPECT_TRUE(ParseInteger("2147483647", v));
    v = 42;
    for (const char* bad : {"", "-", "12a", "1 2", "2147483648", "0x", "$"}) {
        EXPECT_FALSE(ParseInteger(bad, v)) << bad;
        EXPECT_EQ(v, 42) << bad;
    }
}

TEST(Values, RectFieldsKeepOnlyTheirDigits) {
    int f[4];
    ParseDigitFields("-5,0,10,10", f, 4, "[x] r");
    EXPECT_EQ(f[0], 5);  // the minus sign is dropped
    EXPECT_EQ(f[3], 10);
    ParseDigitFields(" 1 ,2a,3-,x4", f, 4, "[x] r");
    EXPECT_EQ((std::vector<int>{f[0], f[1], f[2], f[3]}), (std::vector<int>{1, 2, 3, 4}));
    ParseDigitFields("1,2,3,4,5,6", f, 4, "[x] r");  // room for four only
    EXPECT_EQ(f[3], 4);
    ParseDigitFields("7,8", f, 4, "[x] r");
    EXPECT_EQ((std::vector<int>{f[0], f[1], f[2], f[3]}), (std::vector<int>{7, 8, 0, 0}));
}

TEST(Values, ARectFieldWithoutDigitsIsAnErrorNamingSectionAndKey) {
    int f[4];
    for (const char* bad : {"", ",,,", "1,,3,4", "a,b,c,d", "99999999999,0,0,0"}) {
        try {
            ParseDigitFields(bad, f, 4, "[button] skinrect");
            ADD_FAILURE() << "no error for \"" << bad << "\"";
        } catch (const SkinError& error) {
            EXPECT_NE(std::string(error.what()).find("[button] skinrect"), std::string::npos) << error.what();
        }
    }
}

TEST(Values, KeywordsMatchExactlyAndFallBackEachItsOwnWay) {
    EXPECT_EQ(ParseAlignment("tacenter"), Alignment::Center);
    EXPECT_EQ(ParseAlignment("taleftjustify"), Alignment::LeftJustify);
    EXPECT_EQ(ParseAlignment("TaCenter"), Alignment::RightJustify);
    EXPECT_EQ(ParseAlignment(""), Alignment::RightJustify);
    EXPECT_EQ(ParseMorphKind("mkpush"), MorphKind::Push);
    EXPECT_EQ(ParseMorphKind("mkrightslide"), MorphKind::RightSlide);
    EXPECT_EQ(ParseMorphKind("MKPUSH"), MorphKind::Default);
    EXPECT_EQ(ParseInactiveEffect("ieinvert"), InactiveEffect::Invert);
    EXPECT_EQ(ParseInactiveEffect("iebrightness"), InactiveEffect::Brightness);
    EXPECT_EQ(ParseInactiveEffect(""), InactiveEffect::Grayscale);
    EXPECT_EQ(ParseCommand("cmsysmenu"), SkinCommand::SysMenu);
    EXPECT_EQ(ParseCommand("cmdefault"), SkinCommand::Default);
    EXPECT_EQ(ParseCommand("cmrollup"), SkinCommand::RollUp);
    EXPECT_EQ(ParseCommand("cmhelp"), SkinCommand::RollUp);
}

TEST(Values, FontStylesAreSubstringsAndWriteInAFixedOrder) {
    const FontStyle boldUnderline = ParseFontStyle("fsbold,fsunderline");
    EXPECT_TRUE(boldUnderline.bold && boldUnderline.underline);
    EXPECT_FALSE(boldUnderline.italic || boldUnderline.strikeout);
    EXPECT_TRUE(ParseFontStyle("xxfsitalicxx").italic);
    EXPECT_FALSE(ParseFontStyle("FSITALIC").italic);
    EXPECT_EQ(KeywordOf(FontStyle{true, true, true, true}), "fsbold,fsitalic,fsunderline,fsstrikeout");
    EXPECT_EQ(KeywordOf(ParseFontStyle("fsstrikeout,fsbold")), "fsbold,fsstrikeout");
    EXPECT_EQ(KeywordOf(FontStyle{}), "");
}

}  // namespace
}  // namespace huecast::skin
