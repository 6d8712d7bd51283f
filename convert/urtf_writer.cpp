#include "convert/urtf_writer.h"

#include <charconv>
#include <string_view>

namespace huecast {
namespace {

constexpr int kDefaultSizeHalfPoints = 24;
constexpr int kChineseCharset = 134;
constexpr std::string_view kDefaultFontName = "\xcb\xce\xcc\xe5";  // 宋体

constexpr std::string_view kStart = "{\\urtf{\\fonttbl";
constexpr std::string_view kBetweenTables = "}{\\colortbl;";
constexpr std::string_view kBodyStart = "}\\pard";
constexpr std::string_view kEnd = "\\par}";

enum StyleFlag : unsigned { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

void AppendNumber(std::string& out, long long value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The conversion writes the default Chinese face's name as its own bytes and leaves every other name's
// bytes above ASCII escaped, as the editor wrote them; so does this.
void AppendFontName(std::string& out, std::string_view name) {
    if (name == kDefaultFontName) {
        out.append(name);
        return;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || byte < 0x20 || c == ';' || c == '\\' || c == '{' || c == '}') {
            const char escape[] = {'\\', '\'', kDigits[byte >> 4], kDigits[byte & 0xF]};
            out.append(escape, sizeof escape);
        } else {
            out.push_back(c);
        }
    }
}

}  // namespace

UrtfBuilder::UrtfBuilder(std::size_t expectedSize) : size_(kDefaultSizeHalfPoints) {
    body_.reserve(expectedSize);
}

std::size_t UrtfBuilder::Size() const {
    return kStart.size() + fontTable_.size() + kBetweenTables.size() + colourTable_.size() +
           kBodyStart.size() + body_.size() + kEnd.size();
}

void UrtfBuilder::Append(char32_t c, const CharFormat& format) {
    if (&format != format_) {
        if (!format_ || format != *format_) ChangeFormat(format);
        format_ = &format;
    }
    Text(c);
}

UrtfBuilder::Mark UrtfBuilder::Here() const {
    return {fontTable_.size(),
            colourTable_.size(),
            body_.size(),
            fonts_.size(),
            colours_.size(),
            format_,
            font_,
            colour_,
            size_,
            style_,
            afterWord_};
}

void UrtfBuilder::Rewind(const Mark& mark) {
    // The tables only grow, in the order of first use: what was added after the mark is at their ends.
    fontTable_.resize(mark.fontTable);
    colourTable_.resize(mark.colourTable);
    body_.resize(mark.body);
    fonts_.resize(mark.fonts);
    colours_.resize(mark.colours);
    format_ = mark.format;
    font_ = mark.font;
    colour_ = mark.colour;
    size_ = mark.size;
    style_ = mark.style;
    afterWord_ = mark.afterWord;
}

std::string UrtfBuilder::Finish() && {
    std::string out;
    out.reserve(Size());
    out.append(kStart).append(fontTable_).append(kBetweenTables).append(colourTable_).append(kBodyStart);
    out.append(body_).append(kEnd);
    return out;
}

void UrtfBuilder::ChangeFormat(const CharFormat& format) {
    // In the order the editor writes them, so that a text read back and written again keeps its bytes.
    const int colour = format.color ? ColourIndex(*format.color) : 0;
    if (colour != colour_) Word("cf", colour_ = colour);
    const unsigned style = format.style & (kBold | kItalic | kUnderline | kStrikeOut);
    const unsigned changed = style_ ^ style;
    if (changed & kBold) Word(style & kBold ? "b" : "b0");
    if (changed & kItalic) Word(style & kItalic ? "i" : "i0");
    if (changed & kUnderline) Word(style & kUnderline ? "ul" : "ulnone");
    if (changed & kStrikeOut) Word(style & kStrikeOut ? "strike" : "strike0");
    style_ = style;
    const int font = FontIndex(format);
    if (font != font_) Word("f", font_ = font);
    if (format.sizeHalfPoints != size_) Word("fs", size_ = format.sizeHalfPoints);
}

int UrtfBuilder::FontIndex(const CharFormat& format) {
    // A message uses a handful of fonts: a search beats a map.
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].charset == format.charset && *fonts_[i].name == format.fontName)
            return static_cast<int>(i);
    }
    fontTable_.append("{\\f");
    AppendNumber(fontTable_, static_cast<long long>(fonts_.size()));
    if (format.charset != kChineseCharset) {
        fontTable_.append("\\fcharset");
        AppendNumber(fontTable_, format.charset);
    }
    fontTable_.push_back(' ');
    AppendFontName(fontTable_, format.fontName);
    fontTable_.append(";}");
    fonts_.push_back({&format.fontName, format.charset});
    return static_cast<int>(fonts_.size() - 1);
}

int UrtfBuilder::ColourIndex(std::uint32_t colour) {
    colour &= 0xFFFFFF;
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        if (colours_[i] == colour) return static_cast<int>(i + 1);
    }
    if (colour == 0) {
        colourTable_.append("\\;");  // black, as the conversion writes it
    } else {
        colourTable_.append("\\red");
        AppendNumber(colourTable_, colour & 0xFF);
        colourTable_.append("\\green");
        AppendNumber(colourTable_, (colour >> 8) & 0xFF);
        colourTable_.append("\\blue");
        AppendNumber(colourTable_, (colour >> 16) & 0xFF);
        colourTable_.push_back(';');
    }
    colours_.push_back(colour);
    return static_cast<int>(colours_.size());
}

void UrtfBuilder::Word(std::string_view word) {
    body_.push_back('\\');
    body_.append(word);
    afterWord_ = true;
}

void UrtfBuilder::Word(std::string_view word, long long parameter) {
    Word(word);
    AppendNumber(body_, parameter);
}

void UrtfBuilder::Text(char32_t c) {
    if (c == U'\r') {
        Word("par");
    } else if (c == U'\t') {
        Word("tab");
    } else if (c == U'\\' || c == U'{' || c == U'}') {
        body_.push_back('\\');
        body_.push_back(static_cast<char>(c));
        afterWord_ = false;
    } else if (c >= 0x20 && c < 0x7F) {
        // After a control word, a letter, digit or hyphen would continue it and a space would be taken as
        // its delimiter.
        const bool continuesWord = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
                                   (c >= U'0' && c <= U'9') || c == U' ' || c == U'-';
        if (afterWord_ && continuesWord) body_.push_back(' ');
        body_.push_back(static_cast<char>(c));
        afterWord_ = false;
    } else {
        // Most characters of a message take this way: the escape is put together back to front and
        // appended in one piece.
        const auto escape = [this](unsigned unit) {
            char buffer[8];  // "\u", at most five digits, "?"
            char* const end = buffer + sizeof buffer;
            char* at = end;
            *--at = '?';
            do {
                *--at = static_cast<char>('0' + unit % 10);
                unit /= 10;
            } while (unit != 0);
            *--at = 'u';
            *--at = '\\';
            body_.append(at, end);
        };
        if (c > 0xFFFF && c <= 0x10FFFF) {
            escape(0xD800 + ((c - 0x10000) >> 10));
            escape(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            escape(c > 0xFFFF ? 0xFFFD : static_cast<unsigned>(c));
        }
        afterWord_ = false;
    }
}

std::string WriteUrtf(std::span<const UrtfRun> runs) {
    UrtfBuilder builder;
    for (const UrtfRun& run : runs) {
        for (const char32_t c : run.text)
            builder.Append(c, run.format);
    }
    return std::move(builder).Finish();
}

}  // namespace huecast
