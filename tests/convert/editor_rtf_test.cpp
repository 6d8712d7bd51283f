#include "convert/editor_rtf.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <span>

#include "convert/rtf_runs.h"
#include "convert/urtf.h"
#include "tests/convert/gbk.h"

namespace huecast {

// Lets a failing comparison show the runs.
void PrintTo(const TextRun& run, std::ostream* os) {
    *os << "{u\"";
    for (const char16_t unit : run.text) {
        if (unit >= 0x20 && unit < 0x7F) {
            *os << static_cast<char>(unit);
        } else {
            *os << "\\x{" << std::hex << unsigned(unit) << std::dec << "}";
        }
    }
    *os << "\", font \"" << run.format.fontName << "\" " << run.format.charset
        << ", size " << run.format.sizeHalfPoints << ", style " << run.format.style << ", colour ";
    if (run.format.color) {
        *os << *run.format.color;
    } else {
        *os << "auto";
    }
    *os << "}";
}

namespace {

using test::Cp936;
using test::Gbk;

std::string Write(std::span<const TextRun> runs) {
    return WriteEditorRtf(runs, Cp936());
}

// `runs` as the reader gives them back: empty runs dropped, every break as "\r", style limited to its four
// flags, adjacent runs of one format merged.
std::vector<TextRun> Normalized(std::vector<TextRun> runs) {
    std::vector<TextRun> out;
    for (TextRun& run : runs) {
        std::u16string text;
        for (std::size_t i = 0; i < run.text.size(); ++i) {
            if (run.text[i] == u'\r' && i + 1 < run.text.size() && run.text[i + 1] == u'\n') ++i;
            text += run.text[i] == u'\n' ? u'\r' : run.text[i];
        }
        if (text.empty()) continue;
        run.format.style &= 15;
        if (!out.empty() && out.back().format == run.format) {
            out.back().text += text;
        } else {
            out.push_back({std::move(text), run.format});
        }
    }
    return out;
}

std::vector<TextRun> ReadBack(const std::string& rtf) {
    return ReadRtfRuns(rtf, Cp936());
}

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
    const TextRun runs[] = {{u"你好", Songti(60, kRed)}};
    const std::string rtf = Write(runs);
    EXPECT_EQ(
        rtf,
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}}{\\colortbl "
        ";\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0"
        "\\fs60\\'c4\\'e3\\'ba\\'c3\\cf0\\fs24\\par}");
    const std::string converted = ConvertToUrtf(rtf, Gbk("你好"), Cp936());
    EXPECT_EQ(
        converted,
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\u22909?\\par}");
    EXPECT_EQ(converted.size(), 98u);
}

TEST(WriteEditorRtf, SecondWorkedExampleThroughTheConversion) {
    const CharFormat wingdings{"Wingdings", 2, 60, 0, 0x000000};
    const TextRun runs[] = {
        {u"A你“", Songti(60, 0x000000)}, {u"Y", wingdings}, {u"”", Songti(60, 0x000000)}};
    const std::string rtf = Write(runs);
    EXPECT_EQ(
        rtf,
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Wingdings;}}{\\colortbl "
        ";\\red0\\green0\\blue0;}\\viewkind4"
        "\\uc1\\pard\\cf1\\lang2052\\f0\\fs60 A\\'c4\\'e3\\ldblquote\\f1 Y\\f0\\rdblquote\\cf0\\fs24\\par}");
    EXPECT_EQ(ConvertToUrtf(rtf, Gbk("A你“Y”"), Cp936()),
              "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}{\\f1\\fcharset2 "
              "Wingdings;}}{\\colortbl;\\;}\\pard\\cf1\\f0"
              "\\fs60 A\\u20320?\\ldblquote\\f1 Y\\f0\\rdblquote\\par}");
}

TEST(WriteEditorRtf, ListsOnlyUsedFontsAndColoursOnceInOrderOfUse) {
    const CharFormat arial{"Arial", 0, 24, 0, kBlue};
    const TextRun runs[] = {{u"a", Songti(24, kBlue)},
                            {u"b", arial},
                            {u"c", Songti(24, kRed)},
                            {u"d", arial},
                            {u"e", Songti(24, kBlue)}};
    const std::string rtf = Write(runs);
    EXPECT_NE(
        rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Arial;}}"
                 "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}"),
        std::string::npos)
        << rtf;
    EXPECT_EQ(Body(rtf), "\\cf1\\lang2052\\f0 a\\f1 b\\cf2\\f0 c\\cf1\\f1 d\\f0 e\\cf0\\fs24");
}

