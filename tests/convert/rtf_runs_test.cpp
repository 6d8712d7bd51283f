// Reading the runs of RTF as rich-edit controls write it: the editor's content reaches the program this way.
#include "convert/rtf_runs.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/convert/gbk.h"

namespace huecast {
namespace {

using test::Cp936;
using test::Gbk;

std::vector<TextRun> Read(std::string_view rtf) {
    return ReadRtfRuns(rtf, Cp936());
}

CharFormat Format(std::string font, int charset, int halfPoints, unsigned style,
                  std::optional<std::uint32_t> color) {
    return {std::move(font), charset, halfPoints, style, color};
}

TEST(ReadRtfRuns, ADocumentAsAControlWritesIt) {
    // Signed Unicode escapes with their stand-ins, a generator group, line breaks of the file, a symbol font.
    const std::vector<TextRun> runs = Read(std::string(
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang2052{\\fonttbl{\\f0\\fswiss\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Wingdings;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs60 \\'c4\\'e3\\u-10179?\\u-8704?\\cf2\\b "
        "A\r\nB\\b0\\par\r\n\\cf0\\f1\\fs24 J\\'e8\\par\r\n}\r\n") + '\0');  // a zero byte ends some streams
    const std::vector<TextRun> expected = {
        {u"你😀", Format(Gbk("宋体"), 134, 60, 0, 0x0000FF)},
        {u"AB", Format(Gbk("宋体"), 134, 60, 1, 0xFF0000)},
        {u"\r", Format(Gbk("宋体"), 134, 60, 0, 0xFF0000)},
        {u"J\uF0E8", Format("Wingdings", 2, 24, 0, std::nullopt)},
    };
    EXPECT_EQ(runs, expected);
}

TEST(ReadRtfRuns, BytesDecodeInTheCodePageOfTheirFont) {
    const std::vector<TextRun> runs =
        Read("{\\rtf1{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset134 Song;}{\\f2\\fcharset2 Symbol;}}"
             "\\f0 caf\\'e9\\f1 \\'c4\\'e3\\f2\\'e8\\f9 \\'ba\\'c3\\par}");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].text, u"café");
    EXPECT_EQ(runs[1].text, u"你");
    EXPECT_EQ(runs[2].text, u"\uF0E8");
    EXPECT_EQ(runs[3].text, u"好");  // an unknown font: the system code page
    EXPECT_EQ(runs[3].format.fontName, "");
}

TEST(ReadRtfRuns, FormatsFollowGroupsPlainAndEveryKindOfUnderline) {
    const std::vector<TextRun> runs =
        Read("{\\rtf1{\\fonttbl{\\f0 A;}}{\\colortbl;\\red1\\green2\\blue3;}\\pard\\cf1\\i a{\\b\\uldb b}"
             "\\strike c\\ulw\\strike0 d\\ul0\\i0 e\\fs30\\plain f\\par}");
    const std::vector<TextRun> expected = {
        {u"a", Format("A", 1, 24, 2, 0x030201)},      {u"b", Format("A", 1, 24, 1 | 2 | 4, 0x030201)},
        {u"c", Format("A", 1, 24, 2 | 8, 0x030201)},  {u"d", Format("A", 1, 24, 2 | 4, 0x030201)},
        {u"e", Format("A", 1, 24, 0, 0x030201)},      {u"f", Format("A", 1, 24, 0, std::nullopt)},
    };
    EXPECT_EQ(runs, expected);
}

TEST(ReadRtfRuns, NamedCharactersAndSkippedGroups) {
    const std::vector<TextRun> runs = Read(
        "{\\rtf1{\\fonttbl{\\f0 A;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}\\pard "
        "\\ldblquote q\\rdblquote\\tab\\emdash\\line x\\~{\\*\\bkmkstart b}{\\pict\\bin4 {}}z}\\par\\par}");
    ASSERT_EQ(runs.size(), 1u);
    // Two paragraph marks at the end: the text's own and the closing one, which is not text.
    EXPECT_EQ(runs[0].text, u"“q”\t—\rx\u00A0\r");  // the picture's raw bytes took the "z"
}

TEST(ReadRtfRuns, UnicodeEscapesSkipTheirStandInsAsUcSays) {
    EXPECT_EQ(Read("{\\rtf1\\uc2\\u20320\\'c4\\'e3a\\uc0\\u22909 b\\uc1\\u55357?\\u56832?}")[0].text,
              u"你a好b😀");
    // A stand-in cut short by a control word or a group ends there.
    EXPECT_EQ(Read("{\\rtf1\\uc3\\u20320 x\\par y}")[0].text, u"你\ry");
}

TEST(ReadRtfRuns, DamagedDocumentsGiveWhatTheyHoldAndNothingMore) {
    for (const char* rtf : {"", "{", "}", "{\\rtf1 ab", "{\\rtf1 a\\'4", "{\\rtf1 a\\", "{\\rtf1\\f99999999999999 a}",
                            "{\\rtf1{\\fonttbl{\\f0\\fcharset2 S", "{\\rtf1\\bin99999 a}", "{\\rtf1\\u}",
                            "{\\rtf1{\\colortbl\\red300;}\\cf1 a}", "{\\rtf1\\cf-5\\f-1 a}", "}}}}{a"}) {
        SCOPED_TRACE(rtf);
        std::size_t units = 0;
        for (const TextRun& run : Read(rtf))
            units += run.text.size();
        EXPECT_LE(units, std::string_view(rtf).size());
    }
    EXPECT_EQ(Read("{\\rtf1 ab")[0].text, u"ab");
    const std::vector<TextRun> clamped = Read("{\\rtf1{\\colortbl;\\red300\\green0\\blue0;}\\cf1 a}");
    EXPECT_EQ(clamped[0].format.color, 0x0000FFu);
}

}  // namespace
}  // namespace huecast
