#include "convert/urtf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/convert/gbk.h"

namespace huecast {
namespace {

using test::Cp936;
using test::Gbk;

// The editor's document around a body, as the editor's writer gives it for text in 宋体 (f0) and a
// Wingdings symbol font (f1), with a red and a black colour.
std::string Document(std::string_view body) {
    return std::string(
               "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{"
               "\\f0\\fnil\\fcharset134 "
               "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Wingdings;}}{\\colortbl "
               ";\\red255\\green0\\blue0;"
               "\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0\\fs60") +
           std::string(body) + "\\cf0\\fs24\\par}";
}

// What ConvertToUrtf makes of Document(body) when the body converts to `converted`.
std::string Converted(std::string_view converted) {
    return "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}{\\f1\\fcharset2 "
           "Wingdings;}}{\\colortbl;\\red255\\green0\\blue0;"
           "\\;}\\pard\\cf1\\f0\\fs60" +
           std::string(converted) + "\\par}";
}

std::string Convert(std::string_view body, std::string_view plainUtf8) {
    return ConvertToUrtf(Document(body), Gbk(plainUtf8), Cp936());
}

TEST(ConvertToUrtf, FirstWorkedExample) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}}{\\colortbl "
        ";\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0\\fs60"
        "\\'c4\\'e3\\'ba\\'c3\\cf0\\fs24\\par}";
    const std::string converted = ConvertToUrtf(rtf, Gbk("你好"), Cp936());
    EXPECT_EQ(
        converted,
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\u22909?\\par}");
    EXPECT_EQ(converted.size(), 98u);
}

TEST(ConvertToUrtf, SecondWorkedExampleDropsAsciiAndKeepsQuoteWords) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Wingdings;}}{\\colortbl "
        ";\\red0\\green0\\blue0;}\\viewkind4"
        "\\uc1\\pard\\cf1\\lang2052\\f0\\fs60 A\\'c4\\'e3\\ldblquote\\f1 Y\\f0\\rdblquote\\cf0\\fs24\\par}";
    EXPECT_EQ(HexCodeUnits(Gbk("A你“Y”"), Cp936()), "00414F60201C0059201D");
    EXPECT_EQ(ConvertToUrtf(rtf, Gbk("A你“Y”"), Cp936()),
              "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}{\\f1\\fcharset2 "
              "Wingdings;}}{\\colortbl;\\;}\\pard\\cf1\\f0"
              "\\fs60 A\\u20320?\\ldblquote\\f1 Y\\f0\\rdblquote\\par}");
}

TEST(ConvertToUrtf, MissingLandmarksGiveEmptyParts) {
    EXPECT_EQ(ConvertToUrtf("", "", Cp936()), "{\\urtf");
    EXPECT_EQ(ConvertToUrtf("{\\rtf1 hello}", "hello", Cp936()), "{\\urtf");
    // No colour table: nothing at all, not even the font table.
    EXPECT_EQ(ConvertToUrtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\viewkind4\\pard hi\\par}", "hi", Cp936()),
              "{\\urtf");
    // No \viewkind4 and no {\info: the colour table has no end.
    EXPECT_EQ(
        ConvertToUrtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red1\\green2\\blue3;}\\pard hi\\par}",
                      "hi", Cp936()),
        "{\\urtf{\\fonttbl{\\f0 Arial;}}\\pard hi\\par}");
    // No \pard: no body.
    EXPECT_EQ(ConvertToUrtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl ;}\\viewkind4 hi}", "hi", Cp936()),
              "{\\urtf{\\fonttbl{\\f0 Arial;}}{\\colortbl;}");
}

TEST(ConvertToUrtf, InfoGroupEndsTheColourTableAndIsDropped) {
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}{\\colortbl "
        ";\\red0\\green0\\blue255;}"
        "{\\info{\\author me}}\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0\\fs60\\'c4\\'e3\\cf0\\fs24\\par}";
    EXPECT_EQ(
        ConvertToUrtf(rtf, Gbk("你"), Cp936()),
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;\\red0\\green0\\blue255;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\par}");
}

TEST(ConvertToUrtf, PlainTextLongerThanTheLimitLeavesEveryEscape) {
    std::string body;
    std::string plain;
    for (std::size_t i = 0; i < kMaxPlainCodeUnits; ++i) {
        body += "\\'c4\\'e3";
        plain += "你";
    }
    std::string expected;
    for (std::size_t i = 0; i < kMaxPlainCodeUnits; ++i)
        expected += "\\u20320?";
    EXPECT_EQ(Convert(body, plain), Converted(expected));
    EXPECT_EQ(Convert(body + "\\'c4\\'e3", plain + "你"), Converted(body + "\\'c4\\'e3"));
}

