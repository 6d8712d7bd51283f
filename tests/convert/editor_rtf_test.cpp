#include "convert/editor_rtf.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "convert/posix/iconv_code_page.h"
#include "convert/urtf.h"
#include "tests/convert/gbk.h"
#include "tests/convert/rtf_reader.h"

namespace huecast {

// Lets a failing comparison show the runs.
void PrintTo(const TextRun& run, std::ostream* os) {
    *os << "{\"" << run.text << "\", font \"" << run.format.fontName << "\" " << run.format.charset
        << ", size " << run.format.sizeHalfPoints << ", style " << run.format.style << ", colour ";
    if (run.format.color) {
        *os << *run.format.color;
    } else {
        *os << "auto";
    }
    *os << "}";
}

namespace {

using test::Gbk;

const std::string kSongti = "\xcb\xce\xcc\xe5";
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

CharFormat Songti(int sizeHalfPoints, std::optional<std::uint32_t> color, unsigned style = 0) {
    return {kSongti, 134, sizeHalfPoints, style, color};
}

// The body between "\pard" and the closing paragraph mark.
std::string Body(const std::string& rtf) {
    const std::size_t start = rtf.find("\\pard") + 5;
    return rtf.substr(start, rtf.rfind("\\par}") - start);
}

TEST(WriteEditorRtf, WorkedExampleByteForByte) {
    const TextRun runs[] = {{Gbk("你好"), Songti(60, kRed)}};
    const std::string rtf = WriteEditorRtf(runs);
    EXPECT_EQ(
        rtf,
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}}{\\colortbl "
        ";\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0"
        "\\fs60\\'c4\\'e3\\'ba\\'c3\\cf0\\fs24\\par}");
    const std::string converted = ConvertToUrtf(rtf, Gbk("你好"), IconvCodePageConverter());
    EXPECT_EQ(
        converted,
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\u22909?\\par}");
    EXPECT_EQ(converted.size(), 98u);
}

TEST(WriteEditorRtf, SecondWorkedExampleThroughTheConversion) {
    const CharFormat wingdings{"Wingdings", 2, 60, 0, 0x000000};
    const TextRun runs[] = {
        {Gbk("A你“"), Songti(60, 0x000000)}, {"Y", wingdings}, {Gbk("”"), Songti(60, 0x000000)}};
    const std::string rtf = WriteEditorRtf(runs);
    EXPECT_EQ(
        rtf,
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Wingdings;}}{\\colortbl "
        ";\\red0\\green0\\blue0;}\\viewkind4"
        "\\uc1\\pard\\cf1\\lang2052\\f0\\fs60 A\\'c4\\'e3\\ldblquote\\f1 Y\\f0\\rdblquote\\cf0\\fs24\\par}");
    EXPECT_EQ(ConvertToUrtf(rtf, Gbk("A你“Y”"), IconvCodePageConverter()),
              "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}{\\f1\\fcharset2 "
              "Wingdings;}}{\\colortbl;\\;}\\pard\\cf1\\f0"
              "\\fs60 A\\u20320?\\ldblquote\\f1 Y\\f0\\rdblquote\\par}");
}

TEST(WriteEditorRtf, ListsOnlyUsedFontsAndColoursOnceInOrderOfUse) {
    const CharFormat arial{"Arial", 0, 24, 0, kBlue};
    const TextRun runs[] = {{"a", Songti(24, kBlue)},
                            {"b", arial},
                            {"c", Songti(24, kRed)},
                            {"d", arial},
                            {"e", Songti(24, kBlue)}};
    const std::string rtf = WriteEditorRtf(runs);
    EXPECT_NE(
        rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Arial;}}"
                 "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}"),
        std::string::npos)
        << rtf;
    EXPECT_EQ(Body(rtf), "\\cf1\\lang2052\\f0 a\\f1 b\\cf2\\f0 c\\cf1\\f1 d\\f0 e\\cf0\\fs24");
}

TEST(WriteEditorRtf, ControlWordsOnlyWhereAnAttributeChanges) {
    const TextRun runs[] = {
        {"ab", Songti(60, kRed)},       {"cd", Songti(60, kRed)},        {"e", Songti(60, kRed, 1 | 4)},
        {"f", Songti(60, kRed, 2 | 8)}, {"g", Songti(40, std::nullopt)}, {"h", Songti(24, kRed)},
    };
    EXPECT_EQ(Body(WriteEditorRtf(runs)),
              "\\cf1\\lang2052\\f0\\fs60 abcd\\b\\ul e\\b0\\i\\ulnone\\strike f\\cf0\\i0\\strike0\\fs40 "
              "g\\cf1\\fs24 "
              "h\\cf0\\fs24");
}

TEST(WriteEditorRtf, ClosingResetLeavesNothingInTheConversion) {
    const IconvCodePageConverter cp936;
    for (const CharFormat& last : {Songti(24, kRed), Songti(60, std::nullopt), Songti(24, std::nullopt)}) {
        const TextRun runs[] = {{"a", Songti(40, kBlue)}, {"b", last}};
        EXPECT_TRUE(ConvertToUrtf(WriteEditorRtf(runs), "ab", cp936).ends_with(" b\\par}"));
    }
}