TEST(WriteEditorRtf, ControlWordsOnlyWhereAnAttributeChanges) {
    const TextRun runs[] = {
        {u"ab", Songti(60, kRed)},       {u"cd", Songti(60, kRed)},        {u"e", Songti(60, kRed, 1 | 4)},
        {u"f", Songti(60, kRed, 2 | 8)}, {u"g", Songti(40, std::nullopt)}, {u"h", Songti(24, kRed)},
    };
    EXPECT_EQ(Body(Write(runs)),
              "\\cf1\\lang2052\\f0\\fs60 abcd\\b\\ul e\\b0\\i\\ulnone\\strike f\\cf0\\i0\\strike0\\fs40 "
              "g\\cf1\\fs24 "
              "h\\cf0\\fs24");
}

TEST(WriteEditorRtf, ClosingResetLeavesNothingInTheConversion) {
    for (const CharFormat& last : {Songti(24, kRed), Songti(60, std::nullopt), Songti(24, std::nullopt)}) {
        const TextRun runs[] = {{u"a", Songti(40, kBlue)}, {u"b", last}};
        EXPECT_TRUE(ConvertToUrtf(Write(runs), "ab", Cp936()).ends_with(" b\\par}"));
    }
}

TEST(WriteEditorRtf, EscapesBytesAndSyntax) {
    // € is the code page's single byte 0x80; 丂 and 乗 have trail bytes below 0x80, one of them a backslash.
    const TextRun runs[] = {{u"“你”€丂乗\\{}\t\x01", Songti(24, std::nullopt)}};
    EXPECT_EQ(Body(Write(runs)),
              "\\lang2052\\f0\\ldblquote\\'c4\\'e3\\rdblquote\\'80\\'81\\'40\\'81\\'5c\\\\\\{\\}\\tab\\'01");
}

TEST(WriteEditorRtf, CharactersOutsideTheCodePageAsUnsignedUnicodeEscapes) {
    // Korean, an emoji (a surrogate pair), a heart and a kana the code page lacks, between characters it has.
    const TextRun runs[] = {{u"한你😀♥a\u30F7", Songti(24, kRed)}, {u"Y\uF0E8", {"Wingdings", 2, 24, 0, kRed}}};
    const std::string rtf = Write(runs);
    EXPECT_EQ(Body(rtf),
              "\\cf1\\lang2052\\f0\\u54620?\\'c4\\'e3\\u55357?\\u56832?\\u9829?a\\u12535?\\f1 Y\\u61672?\\cf0\\fs24");
    EXPECT_EQ(ReadBack(rtf), Normalized({std::begin(runs), std::end(runs)}));
    // The plain text has '?' where the code page lacks a character; the escapes pass through the conversion.
    EXPECT_EQ(ConvertToUrtf(rtf, Gbk("?你??") + "?a??Y?", Cp936()),
              "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}{\\f1\\fcharset2 Wingdings;}}{\\colortbl;\\red255\\green0\\blue0;}"
              "\\pard\\cf1\\f0\\u54620?\\u20320?\\u55357?\\u56832?\\u9829?a\\u12535?\\f1 Y\\u61672?\\par}");
}

TEST(WriteEditorRtf, DelimitsControlWordsOnlyWhereNeeded) {
    const TextRun runs[] = {{u"a\r1\r\n-\n \r你\r\\", Songti(24, std::nullopt)}};
    EXPECT_EQ(Body(Write(runs)), "\\lang2052\\f0 a\\par 1\\par -\\par  \\par\\'c4\\'e3\\par\\\\");
}

TEST(WriteEditorRtf, EmptyDocumentKeepsItsLandmarks) {
    const std::string rtf = Write({});
    EXPECT_EQ(
        rtf,
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}}{\\colortbl ;}\\viewkind4\\uc1\\pard\\lang2052\\f0\\par}");
    const TextRun emptyRuns[] = {{u"", Songti(60, kRed)}, {u"", Songti(30, kBlue)}};
    EXPECT_EQ(Write(emptyRuns), rtf);
    EXPECT_EQ(ConvertToUrtf(rtf, "", Cp936()),
              "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;}\\pard\\f0\\par}");
}

