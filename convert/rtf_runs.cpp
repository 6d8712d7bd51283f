#include "convert/rtf_runs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "convert/rtf_tokenizer.h"

namespace huecast {
namespace {

constexpr int kDefaultSizeHalfPoints = 24;
constexpr int kSystemCharset = 1;  // RTF's "default" character set: the system code page

enum StyleFlag : unsigned { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

// What a group changes and restores at its end.
struct State {
    int font = 0;
    int sizeHalfPoints = kDefaultSizeHalfPoints;
    unsigned style = 0;
    int colour = 0;  // index into the colour table; 0 is normally its empty "automatic" entry
    int skipAfterUnicode = 1;
    enum class Destination { kText, kFontTable, kColourTable, kSkipped } destination = Destination::kText;
};

struct Font {
    std::string name;
    int charset = kSystemCharset;
};

// Groups whose content is not part of the text.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 22> kWords = {
        "stylesheet", "info",       "pict",    "object",  "header",  "headerl",           "headerr",
        "headerf",    "footer",     "footerl", "footerr", "footerf", "footnote",          "listtable",
        "listoverridetable",        "nonshppict",         "pntext",  "pntxta",            "pntxtb",
        "filetbl",    "revtbl",     "fldinst"};
    for (std::string_view skipped : kWords)
        if (word == skipped) return true;
    return false;
}

// Characters the control writes as words of their own.
std::optional<char16_t> NamedCharacter(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, char16_t>, 13> kCharacters = {{
        {"par", u'\r'},
        {"line", u'\r'},
        {"tab", u'\t'},
        {"ldblquote", u'\u201C'},
        {"rdblquote", u'\u201D'},
        {"lquote", u'\u2018'},
        {"rquote", u'\u2019'},
        {"emdash", u'\u2014'},
        {"endash", u'\u2013'},
        {"bullet", u'\u2022'},
        {"emspace", u'\u2003'},
        {"enspace", u'\u2002'},
        {"qmspace", u'\u2005'},
    }};
    for (const auto& [name, character] : kCharacters)
        if (word == name) return character;
    return std::nullopt;
}

class Reader {
  public:
    Reader(std::string_view rtf, const CodePageConverter& codePage) : tokens_(rtf), codePage_(codePage) {}

    std::vector<TextRun> Read() {
        using Kind = RtfToken::Kind;
        std::vector<State> stack;
        bool groupStart = false;  // the next control word is the first of its group
        while (true) {
            const RtfToken& token = tokens_.Next();
            if (token.kind == Kind::kEnd) break;
            if (token.kind == Kind::kGroupStart) {
                Flush();
                standInsLeft_ = 0;
                stack.push_back(state_);
                groupStart = true;
                continue;
            }
            if (token.kind == Kind::kGroupEnd) {
                Flush();
                standInsLeft_ = 0;
                EndTableEntry();
                if (stack.empty()) break;  // a stray closing brace before the document
                state_ = stack.back();
                stack.pop_back();
                if (stack.empty()) break;  // the document's own group has ended
                groupStart = false;
                continue;
            }
            const bool first = std::exchange(groupStart, false);
            switch (token.kind) {
                case Kind::kText:
                    Text(token.text);
                    break;
                case Kind::kEscapedByte:
                    if (standInsLeft_ > 0) {
                        --standInsLeft_;
                    } else {
                        Byte(token.byte, /*escaped=*/true);
                    }
                    break;
                case Kind::kControlSymbol:
                    standInsLeft_ = 0;
                    ControlSymbol(static_cast<char>(token.byte), first);
                    break;
                case Kind::kControlWord:
                    standInsLeft_ = 0;
                    Word(token, first);
                    break;
                default:
                    break;
            }
        }
        Flush();
        DropClosingParagraphMark();
        return std::move(runs_);
    }

