// Reading the messenger's rich text back: hand-written texts for the rules, and the round trip of random
// editor documents through the editor's writer and the conversion.
#include "convert/urtf_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "convert/editor_rtf.h"
#include "convert/urtf.h"
#include "convert/urtf_writer.h"
#include "tests/convert/gbk.h"

namespace huecast {

// For failures: the format's fields and the text's code points.
void PrintTo(const UrtfRun& run, std::ostream* out) {
    const CharFormat& f = run.format;
    *out << "{font \"" << f.fontName << "\" charset " << f.charset << " fs " << f.sizeHalfPoints << " style "
         << f.style << " colour " << (f.color ? std::to_string(*f.color) : "auto") << " text";
    for (const char32_t c : run.text)
        *out << ' ' << std::hex << static_cast<unsigned>(c) << std::dec;
    *out << '}';
}

namespace {

using test::Cp936;

const std::string kSongti = "\xcb\xce\xcc\xe5";  // 宋体

std::vector<UrtfRun> Read(std::string_view urtf) {
    return ReadUrtf(urtf, Cp936());
}

CharFormat Format(std::string font, int sizeHalfPoints, std::optional<std::uint32_t> colour,
                  unsigned style = 0, int charset = 134) {
    return {std::move(font), charset, sizeHalfPoints, style, colour};
}

// The text of the runs, formats left out.
std::u32string Text(const std::vector<UrtfRun>& runs) {
    std::u32string text;
    for (const UrtfRun& run : runs)
        text += run.text;
    return text;
}

TEST(ReadUrtf, ReadsTheConvertedWorkedExample) {
    const std::string urtf =
        "{\\urtf{\\fonttbl{\\f0 " + kSongti +
        ";}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60\\u20320?\\u22909?\\par}";
    EXPECT_EQ(Read(urtf), (std::vector<UrtfRun>{{U"你好", Format(kSongti, 60, 0x0000FF)}}));
}

TEST(ReadUrtf, TablesGiveFontsCharsetsAndColours) {
    // Black is "\;", the automatic colour the empty entry 0; a font without \fcharset is a Chinese one; a
    // font name may be escaped.
    const std::string urtf =
        "{\\urtf{\\fonttbl{\\f0 " + kSongti +
        ";}{\\f1\\fcharset2 Webdings;}{\\f2 \\'ba\\'da\\'cc\\'e5;}}{\\colortbl;\\;\\red0\\green128\\blue255;}"
        "\\pard\\cf1\\f0 a\\cf2\\f1 Y\\cf0\\f2\\fs40 b\\par}";
    EXPECT_EQ(Read(urtf), (std::vector<UrtfRun>{{U"a", Format(kSongti, 24, 0x000000)},
                                                {U"Y", Format("Webdings", 24, 0xFF8000, 0, 2)},
                                                {U"b", Format("\xba\xda\xcc\xe5", 40, std::nullopt)}}));
    // A font or colour missing from its table.
    EXPECT_EQ(Read("{\\urtf\\pard\\f7\\cf3 x}"),
              (std::vector<UrtfRun>{{U"x", Format("", 24, std::nullopt)}}));
}

TEST(ReadUrtf, StylesAndGroupsScopeTheFormat) {
    const std::string urtf =
        "{\\urtf{\\fonttbl{\\f0 A;}}\\pard\\f0\\b\\i x{\\ul\\strike y\\b0 z}\\i0 w"
        "\\ulnone\\strike0 v\\plain u\\par}";
    EXPECT_EQ(Read(urtf), (std::vector<UrtfRun>{{U"x", Format("A", 24, std::nullopt, 3)},
                                                {U"y", Format("A", 24, std::nullopt, 15)},
                                                {U"z", Format("A", 24, std::nullopt, 14)},
                                                {U"wv", Format("A", 24, std::nullopt, 1)},
                                                {U"u", Format("A", 24, std::nullopt, 0)}}));
}

TEST(ReadUrtf, JoinsSurrogatePairsInEitherSignedness) {
    // 😀 U+1F600 is D83D DE00: unsigned 55357 56832, signed -10179 -8704.
    EXPECT_EQ(Text(Read("{\\urtf\\pard\\u55357?\\u56832?\\u-10179?\\u-8704?\\par}")), U"😀😀");
    // Alone, a half is no character: the replacement character stands in.
    EXPECT_EQ(Text(Read("{\\urtf\\pard\\u55357?a\\u56832?\\u55357?\\par}")), U"\uFFFDa\uFFFD\uFFFD");
    // Beyond RTF's 16 bits, a number names no code unit.
    EXPECT_EQ(Text(Read("{\\urtf\\pard a\\u65536?b\\u-32769?c}")), U"abc");
}

TEST(ReadUrtf, StandInsAfterUnicodeEscapesAreSkipped) {
    EXPECT_EQ(Text(Read("{\\urtf\\pard\\u20320?\\u22909 ?x}")), U"你好x");
    // \uc2: two bytes stand in, here an escaped double-byte character.
    EXPECT_EQ(Text(Read("{\\urtf\\pard\\uc2\\u20320\\'c4\\'e3x\\uc0\\u22909 y}")), U"你x好y");
    // A group or a control word ends the stand-in early.
    EXPECT_EQ(Text(Read("{\\urtf\\pard\\uc3\\u20320{a}\\u22909\\tab b}")), U"你a好\tb");
}

TEST(ReadUrtf, CodePageBytesAndNamedCharacters) {
    // The conversion leaves the escapes of characters it has no code unit for (a plain text too long).
    EXPECT_EQ(Text(Read("{\\urtf\\pard\\'c4\\'e3\\'80 \\'a1\\'a4\\par}")), U"你€ ·");
    EXPECT_EQ(
        Text(Read("{\\urtf\\pard\\ldblquote x\\rdblquote\\lquote\\rquote\\emdash\\endash\\bullet\\~\\_}")),
        U"“x”‘’—–•\u00A0\u2011");
    // Symbols are characters of their own, never the trail byte of a double-byte one ("\x81\\" is 乗).
    EXPECT_EQ(Text(Read("{\\urtf\\pard\\\\\\{\\}\\'81\\\\}")), U"\\{}?\\");
}

TEST(ReadUrtf, OnlyTheClosingParagraphMarkIsDropped) {
    EXPECT_EQ(Text(Read("{\\urtf\\pard a\\par b\\par\\par}")), U"a\rb\r");
    EXPECT_EQ(Text(Read("{\\urtf\\pard a\\line\\tab\\par\\cf0\\fs24}")), U"a\r\t");
    EXPECT_EQ(Text(Read("{\\urtf\\pard a}")), U"a");
    EXPECT_TRUE(Read("{\\urtf\\pard\\par}").empty());
    EXPECT_TRUE(Read("{\\urtf").empty());
    EXPECT_TRUE(Read("").empty());
}

TEST(ReadUrtf, PassesOverWhatIsNotText) {
    // Destinations, unknown words, line breaks of the file, the delimiting space of a word.
    EXPECT_EQ(
        Text(Read("{\\urtf{\\*\\generator x;}{\\info{\\author me}}\\pard\\lang2052\\viewkind4\r\na\r\nb "
                  "\\unknownword12 c}")),
        U"ab c");
    EXPECT_EQ(Read("{\\urtf\\pard\\fs60\\b x}")[0].format.sizeHalfPoints, 60);
}

TEST(ReadUrtf, MalformedTextIsReadAsFarAsItGoes) {
    EXPECT_EQ(Text(Read("}}}{\\urtf\\pard a{{{b")), U"ab");
    EXPECT_EQ(Text(Read("{\\urtf\\pard a\\'4")), U"a4");
    EXPECT_EQ(Text(Read("{\\urtf\\pard a\\")), U"a");
    // A huge parameter saturates instead of overflowing.
    EXPECT_EQ(Read("{\\urtf\\pard\\fs99999999999999999999 x}")[0].format.sizeHalfPoints, 65535);
}

// --- The round trip: any editor document reads back from its conversion as itself. ---

struct Document {
    std::vector<TextRun> runs;
    std::string plain;
};

// Characters as the editor holds them in code page 936: ASCII with RTF's own symbols, tabs and line breaks,
// Chinese from several ranges (一 is 4E00, ， is FF0C), single-byte and Latin-1 characters (€, ·), the curly
// quotes that the editor writes as words, and double-byte characters with a trail byte below 0x80.
const std::vector<std::string> kPieces = {
    "a",    "Z",        "7",        " ",        "-",        ";",        "\\",       "{",        "}",
    "?",    "\t",       "\r\n",     "\xc4\xe3", "\xba\xc3", "\xd2\xbb", "\xa3\xac", "\xd0\xc4", "\xe3\xb2",
    "\x80", "\xa1\xa4", "\xa1\xb0", "\xa1\xb1", "\x81\x40", "\x81\x5c", "\xb0\xa1", "\xa8\xa6", "\xa4\xa2"};

CharFormat RandomFormat(std::mt19937& random) {
    static const std::pair<std::string, int> kFonts[] = {
        {kSongti, 134}, {"\xba\xda\xcc\xe5", 134}, {"Webdings", 2}, {"Wingdings", 2}, {"Arial", 0}};
    static const std::uint32_t kSwatches[] = {0x0000FF, 0x000000, 0xC0DCC0, 0xFF0000,
                                              0xFF00FF, 0x808000, 0x808080};
    CharFormat format;
    const auto& font = kFonts[random() % std::size(kFonts)];
    format.fontName = font.first;
    format.charset = font.second;
    format.sizeHalfPoints = static_cast<int>(random() % 491 + 10) * 2;
    format.style = random() % 16;
    const unsigned colour = random() % 10;
    if (colour < std::size(kSwatches)) format.color = kSwatches[colour];
    if (colour == 7) format.color = random() & 0xFFFFFF;
    return format;  // 8 and 9: the automatic colour
}

Document RandomDocument(std::mt19937& random, int maxRuns, int maxPieces) {
    Document document;
    document.runs.resize(random() % maxRuns + 1);
    for (TextRun& run : document.runs) {
        std::string bytes;
        for (int n = static_cast<int>(random() % maxPieces); n > 0; --n)
            bytes += kPieces[random() % kPieces.size()];
        run.text = Cp936().ToUtf16(bytes);
        run.format = RandomFormat(random);
        document.plain += bytes;
    }
    return document;
}

// The document's runs as the reader gives them: characters as code points, every line break one '\r',
// empty runs dropped and neighbours of one format merged.
std::vector<UrtfRun> Expected(const std::vector<TextRun>& runs) {
    std::vector<UrtfRun> out;
    for (const TextRun& run : runs) {
        const std::u16string& units = run.text;
        std::u32string text;
        for (std::size_t i = 0; i < units.size(); ++i) {
            text.push_back(units[i]);
            if (units[i] == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n') ++i;
        }
        if (text.empty()) continue;
        if (!out.empty() && out.back().format == run.format) {
            out.back().text += text;
        } else {
            out.push_back({text, run.format});
        }
    }
    return out;
}

TEST(ReadUrtf, EveryEditorDocumentReadsBackFromItsConversion) {
    std::mt19937 random(18);
    int checkedBytes = 0;
    for (int n = 0; n < 10'000; ++n) {
        // One in twenty is longer than the conversion pairs (499 code units), which leaves its escapes.
        const Document document = n % 20 == 0 ? RandomDocument(random, 40, 30) : RandomDocument(random, 6, 8);
        const std::string converted = ConvertToUrtf(WriteEditorRtf(document.runs, Cp936()), document.plain, Cp936());
        const std::vector<UrtfRun> expected = Expected(document.runs);
        ASSERT_EQ(Read(converted), expected) << "document " << n << ": " << converted;

        // Written again from its runs, or from the editor's runs, a text keeps its bytes, except for the
        // escapes the conversion leaves past its limit of code units, and the empty document's unused font.
        if (!expected.empty() && converted.find("\\'") == std::string::npos) {
            ASSERT_EQ(WriteUrtf(expected), converted) << "document " << n;
            ASSERT_EQ(WriteUrtf(UrtfRunsOf(document.runs)), converted) << "document " << n;
            ++checkedBytes;
        }
    }
    EXPECT_GT(checkedBytes, 2'000);
}

}  // namespace
}  // namespace huecast
