#include "convert/urtf_writer.h"

#include <array>
#include <charconv>
#include <string_view>

#include "base/expects.h"

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

// The pieces that colours add to a text are written by these templates, into the text or into a ByteCount:
// the cost of colours (UrtfColourCost) is measured by the code that writes them.
struct ByteCount {
    std::size_t size = 0;
    void push_back(char) { ++size; }
    void append(const char* begin, const char* end) { size += static_cast<std::size_t>(end - begin); }
    void append(std::string_view text) { size += text.size(); }
};

template <typename Out>
void AppendNumber(Out& out, long long value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

template <typename Out>
void AppendColourWord(Out& out, int index) {
    out.push_back('\\');
    out.append("cf");
    AppendNumber(out, index);
}

template <typename Out>
void AppendColourEntry(Out& out, std::uint32_t colour) {
    if (colour == 0) {
        out.append("\\;");  // black, as the conversion writes it
        return;
    }
    out.append("\\red");
    AppendNumber(out, colour & 0xFF);
    out.append("\\green");
    AppendNumber(out, (colour >> 8) & 0xFF);
    out.append("\\blue");
    AppendNumber(out, (colour >> 16) & 0xFF);
    out.push_back(';');
}

// After a control word, a letter, digit or hyphen would continue it and a space would be taken as its
// delimiter.
bool ContinuesWord(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U' ' ||
           c == U'-';
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
    SetFormat(format);
    Text(c);
}

void UrtfBuilder::SetFormat(const CharFormat& format) {
    if (&format != format_) {
        if (!format_ || format != *format_) ChangeFormat(format);
        format_ = &format;
    }
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
    if (colour != colour_) {
        AppendColourWord(body_, colour_ = colour);
        afterWord_ = true;
    }
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
    AppendColourEntry(colourTable_, colour);
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
    } else if (c == 0x201C || c == 0x201D) {
        // As the conversion leaves the editor's words for the curly double quotes, so that a text written
        // here has the converted text's length.
        Word(c == 0x201C ? "ldblquote" : "rdblquote");
    } else if (c == U'\\' || c == U'{' || c == U'}') {
        body_.push_back('\\');
        body_.push_back(static_cast<char>(c));
        afterWord_ = false;
    } else if (c >= 0x20 && c < 0x7F) {
        if (afterWord_ && ContinuesWord(c)) body_.push_back(' ');
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

UrtfColourCost::UrtfColourCost(std::span<const UrtfRun> runs) {
    // Written once without colours, noting before each character whether the text has a control word
    // there already; the builder keeps the formats by reference, so they stay put until it is done.
    std::vector<CharFormat> colourless;
    colourless.reserve(runs.size());
    std::size_t characters = 0;
    for (const UrtfRun& run : runs) {
        colourless.push_back(run.format);
        colourless.back().color.reset();
        characters += run.text.size();
    }
    delimited_.reserve(characters);
    UrtfBuilder builder(characters * 2);
    for (std::size_t r = 0; r < runs.size(); ++r) {
        for (const char32_t c : runs[r].text) {
            builder.SetFormat(colourless[r]);
            delimited_.push_back(ContinuesWord(c) && !builder.afterWord_);
            builder.Text(c);
        }
    }
    colourless_ = builder.Size();
}

std::size_t UrtfColourCost::WordSize(int index) {
    HUECAST_EXPECTS(index >= 0, "UrtfColourCost::WordSize: colour indices count from 0");
    // A search asks this for every way it tries: the words of the first indices are measured once.
    static const std::array<std::uint8_t, 256> kWordSizes = [] {
        std::array<std::uint8_t, 256> sizes{};
        for (int i = 0; i < 256; ++i) {
            ByteCount count;
            AppendColourWord(count, i);
            sizes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(count.size);
        }
        return sizes;
    }();
    if (static_cast<std::size_t>(index) < kWordSizes.size()) return kWordSizes[static_cast<std::size_t>(index)];
    ByteCount count;
    AppendColourWord(count, index);
    return count.size;
}

bool UrtfColourCost::Delimited(std::size_t at) const {
    HUECAST_EXPECTS(at < delimited_.size(), "UrtfColourCost::Delimited: no character at that position");
    return delimited_[at];
}

std::size_t UrtfColourCost::EntrySize(std::uint32_t colour) {
    ByteCount count;
    AppendColourEntry(count, colour & 0xFFFFFF);
    return count.size;
}

std::vector<UrtfRun> UrtfRunsOf(std::span<const TextRun> runs) {
    std::vector<UrtfRun> out;
    out.reserve(runs.size());
    for (const TextRun& run : runs) {
        if (run.text.empty()) continue;
        UrtfRun& converted = out.emplace_back(UrtfRun{{}, run.format});
        converted.text.reserve(run.text.size());
        const std::u16string& units = run.text;
        for (std::size_t i = 0; i < units.size(); ++i) {
            const char16_t unit = units[i];
            if (unit == u'\r' || unit == u'\n') {
                if (unit == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n') ++i;
                converted.text.push_back(U'\r');
            } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                       units[i + 1] <= 0xDFFF) {
                converted.text.push_back(0x10000 + ((char32_t(unit) - 0xD800) << 10) +
                                         (units[i + 1] - 0xDC00));
                ++i;
            } else {
                converted.text.push_back(unit);  // a lone surrogate too: the conversion writes it as it is
            }
        }
    }
    return out;
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
