#include "convert/editor_rtf.h"

#include <charconv>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace huecast {
namespace {

constexpr int kDefaultSizeHalfPoints = 24;
constexpr std::string_view kDefaultFontName = "\xcb\xce\xcc\xe5";  // 宋体

enum StyleFlag : unsigned { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

bool IsGbkLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool IsGbkTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// Appends control words and text, putting the delimiting space after a control word only where the next
// character would otherwise be read as part of the word.
class RtfBuilder {
  public:
    explicit RtfBuilder(std::size_t expectedSize) { out_.reserve(expectedSize); }

    void Raw(std::string_view text) {
        out_.append(text);
        afterWord_ = false;
    }

    void Word(std::string_view word) {
        out_.push_back('\\');
        out_.append(word);
        afterWord_ = true;
    }

    void Word(std::string_view word, long long parameter) {
        Word(word);
        char digits[24];
        out_.append(digits, std::to_chars(digits, digits + sizeof digits, parameter).ptr);
    }

    // Text in code page 936. `escapeSemicolon` is for font names, which a semicolon ends.
    void Text(std::string_view text, bool escapeSemicolon = false) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            const bool doubleByte = IsGbkLeadByte(byte) && i + 1 < text.size() &&
                                    IsGbkTrailByte(static_cast<unsigned char>(text[i + 1]));
            if (doubleByte) {
                const auto trail = static_cast<unsigned char>(text[++i]);
                if (byte == 0xA1 && trail == 0xB0) {
                    Word("ldblquote");
                } else if (byte == 0xA1 && trail == 0xB1) {
                    Word("rdblquote");
                } else {
                    // The trail byte is escaped even below 0x80: raw, a trail of '\\', '{' or '}' would be
                    // read as RTF syntax, and the conversion counts a character as two escapes in a row.
                    Escape(byte);
                    Escape(trail);
                }
            } else if (byte == '\r' || byte == '\n') {
                if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
                Word("par");
            } else if (byte == '\t') {
                Word("tab");
            } else if (byte == '\\' || byte == '{' || byte == '}') {
                out_.push_back('\\');
                out_.push_back(static_cast<char>(byte));
                afterWord_ = false;
            } else if (byte >= 0x80 || byte < 0x20 || byte == 0x7F || (escapeSemicolon && byte == ';')) {
                Escape(byte);
            } else {
                Plain(static_cast<char>(byte));
            }
        }
    }

    // A character the code page lacks, one escape per UTF-16 code unit. The value is unsigned, as the
    // conversion writes its own escapes; "?" stands in for readers that do not know the word (\uc1).
    void Unicode(std::u16string_view character) {
        for (const char16_t unit : character) {
            Word("u", unit);
            Plain('?');
        }
    }

    std::string Take() && { return std::move(out_); }

  private:
    void Escape(unsigned char byte) {
        static constexpr char kDigits[] = "0123456789abcdef";
        const char escape[] = {'\\', '\'', kDigits[byte >> 4], kDigits[byte & 0xF]};
        out_.append(escape, sizeof escape);
        afterWord_ = false;
    }

    void Plain(char c) {
        const bool continuesWord = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                   (c >= '0' && c <= '9') || c == ' ' || c == '-';
        if (afterWord_ && continuesWord) out_.push_back(' ');
        out_.push_back(c);
        afterWord_ = false;
    }

    std::string out_;
    bool afterWord_ = false;
};

// The font and colour tables, listing each font (name and character set) and each colour once, in the order
// of first use.
struct Tables {
    std::vector<const CharFormat*> fonts;  // the format that first used each font
    std::vector<std::uint32_t> colours;    // entry i + 1 of the colour table; entry 0 is the automatic colour
    std::vector<int> fontOfRun;
    std::vector<int> colourOfRun;  // 0 for the automatic colour