  private:
    // Raw bytes of the file, the first of them perhaps stand-ins of the "\uN" before them (raw characters
    // and "\'xx" escapes stand in; a group or another control word ends them early).
    void Text(std::string_view bytes) {
        const std::size_t standIns = std::min(static_cast<std::size_t>(standInsLeft_), bytes.size());
        standInsLeft_ -= static_cast<int>(standIns);
        for (const char c : bytes.substr(standIns)) {
            // Line breaks of the file are not text, nor the zero byte some controls end the stream with.
            if (c != '\r' && c != '\n' && c != '\0') Byte(static_cast<unsigned char>(c));
        }
    }

    void ControlSymbol(char c, bool firstInGroup) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Byte(static_cast<unsigned char>(c));
                break;
            case '~':
                Character(u'\u00A0');
                break;
            case '_':
                Character(u'\u2011');
                break;
            case '*':
                if (firstInGroup) state_.destination = State::Destination::kSkipped;
                break;
            default:  // "\-" (optional hyphen) and the rest show nothing
                break;
        }
    }

    void Word(const RtfToken& w, bool firstInGroup) {
        const std::string_view word = w.text;
        const long parameter = w.parameter.value_or(1);
        if (word == "bin") {  // raw bytes of a picture, braces and all
            tokens_.SkipBytes(static_cast<std::size_t>(std::max(0L, parameter)));
            return;
        }
        if (firstInGroup) {
            if (word == "fonttbl") {
                Flush();
                state_.destination = State::Destination::kFontTable;
                return;
            }
            if (word == "colortbl") {
                Flush();
                state_.destination = State::Destination::kColourTable;
                colourEntry_ = {};
                return;
            }
            if (IsSkippedDestination(word)) {
                Flush();
                state_.destination = State::Destination::kSkipped;
                return;
            }
        }
        switch (state_.destination) {
            case State::Destination::kSkipped:
                return;
            case State::Destination::kFontTable:
                FontTableWord(word, w.parameter);
                return;
            case State::Destination::kColourTable:
                ColourTableWord(word, parameter);
                return;
            case State::Destination::kText:
                break;
        }
        if (word == "u" && w.parameter) {
            Flush();
            // Signed in most writers, unsigned in ours: the same 16 bits either way.
            AppendText(std::u16string(1, static_cast<char16_t>(static_cast<std::uint16_t>(*w.parameter))));
            standInsLeft_ = state_.skipAfterUnicode;
            return;
        }
        if (const std::optional<char16_t> character = NamedCharacter(word)) {
            Character(*character);
            return;
        }
        Flush();  // every other word may change the format of what follows
        if (word == "f") {
            state_.font = static_cast<int>(parameter);
        } else if (word == "fs") {
            state_.sizeHalfPoints = w.parameter ? static_cast<int>(*w.parameter) : kDefaultSizeHalfPoints;
        } else if (word == "cf") {
            state_.colour = static_cast<int>(parameter);
        } else if (word == "b") {
            SetStyle(kBold, parameter != 0);
        } else if (word == "i") {
            SetStyle(kItalic, parameter != 0);
        } else if (word == "strike") {
            SetStyle(kStrikeOut, parameter != 0);
        } else if (word == "ulnone") {
            SetStyle(kUnderline, false);
        } else if (word.starts_with("ul") && word != "ulc") {
            // Every kind of underline (single, double, dotted, wave, ...) is the control's one underline.
            SetStyle(kUnderline, parameter != 0);
        } else if (word == "plain") {
            state_.font = defaultFont_;
            state_.sizeHalfPoints = kDefaultSizeHalfPoints;
            state_.style = 0;
            state_.colour = 0;
        } else if (word == "deff") {
            defaultFont_ = static_cast<int>(parameter);
        } else if (word == "uc") {
            state_.skipAfterUnicode = static_cast<int>(std::max(0L, std::min(parameter, 8L)));
        }
    }

    void FontTableWord(std::string_view word, std::optional<long> parameter) {
        if (word == "f" && parameter) {
            EndTableEntry();
            fontEntry_ = static_cast<int>(*parameter);
            fontName_.clear();
            fontCharset_ = kSystemCharset;
        } else if (word == "fcharset" && parameter) {
            fontCharset_ = static_cast<int>(*parameter);
        }
    }

    void ColourTableWord(std::string_view word, long parameter) {
        const auto component = static_cast<std::uint32_t>(std::max(0L, std::min(parameter, 255L)));
        if (word != "red" && word != "green" && word != "blue") return;
        if (!colourEntry_) colourEntry_ = 0;
        std::uint32_t& colour = *colourEntry_;
        if (word == "red") colour = (colour & 0xFFFF00) | component;
        if (word == "green") colour = (colour & 0xFF00FF) | component << 8;
        if (word == "blue") colour = (colour & 0x00FFFF) | component << 16;
    }

    // A byte of text, of a font name or a table's separator; an escaped one is never a separator.
    void Byte(unsigned byte, bool escaped = false) {
        switch (state_.destination) {
            case State::Destination::kSkipped:
                return;
            case State::Destination::kFontTable:
                if (byte == ';' && !escaped) {
                    EndTableEntry();
                } else if (fontEntry_ && !(fontName_.empty() && byte == ' ')) {
                    fontName_.push_back(static_cast<char>(byte));
                }
                return;
            case State::Destination::kColourTable:
                if (byte == ';') {
                    colours_.push_back(colourEntry_);
                    colourEntry_.reset();
                }
                return;
            case State::Destination::kText:
                pending_.push_back(static_cast<char>(byte));
                return;
        }
    }

    void EndTableEntry() {
        if (state_.destination != State::Destination::kFontTable || !fontEntry_) return;
        fonts_[*fontEntry_] = {std::move(fontName_), fontCharset_};
        fontEntry_.reset();
        fontName_.clear();
    }

    void Character(char16_t character) {
        if (state_.destination != State::Destination::kText) return;
        Flush();
        AppendText(std::u16string(1, character));
    }

    void SetStyle(unsigned flag, bool on) { state_.style = on ? state_.style | flag : state_.style & ~flag; }

    // The bytes of text gathered since the last control word, decoded in the code page of their font.
    void Flush() {
        if (pending_.empty()) return;
        const auto font = fonts_.find(state_.font);
        const int charset = font == fonts_.end() ? kSystemCharset : font->second.charset;
        AppendText(codePage_.CharsetToUtf16(pending_, charset));
        pending_.clear();
    }

    void AppendText(const std::u16string& text) {
        if (text.empty()) return;
        CharFormat format = CurrentFormat();
        if (!runs_.empty() && runs_.back().format == format) {
            runs_.back().text += text;
        } else {
            runs_.push_back({text, std::move(format)});
        }
    }

    CharFormat CurrentFormat() const {
        CharFormat format;
        if (const auto font = fonts_.find(state_.font); font != fonts_.end()) {
            format.fontName = font->second.name;
            format.charset = font->second.charset;
        } else {
            format.charset = kSystemCharset;
        }
        format.sizeHalfPoints = state_.sizeHalfPoints;
        format.style = state_.style;
        if (state_.colour >= 0 && static_cast<std::size_t>(state_.colour) < colours_.size())
            format.color = colours_[static_cast<std::size_t>(state_.colour)];
        return format;
    }

    void DropClosingParagraphMark() {
        if (runs_.empty() || runs_.back().text.empty() || runs_.back().text.back() != u'\r') return;
        runs_.back().text.pop_back();
        if (runs_.back().text.empty()) runs_.pop_back();
    }

    RtfTokenizer tokens_;
    const CodePageConverter& codePage_;
    State state_;
    int standInsLeft_ = 0;  // of the last "\uN": characters still to pass over
    int defaultFont_ = 0;
    std::unordered_map<int, Font> fonts_;
    std::optional<int> fontEntry_;  // the font-table entry being read
    std::string fontName_;
    int fontCharset_ = kSystemCharset;
    std::vector<std::optional<std::uint32_t>> colours_;  // an entry without components is the automatic one
    std::optional<std::uint32_t> colourEntry_;
    std::string pending_;
    std::vector<TextRun> runs_;
};

}  // namespace

std::vector<TextRun> ReadRtfRuns(std::string_view rtf, const CodePageConverter& codePage) {
    return Reader(rtf, codePage).Read();
}

}  // namespace huecast