TEST(WriteEditorRtf, FontNamesAreEscapedToo) {
    const TextRun runs[] = {{u"x", {Gbk("黑体"), 134, 24, 0, std::nullopt}},
                            {u"y", {"A;B{", 0, 24, 0, std::nullopt}}};
    const std::string rtf = Write(runs);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 A\\'3bB\\{;}}"),
              std::string::npos);
    EXPECT_EQ(ReadBack(rtf), Normalized({std::begin(runs), std::end(runs)}));
}

TEST(WriteEditorRtf, ReadsBackToTheSameRuns) {
    const TextRun runs[] = {
        {u"你好，“世界”", Songti(60, kRed, 1)},
        {u"\r\nA{b}\\c", {"Wingdings", 2, 30, 0, std::nullopt}},
        {u"", Songti(80, kBlue)},
        {u"一·二\n", Songti(24, kBlue, 15)},
        {u"tail🎉", Songti(24, kBlue, 15)},
    };
    EXPECT_EQ(ReadBack(Write(runs)), Normalized({std::begin(runs), std::end(runs)}));
}

// The editor's plain text: what the code page lacks is a '?' there.
std::string PlainInCodePage(std::u16string_view text) {
    std::string plain;
    for (const char16_t unit : text)
        plain += Cp936().FromUtf16(std::u16string_view(&unit, 1)).value_or("?");
    return plain;
}

TEST(WriteEditorRtf, RandomDocumentsReadBackAndConvert) {
    // Random runs over the characters that matter: ASCII letters and syntax, Chinese characters (with low
    // trail bytes too), the curly quotes, the middle dot, line breaks, and characters the code page lacks.
    const std::vector<std::u16string> ascii = {u"a", u"Z", u"7", u" ", u"-", u"\\", u"{", u"}", u"\r", u"\r\n"};
    std::vector<std::u16string> pieces = {u"你", u"丂", u"乗",  u"“", u"”",  u"·",
                                          u"，", u"心悴", u"一", u"€", u"한", u"😀", u"♥", u"ß"};
    pieces.insert(pieces.end(), ascii.begin(), ascii.end());
    const std::vector<std::optional<std::uint32_t>> colours = {std::nullopt, kRed, kBlue, 0x000000, 0x808000};
    const std::vector<std::pair<std::string, int>> fonts = {{kSongti, 134}, {"Wingdings", 2}, {"Arial", 134}};
    std::mt19937 random(2024);
    for (int document = 0; document < 300; ++document) {
        std::vector<TextRun> runs(random() % 8);
        std::u16string text;
        for (TextRun& run : runs) {
            const auto& font = fonts[random() % fonts.size()];
            // A symbol font holds what the symbol list inserts.
            const std::vector<std::u16string>& from = font.second == kSymbolCharset ? ascii : pieces;
            for (int n = random() % 6; n > 0; --n)
                run.text += from[random() % from.size()];
            run.format = {font.first, font.second, int(random() % 4) * 12 + 20, unsigned(random() % 16),
                          colours[random() % colours.size()]};
            text += run.text;
        }
        const std::string rtf = Write(runs);
        EXPECT_EQ(ReadBack(rtf), Normalized(runs)) << rtf;

        // Every non-ASCII character becomes its own \u escape: none is left as bytes, and the decimal values
        // in order are the text's code units at or above U+0080 other than the curly quotes.
        const std::string plain = PlainInCodePage(text);
        const std::string converted = ConvertToUrtf(rtf, plain, Cp936());
        EXPECT_EQ(converted.find("\\'"), std::string::npos) << converted;
        std::string withoutCrLf = plain;
        for (std::size_t at; (at = withoutCrLf.find("\r\n")) != std::string::npos;)
            withoutCrLf.erase(at, 2);
        EXPECT_GE(converted.size(), MinimumConvertedSize(withoutCrLf)) << converted;
        std::u16string expected;
        for (const char16_t unit : text) {
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