    explicit Tables(std::span<const TextRun* const> runs) {
        std::map<std::pair<std::string_view, int>, int> fontIndex;
        std::unordered_map<std::uint32_t, int> colourIndex;
        for (const TextRun* run : runs) {
            const CharFormat& format = run->format;
            const auto font = fontIndex.try_emplace({format.fontName, format.charset}, int(fonts.size()));
            if (font.second) fonts.push_back(&format);
            fontOfRun.push_back(font.first->second);

            int colour = 0;
            if (format.color) {
                const auto entry = colourIndex.try_emplace(*format.color, int(colours.size()) + 1);
                if (entry.second) colours.push_back(*format.color);
                colour = entry.first->second;
            }
            colourOfRun.push_back(colour);
        }
    }
};

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void WriteText(RtfBuilder& rtf, std::u16string_view text, const CodePageConverter& codePage) {
    if (const std::optional<std::string> bytes = codePage.FromUtf16(text)) {
        rtf.Text(*bytes);
        return;
    }
    // Some character is outside the code page: character by character, a surrogate pair being one, and so
    // a CR LF line break.
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = i + 1 < text.size() && ((IsHighSurrogate(text[i]) && IsLowSurrogate(text[i + 1])) ||
                                                  (text[i] == u'\r' && text[i + 1] == u'\n'));
        const std::size_t length = pair ? 2 : 1;
        const std::u16string_view character = text.substr(i, length);
        if (const std::optional<std::string> bytes = codePage.FromUtf16(character))
            rtf.Text(*bytes);
        else
            rtf.Unicode(character);
        i += length;
    }
}

void WriteStyleChange(RtfBuilder& rtf, unsigned from, unsigned to) {
    const unsigned changed = from ^ to;
    if (changed & kBold) rtf.Word(to & kBold ? "b" : "b0");
    if (changed & kItalic) rtf.Word(to & kItalic ? "i" : "i0");
    if (changed & kUnderline) rtf.Word(to & kUnderline ? "ul" : "ulnone");
    if (changed & kStrikeOut) rtf.Word(to & kStrikeOut ? "strike" : "strike0");
}

}  // namespace

std::string WriteEditorRtf(std::span<const TextRun> runs, const CodePageConverter& codePage) {
    std::vector<const TextRun*> used;
    std::size_t textSize = 0;
    for (const TextRun& run : runs) {
        if (run.text.empty()) continue;
        used.push_back(&run);
        textSize += run.text.size();
    }
    // An empty editor still has its paragraph mark, and the conversion needs every table to be there.
    const TextRun emptyDocument{
        u"", {std::string(kDefaultFontName), 134, kDefaultSizeHalfPoints, 0, std::nullopt}};
    if (used.empty()) used.push_back(&emptyDocument);

    const Tables tables(used);
    RtfBuilder rtf(256 + textSize * 8 + used.size() * 24);

    rtf.Raw("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl");
    for (std::size_t i = 0; i < tables.fonts.size(); ++i) {
        rtf.Raw("{");
        rtf.Word("f", static_cast<long long>(i));
        rtf.Word("fnil");
        rtf.Word("fcharset", tables.fonts[i]->charset);
        rtf.Raw(" ");
        rtf.Text(tables.fonts[i]->fontName, /*escapeSemicolon=*/true);
        rtf.Raw(";}");
    }
    rtf.Raw("}{\\colortbl ;");
    for (const std::uint32_t colour : tables.colours) {
        rtf.Word("red", colour & 0xFF);
        rtf.Word("green", (colour >> 8) & 0xFF);
        rtf.Word("blue", (colour >> 16) & 0xFF);
        rtf.Raw(";");
    }
    rtf.Raw("}");
    rtf.Word("viewkind4");
    rtf.Word("uc1");
    rtf.Word("pard");

    // What the reader assumes after \pard, except the font, which the first run always names.
    int colour = 0;
    unsigned style = 0;
    int font = -1;
    int size = kDefaultSizeHalfPoints;
    for (std::size_t i = 0; i < used.size(); ++i) {
        const CharFormat& format = used[i]->format;
        if (tables.colourOfRun[i] != colour) {
            colour = tables.colourOfRun[i];
            rtf.Word("cf", colour);
        }
        if (i == 0) rtf.Word("lang2052");
        const unsigned runStyle = format.style & (kBold | kItalic | kUnderline | kStrikeOut);
        WriteStyleChange(rtf, style, runStyle);
        style = runStyle;
        if (tables.fontOfRun[i] != font) {
            font = tables.fontOfRun[i];
            rtf.Word("f", font);
        }
        if (format.sizeHalfPoints != size) {
            size = format.sizeHalfPoints;
            rtf.Word("fs", size);
        }
        WriteText(rtf, used[i]->text, codePage);
    }
    // The closing paragraph mark takes the default colour and size, as the control writes it. Both words go
    // together even where one would do: the conversion drops exactly this pair, keeping the message short.
    if (colour != 0 || size != kDefaultSizeHalfPoints) {
        rtf.Word("cf", 0);
        rtf.Word("fs", kDefaultSizeHalfPoints);
    }
    rtf.Word("par");
    rtf.Raw("}");
    return std::move(rtf).Take();
}

}  // namespace huecast