TEST(ConvertToUrtf, WithoutTheLimitEveryCharacterIsConverted) {
    std::string body;
    std::string plain;
    std::string expected;
    for (std::size_t i = 0; i <= kMaxPlainCodeUnits; ++i) {
        body += "\\'c4\\'e3";
        plain += "你";
        expected += "\\u20320?";
    }
    const std::string rtf = "{\\rtf1{\\fonttbl{\\f0 A;}}{\\colortbl ;}\\viewkind4\\pard " + body + "\\par}";
    EXPECT_EQ(ConvertToUrtf(rtf, Gbk(plain), Cp936(), SIZE_MAX),
              "{\\urtf{\\fonttbl{\\f0 A;}}{\\colortbl;}\\pard " + expected + "\\par}");
    EXPECT_EQ(HexCodeUnits(Gbk(plain), Cp936(), SIZE_MAX).size(), (kMaxPlainCodeUnits + 1) * 4);
}

TEST(ConvertBody, EdgeCases) {
    // ASCII only: no escapes, every code unit dropped, only the two words deleted.
    EXPECT_EQ(Convert(" Hello, world", "Hello, world"), Converted(" Hello, world"));
    // A repeated character.
    EXPECT_EQ(Convert("\\'c4\\'e3\\'ba\\'c3\\'c4\\'e3\\'c4\\'e3", "你好你你"),
              Converted("\\u20320?\\u22909?\\u20320?\\u20320?"));
    // Above U+7FFF: the full-width comma.
    EXPECT_EQ(Convert("\\'a3\\'ac", "，"), Converted("\\u65292?"));
    // Curly quotes keep their words, and the characters after them their own code units.
    EXPECT_EQ(Convert("\\ldblquote\\'c4\\'e3\\rdblquote\\'ba\\'c3", "“你”好"),
              Converted("\\ldblquote\\u20320?\\rdblquote\\u22909?"));
    // Line breaks of the plain text are not characters of the body.
    EXPECT_EQ(Convert("\\'c4\\'e3\\par\\'ba\\'c3", "你\r\n好"), Converted("\\u20320?\\par\\u22909?"));
}

TEST(ConvertBody, EscapePairsAreReplacedOnlyAtTheirOwnPlace) {
    // 你 is c4 e3, and "\'c4\'e3" also stands across 心 (d0 c4) and 悴 (e3 b2).
    EXPECT_EQ(Convert("\\'c4\\'e3\\'d0\\'c4\\'e3\\'b2", "你心悴"), Converted("\\u20320?\\u24515?\\u24756?"));
}

TEST(ConvertBody, OnlyAlignedAsciiCodeUnitsAreDropped) {
    // H is 4F60 0020 4E00 201C 597D: "0020" also stands across 一 and “.
    EXPECT_EQ(Convert("\\'c4\\'e3 \\'d2\\'bb\\ldblquote\\'ba\\'c3", "你 一“好"),
              Converted("\\u20320? \\u19968?\\ldblquote\\u22909?"));
    // The middle dot (U+00B7) is an escape pair in the body, so it keeps its place in the pairing.
    EXPECT_EQ(Convert("\\'c0\\'ee\\'a1\\'a4\\'c4\\'e3", "李·你"), Converted("\\u26446?\\u183?\\u20320?"));
}

TEST(ConvertBody, MoreCodeUnitsThanEscapesIsNoError) {
    EXPECT_EQ(Convert("\\'c4\\'e3", "你好一"), Converted("\\u20320?"));
    // And fewer: the escapes beyond the code units stay, unless they repeat an earlier one.
    EXPECT_EQ(Convert("\\'c4\\'e3\\'ba\\'c3\\'c4\\'e3", "你"), Converted("\\u20320?\\'ba\\'c3\\u20320?"));
}

TEST(ConvertBody, SingleByteCharactersAreEscapesOfTheirOwn) {
    // The euro sign is the one byte 80 in code page 936.
    EXPECT_EQ(Convert("\\'80\\'c4\\'e3", "€你"), Converted("\\u8364?\\u20320?"));
    // A double-byte character whose trail byte is below 0x80 (丂 81 40, 乗 81 5c) is still one pair.
    EXPECT_EQ(Convert("\\'81\\'40\\'81\\'5c", "丂乗"), Converted("\\u19970?\\u20055?"));
}

TEST(ConvertBody, TypedBackslashesAreText) {
    // The user typed \' before 你 and the word \ldblquote; the writer doubled the backslashes.
    EXPECT_EQ(Convert("\\\\'\\'c4\\'e3\\\\ldblquote\\'ba\\'c3", "\\'你\\ldblquote好"),
              Converted("\\\\'\\u20320?\\\\ldblquote\\u22909?"));
    EXPECT_EQ(Convert("x\\\\lang2052 y", "x\\lang2052 y"), Converted("x\\\\lang2052 y"));
}

