// The conversion against a literal transcription of the original algorithm (repeated replace-alls and the
// restarting scan), on random documents from the editor's writer that avoid the inputs on which the original
// goes wrong. There the two must agree byte for byte.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/editor_rtf.h"
#include "convert/posix/iconv_code_page.h"
#include "convert/urtf.h"

namespace huecast {
namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(from, start)) != std::string::npos; start = hit + from.size()) {
        out += text.substr(start, hit - start) + to;
    }
    return out + text.substr(start);
}

std::string OriginalBody(const std::string& body, const std::string& plain,
                         const CodePageConverter& codePage) {
    const std::string q =
        ReplaceAll(ReplaceAll(body, "\\ldblquote", "\\'20\\'1c"), "\\rdblquote", "\\'20\\'1d");
    std::vector<std::string> pairs;
    for (std::size_t at = q.find("\\'"); at != std::string::npos; at = q.find("\\'", at + 8)) {
        pairs.push_back(q.substr(at, 8));
    }
    std::string hex = HexCodeUnits(ReplaceAll(plain, "\r\n", ""), codePage);
    for (std::size_t base = 0, zeros; (zeros = hex.find("00", base)) != std::string::npos;) {
        const std::size_t off = (zeros - base) % 4;
        if (off == 0) {
            hex = ReplaceAll(hex, hex.substr(zeros, 4), "");
            base = 0;
        } else {
            base = zeros + 4 - off;
        }
    }
    std::string s = body;
    for (std::size_t i = 0; i + 4 <= hex.size(); i += 4) {
        s = ReplaceAll(s, pairs.at(i / 4), "\\u" + HexGroupToDecimal(hex.substr(i, 4)) + "?");
    }
    return ReplaceAll(ReplaceAll(s, "\\lang2052", ""), "\\cf0\\fs24", "");
}

std::string OriginalConversion(const std::string& rtf, const std::string& plain,
                               const CodePageConverter& codePage) {
    constexpr auto npos = std::string::npos;
    const std::size_t f = rtf.find("{\\fonttbl");
    if (f == npos) return "{\\urtf";
    const std::size_t c = rtf.find("{\\colortbl", f);
    std::string font = c == npos ? "" : rtf.substr(f, c - f);
    std::string colour;
    std::string body;
    if (c != npos) {
        const std::size_t end =
            rtf.find("{\\info", f) != npos ? rtf.find("{\\info", c) : rtf.find("\\viewkind4", c);
        if (end != npos) colour = rtf.substr(c, end - c);
        const std::size_t pard = rtf.find("\\pard", c);
        if (pard != npos) body = rtf.substr(pard);
    }
    font = ReplaceAll(ReplaceAll(ReplaceAll(font, "\\fnil", ""), "\\fcharset134", ""), "\\'cb\\'ce\\'cc\\'e5",
                      "\xcb\xce\xcc\xe5");
    colour = ReplaceAll(ReplaceAll(colour, " ", ""), "\\red0\\green0\\blue0", "\\");
    return "{\\urtf" + font + colour + OriginalBody(body, plain, codePage);
}

TEST(ConvertToUrtf, AgreesWithTheOriginalWhereThatIsRight) {
    // No middle dot, euro sign, backslash or automatic colour; no 一 (4E00, whose zeros the original drops
    // across groups) and no 悴 (whose first byte ends the pair of 你 after 心).
    const std::vector<std::string> pieces = {
        "a",        "Z",        "7",        " ",        "-",        "{",        "}",        "\r\n",
        "\xc4\xe3", "\xba\xc3", "\xd0\xc4", "\xa1\xb0", "\xa1\xb1", "\xa3\xac", "\x81\x40", "\xc8\xcb"};
    const std::uint32_t colours[] = {0x0000FF, 0x000000, 0xC0DCC0, 0xFF0000, 0xFF00FF, 0x808000};
    const IconvCodePageConverter cp936;
    std::mt19937 random(7);
    for (int document = 0; document < 1000; ++document) {
        std::vector<TextRun> runs(random() % 6 + 1);
        std::string plain;
        for (TextRun& run : runs) {
            std::string bytes;
            for (int n = random() % 5 + 1; n > 0; --n)
                bytes += pieces[random() % pieces.size()];
            run.text = cp936.ToUtf16(bytes);
            run.format = {"\xcb\xce\xcc\xe5", 134, int(random() % 3) * 20 + 20, unsigned(random() % 16),
                          colours[random() % std::size(colours)]};
            if (random() % 4 == 0) run.format.fontName = "Wingdings", run.format.charset = 2;
            plain += bytes;
        }
        const std::string rtf = WriteEditorRtf(runs, cp936);
        ASSERT_EQ(ConvertToUrtf(rtf, plain, cp936), OriginalConversion(rtf, plain, cp936)) << rtf;
    }
}

}  // namespace
}  // namespace huecast
