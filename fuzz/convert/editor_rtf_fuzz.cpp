// WriteEditorRtf on runs decoded from any bytes. Besides the sanitizers' checks: the document is pure ASCII,
// its groups balance, it reads back to its own text, and when the text is what the editor can hold (no
// control characters but line breaks and tabs, within the plain text's limit), its conversion leaves no
// byte escape.
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
#include "convert/rtf_runs.h"
#include "convert/urtf.h"

namespace {

// Each run: one byte of attributes (font, colour, style), one of size, one of text length, then the text as
// UTF-16 code units, two bytes each (low byte first), any value including unpaired surrogates.
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
        const std::size_t length = std::min<std::size_t>(data[at + 2], (size - at - 3) / 2);
        for (std::size_t i = 0; i < length; ++i)
            run.text.push_back(static_cast<char16_t>(data[at + 3 + 2 * i] | data[at + 4 + 2 * i] << 8));
        runs.push_back(std::move(run));
        at += 3 + 2 * length;
    }
    return runs;
}

// Text the editor can hold: no control characters but line breaks and tabs.
bool IsEditorText(const std::u16string& text) {
    return std::none_of(text.begin(), text.end(), [](char16_t c) {
        return (c < 0x20 && c != u'\r' && c != u'\n' && c != u'\t') || c == 0x7F;
    });
}

// The editor's plain text: a '?' for what the code page lacks.
std::string Plain(const huecast::CodePageConverter& codePage, const std::u16string& text) {
    std::string plain;
    for (const char16_t unit : text)
        plain += codePage.FromUtf16(std::u16string_view(&unit, 1)).value_or("?");
    return plain;
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
    const std::string rtf = huecast::WriteEditorRtf(runs, cp936);

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

    std::u16string text;
    bool editorText = true;
    bool symbols = false;  // a symbol font's bytes read back as its own characters, not the code page's
    for (const huecast::TextRun& run : runs) {
        text += run.text;
        editorText = editorText && IsEditorText(run.text);
        symbols = symbols || (run.format.charset == huecast::kSymbolCharset && !run.text.empty());
    }
    if (editorText && !symbols) {
        std::u16string read;
        for (const huecast::TextRun& run : huecast::ReadRtfRuns(rtf, cp936))
            read += run.text;
        std::u16string breaks;  // as the reader gives them: every break of a run one "\r"
        for (const huecast::TextRun& run : runs) {
            for (std::size_t i = 0; i < run.text.size(); ++i) {
                if (run.text[i] == u'\r' && i + 1 < run.text.size() && run.text[i + 1] == u'\n') ++i;
                breaks += run.text[i] == u'\n' ? u'\r' : run.text[i];
            }
        }
        if (read != breaks) std::abort();
    }
    const std::string plain = Plain(cp936, text);
    const std::string converted = huecast::ConvertToUrtf(rtf, plain, cp936);
    if (editorText && plain.size() <= huecast::kMaxPlainCodeUnits &&
        HasByteEscape(converted, converted.find("\\pard"))) {
        std::abort();
    }
    return 0;
}