TEST(WriteEditorRtf, EscapesBytesAndSyntax) {
    const TextRun runs[] = {
        {Gbk("“你”") + "\x80\xff" + Gbk("丂乗") + "\\{}\t" + "\x01", Songti(24, std::nullopt)}};
    EXPECT_EQ(
        Body(WriteEditorRtf(runs)),
        "\\lang2052\\f0\\ldblquote\\'c4\\'e3\\rdblquote\\'80\\'ff\\'81\\'40\\'81\\'5c\\\\\\{\\}\\tab\\'01");
}

TEST(WriteEditorRtf, DelimitsControlWordsOnlyWhereNeeded) {
    const TextRun runs[] = {{"a\r1\r\n-\n \r" + Gbk("你") + "\r\\", Songti(24, std::nullopt)}};
    EXPECT_EQ(Body(WriteEditorRtf(runs)), "\\lang2052\\f0 a\\par 1\\par -\\par  \\par\\'c4\\'e3\\par\\\\");
}

TEST(WriteEditorRtf, EmptyDocumentKeepsItsLandmarks) {
    const std::string rtf = WriteEditorRtf({});
    EXPECT_EQ(
        rtf,
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}}{\\colortbl ;}\\viewkind4\\uc1\\pard\\lang2052\\f0\\par}");
    const TextRun emptyRuns[] = {{"", Songti(60, kRed)}, {"", Songti(30, kBlue)}};
    EXPECT_EQ(WriteEditorRtf(emptyRuns), rtf);
    EXPECT_EQ(ConvertToUrtf(rtf, "", IconvCodePageConverter()),
              "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;}\\pard\\f0\\par}");
}

TEST(WriteEditorRtf, FontNamesAreEscapedToo) {
    const TextRun runs[] = {{"x", {Gbk("黑体"), 134, 24, 0, std::nullopt}},
                            {"y", {"A;B{", 0, 24, 0, std::nullopt}}};
    const std::string rtf = WriteEditorRtf(runs);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 A\\'3bB\\{;}}"),
              std::string::npos);
    EXPECT_EQ(test::ReadRtfRuns(rtf), test::Normalized({std::begin(runs), std::end(runs)}));
}

TEST(WriteEditorRtf, ReadsBackToTheSameRuns) {
    const TextRun runs[] = {
        {Gbk("你好，“世界”"), Songti(60, kRed, 1)},
        {"\r\nA{b}\\c", {"Wingdings", 2, 30, 0, std::nullopt}},
        {"", Songti(80, kBlue)},
        {Gbk("一·二\n"), Songti(24, kBlue, 15)},
        {"tail", Songti(24, kBlue, 15)},
    };
    EXPECT_EQ(test::ReadRtfRuns(WriteEditorRtf(runs)), test::Normalized({std::begin(runs), std::end(runs)}));
}

TEST(WriteEditorRtf, RandomDocumentsReadBackAndConvert) {
    // Random runs over the characters that matter: ASCII letters and syntax, Chinese characters (with low
    // trail bytes too), the curly quotes, the middle dot, line breaks.
    const std::vector<std::string> pieces = {"a",       "Z",       "7",         " ",      "-",
                                             "\\",      "{",       "}",         "\r",     "\r\n",
                                             Gbk("你"), Gbk("丂"), Gbk("乗"),   Gbk("“"), Gbk("”"),
                                             Gbk("·"),  Gbk("，"), Gbk("心悴"), Gbk("一")};
    const std::vector<std::optional<std::uint32_t>> colours = {std::nullopt, kRed, kBlue, 0x000000, 0x808000};
    const std::vector<std::pair<std::string, int>> fonts = {{kSongti, 134}, {"Wingdings", 2}, {"Arial", 0}};
    std::mt19937 random(2024);
    const IconvCodePageConverter cp936;
    for (int document = 0; document < 200; ++document) {
        std::vector<TextRun> runs(random() % 8);
        std::string plain;
        for (TextRun& run : runs) {
            for (int n = random() % 6; n > 0; --n)
                run.text += pieces[random() % pieces.size()];
            const auto& font = fonts[random() % fonts.size()];
            run.format = {font.first, font.second, int(random() % 4) * 12 + 20, unsigned(random() % 16),
                          colours[random() % colours.size()]};
            plain += run.text;
        }
        const std::string rtf = WriteEditorRtf(runs);
        EXPECT_EQ(test::ReadRtfRuns(rtf), test::Normalized(runs)) << rtf;

        // Every non-ASCII character becomes its own \u escape: none is left as bytes, and the decimal values
        // in order are the plain text's code units at or above U+0080 other than the curly quotes.
        const std::string converted = ConvertToUrtf(rtf, plain, cp936);
        EXPECT_EQ(converted.find("\\'"), std::string::npos) << converted;
        std::u16string expected;
        for (const char16_t unit : cp936.ToUtf16(plain)) {
            if (unit >= 0x80 && unit != u'“' && unit != u'”') expected += unit;
        }
        std::u16string found;
        for (std::size_t at = converted.find("\\u"); at != std::string::npos;
             at = converted.find("\\u", at + 2)) {
            if (at + 2 < converted.size() && std::isdigit(static_cast<unsigned char>(converted[at + 2]))) {
                found += static_cast<char16_t>(std::stoul(converted.substr(at + 2)));
            }
        }
        EXPECT_EQ(found, expected) << converted;
    }
}

}  // namespace
}  // namespace huecast
