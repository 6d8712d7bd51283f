// WriteEditorRtf on runs decoded from any bytes. Besides the sanitizers' checks: the document is pure ASCII,
// its groups balance, and when the text is what the editor can hold (valid code page 936, no control
// characters but line breaks and tabs, within the plain text's limit), its conversion leaves no byte escape.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "convert/editor_rtf.h"
#include "convert/posix/iconv_code_page.h"
#include "convert/urtf.h"

namespace {

// Each run: one byte of attributes (font, colour, style), one of size, one of text length, then the text.
std::vector<huecast::TextRun> DecodeRuns(const std::uint8_t* data, std::size_t size) {
    static const char* const kFonts[] = {"\xcb\xce\xcc\xe5", "Wingdings", "Arial", "\xba\xda\xcc\xe5",
                                         "A;{b}\\"};
    std::vector<huecast::TextRun> runs;
    std::size_t at = 0;
    while (at + 3 <= size) {
        const std::uint8_t attributes = data[at];
        huecast::TextRun run;
        run.format.fontName = kFonts[attributes % std::size(kFonts)];
        run.format.charset = attributes & 0x80 ? 2 : 134;
        run.format.style = (attributes >> 3) & 15;
        if (attributes & 0x40) run.format.color = static_cast<std::uint32_t>(attributes) * 0x10101u;
        run.format.sizeHalfPoints = data[at + 1] * 4;
        const std::size_t length = std::min<std::size_t>(data[at + 2], size - at - 3);
        run.text.assign(reinterpret_cast<const char*>(data + at + 3), length);
        runs.push_back(std::move(run));
        at += 3 + length;
    }
    return runs;
}

// Text the editor can hold: it converts without replacement characters and has no control characters but
// line breaks and tabs.
bool IsEditorText(const huecast::CodePageConverter& codePage, const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\r' && c != '\n' && c != '\t') || byte == 0x7F) return false;
    }
    const std::u16string units = codePage.ToUtf16(text);
    return std::count(units.begin(), units.end(), u'?') == std::count(text.begin(), text.end(), '?');
}

// Whether `rtf` from `from` on holds a "\'xx" escape; a typed backslash ("\\") followed by an apostrophe is
// not one.
bool HasByteEscape(std::string_view rtf, std::size_t from) {
    for (std::size_t i = rtf.find('\\', from); i != std::string_view::npos && i + 1 < rtf.size();
         i = rtf.find('\\', i + 2)) {
        if (rtf[i + 1] == '\'') return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const huecast::IconvCodePageConverter cp936;
    const std::vector<huecast::TextRun> runs = DecodeRuns(data, size);
    const std::string rtf = huecast::WriteEditorRtf(runs);

    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        if (c >= 0x80) std::abort();
        if (c == '\\') {
            ++i;  // an escaped brace or backslash is text
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth < 0) {
            std::abort();
        }
    }
    if (depth != 0) std::abort();

    std::string plain;
    bool editorText = true;
    for (const huecast::TextRun& run : runs) {
        plain += run.text;
        editorText = editorText && IsEditorText(cp936, run.text);
    }
    const std::string converted = huecast::ConvertToUrtf(rtf, plain, cp936);
    if (editorText && cp936.ToUtf16(plain).size() <= huecast::kMaxPlainCodeUnits &&
        HasByteEscape(converted, converted.find("\\pard"))) {
        std::abort();
    }
    return 0;
}