TEST(ConvertBody, DefaultResetStaysWhereItFormatsText) {
    // Size 120 pt in the automatic colour: "\cf0\fs240" is not "\cf0\fs24".
    EXPECT_EQ(Convert("\\'c4\\'e3\\cf0\\fs240\\'ba\\'c3", "你好"),
              Converted("\\u20320?\\cf0\\fs240\\u22909?"));
    // Automatic colour at 12 pt in the middle of the text.
    EXPECT_EQ(Convert("\\'c4\\'e3\\cf0\\fs24 abc\\cf1\\fs60\\'ba\\'c3", "你abc好"),
              Converted("\\u20320?\\cf0\\fs24 abc\\cf1\\fs60\\u22909?"));
}

TEST(CleanFontTable, DeletesFamilyAndChineseCharsetAndWritesSongtiDirectly) {
    EXPECT_EQ(CleanFontTable("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"),
              "{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}");
    // Other names and character sets stay.
    EXPECT_EQ(
        CleanFontTable("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 "
                       "Webdings;}{\\f2\\fnil\\fcharset0 Arial;}}"),
        "{\\fonttbl{\\f0 \\'ba\\'da\\'cc\\'e5;}{\\f1\\fcharset2 Webdings;}{\\f2\\fcharset0 Arial;}}");
}

TEST(HexCodeUnits, FourUpperCaseDigitsPerCodeUnitWithinTheLimit) {
    EXPECT_EQ(HexCodeUnits(Gbk("你好"), Cp936()), "4F60597D");
    EXPECT_EQ(HexCodeUnits("A", Cp936()), "0041");
    EXPECT_EQ(HexCodeUnits(Gbk("，"), Cp936()), "FF0C");
    EXPECT_EQ(HexCodeUnits("", Cp936()), "");

    std::string plain;
    for (std::size_t i = 0; i < kMaxPlainCodeUnits; ++i)
        plain += "\xc4\xe3";
    EXPECT_EQ(HexCodeUnits(plain, Cp936()).size(), kMaxPlainCodeUnits * 4);
    EXPECT_EQ(HexCodeUnits(plain + "a", Cp936()), "");  // no cut result
}

TEST(HexGroupToDecimal, UnsignedWithoutLeadingZeros) {
    EXPECT_EQ(HexGroupToDecimal("4F60"), "20320");
    EXPECT_EQ(HexGroupToDecimal("FF0C"), "65292");
    EXPECT_EQ(HexGroupToDecimal("FFFF"), "65535");
    EXPECT_EQ(HexGroupToDecimal("0041"), "65");
    EXPECT_EQ(HexGroupToDecimal("0000"), "0");
    EXPECT_EQ(HexGroupToDecimal("ff0c"), "65292");
    EXPECT_EQ(HexGroupToDecimal("FF0"), "");
    EXPECT_EQ(HexGroupToDecimal("FG00"), "");
}

TEST(EscapedCodeUnitGroups, DropsAlignedAsciiGroupsAndARemainder) {
    using Groups = std::vector<std::string_view>;
    EXPECT_EQ(EscapedCodeUnitGroups("00414F60201C0059201D"), (Groups{"4F60", "201C", "201D"}));
    EXPECT_EQ(EscapedCodeUnitGroups("4E00002000B7"), (Groups{"4E00", "00B7"}));
    EXPECT_EQ(EscapedCodeUnitGroups("10000041"), (Groups{"1000"}));
    EXPECT_EQ(EscapedCodeUnitGroups("4F60597"), (Groups{"4F60"}));
}

TEST(ConvertBodyWithGroups, QuoteWordsTakeTheirGroupWithoutBeingReplaced) {
    const std::vector<std::string_view> groups{"201C", "4F60", "201D"};
    EXPECT_EQ(ConvertBodyWithGroups("\\ldblquote\\'c4\\'e3\\rdblquote", groups),
              "\\ldblquote\\u20320?\\rdblquote");
    // A lone backslash or a cut escape at the very end is left as it is.
    EXPECT_EQ(ConvertBodyWithGroups("\\'c4\\", {}), "\\'c4\\");
    EXPECT_EQ(ConvertBodyWithGroups("\\'c", std::vector<std::string_view>{"4F60"}), "\\u20320?");
}

TEST(IconvCodePageConverter, ReplacesWhatTheCodePageDoesNotDefine) {
    EXPECT_EQ(Cp936().ToUtf16(Gbk("你A€")), u"你A€");
    EXPECT_EQ(Cp936().ToUtf16("\xc4"), u"?");              // cut after a lead byte
    EXPECT_EQ(Cp936().ToUtf16("a\xff\xc4\xe3"), u"a?你");  // an undefined byte
    EXPECT_THROW(IconvCodePageConverter("NO-SUCH-CODE-PAGE"), std::runtime_error);
}

}  // namespace
}  // namespace huecast
