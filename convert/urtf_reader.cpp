#include "convert/urtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "convert/rtf_tokenizer.h"

namespace huecast {
namespace {

constexpr int kDefaultSizeHalfPoints = 24;
constexpr int kChineseCharset = 134;
constexpr char32_t kReplacementCharacter = 0xFFFD;

enum StyleFlag : unsigned { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

enum class Destination { kText, kFontTable, kColourTable, kSkipped };

// How a byte was written: as itself, as "\'xx", or as a control symbol such as "\{".
enum class ByteForm { kRaw, kEscaped, kSymbol };

// What a group sets; a closing brace gives back the enclosing group's.
struct GroupState {
    Destination destination = Destination::kText;
    int font = 0;
    int sizeHalfPoints = kDefaultSizeHalfPoints;
    unsigned style = 0;
    int colour = 0;
    int unicodeSkip = 1;  // \ucN: how many characters stand in for the character of a \u escape
};

struct FontEntry {
    std::string name;
    int charset = kChineseCharset;
};

// Words that open a group whose content is not text.
bool IsSkippedDestination(std::string_view word) {
    return word == "info" || word == "stylesheet" || word == "pict" || word == "object" || word == "header" ||
           word == "footer" || word == "listtable" || word == "listoverridetable" || word == "fldinst";
}

// Characters that RTF writes as words of their own.
std::optional<char32_t> NamedCharacter(std::string_view word) {
    if (word == "par" || word == "line") return U'\r';
    if (word == "tab") return U'\t';
    if (word == "ldblquote") return 0x201C;
    if (word == "rdblquote") return 0x201D;
    if (word == "lquote") return 0x2018;
    if (word == "rquote") return 0x2019;
    if (word == "emdash") return 0x2014;
    if (word == "endash") return 0x2013;
    if (word == "bullet") return 0x2022;
    return std::nullopt;
}

class UrtfReader {
  public:
    UrtfReader(std::string_view text, const CodePageConverter& codePage) : tokens_(text), codePage_(codePage) {}

    std::vector<UrtfRun> Read() && {
        using Kind = RtfToken::Kind;
        while (true) {
            const RtfToken& token = tokens_.Next();
            if (token.kind == Kind::kEnd) break;
            if (token.kind == Kind::kGroupStart) {
                FlushBytes();
                skipping_ = 0;
                groups_.push_back(state_);
                groupJustOpened_ = true;
                continue;
            }
            const bool opened = std::exchange(groupJustOpened_, false);
            if (token.kind == Kind::kGroupEnd) {
                FlushBytes();
                skipping_ = 0;
                if (state_.destination == Destination::kFontTable) EndFontEntry();
                if (!groups_.empty()) {
                    state_ = groups_.back();
                    groups_.pop_back();
                    formatChanged_ = true;
                }
            } else if (token.kind == Kind::kText) {
                for (const char c : token.text) {
                    if (c != '\r' && c != '\n') Byte(static_cast<unsigned char>(c), ByteForm::kRaw);
                }
            } else if (token.kind == Kind::kEscapedByte) {
                Byte(token.byte, ByteForm::kEscaped);
            } else if (token.kind == Kind::kControlSymbol) {
                ControlSymbol(static_cast<char>(token.byte), opened);
            } else {
                ControlWord(token.text, token.parameter, opened);
            }
        }
        FlushBytes();
        FlushHighSurrogate();
        // The closing paragraph mark ends the message; it is not a line break of its text.
        if (lastWasParagraphMark_) {
            runs_.back().text.pop_back();
            if (runs_.back().text.empty()) runs_.pop_back();
        }
        if (!runs_.empty() && runs_.back().text.empty()) runs_.pop_back();
        return std::move(runs_);
    }

  private:
    void ControlSymbol(char symbol, bool groupJustOpened) {
        if (symbol == '*' && groupJustOpened) {
            state_.destination = Destination::kSkipped;
        } else if (symbol == '\\' || symbol == '{' || symbol == '}' || symbol == ';') {
            if (symbol == ';' && state_.destination == Destination::kColourTable) {
                // The conversion writes black as "\;": its "\red0\green0\blue0" became a lone backslash.
                colours_.push_back(0);
                ++tablesVersion_;
                ResetColourComponents();
                return;
            }
            Byte(static_cast<unsigned char>(symbol), ByteForm::kSymbol);
        } else if (symbol == '~') {
            Character(0x00A0);
        } else if (symbol == '_') {
            Character(0x2011);
        } else if (symbol == '\r' || symbol == '\n') {
            ControlWord("par", std::nullopt, false);
        }
    }

    void ControlWord(std::string_view word, std::optional<long> parameter, bool groupJustOpened) {
        if (state_.destination == Destination::kSkipped) return;
        if (groupJustOpened) {
            if (word == "fonttbl") {
                state_.destination = Destination::kFontTable;
                return;
            }
            if (word == "colortbl") {
                state_.destination = Destination::kColourTable;
                return;
            }
            if (IsSkippedDestination(word)) {
                state_.destination = Destination::kSkipped;
                return;
            }
        }
        FlushBytes();
        skipping_ = 0;  // a word ends the stand-in of a \u escape
        if (state_.destination == Destination::kFontTable) {
            FontTableWord(word, parameter);
        } else if (state_.destination == Destination::kColourTable) {
            ColourTableWord(word, parameter);
        } else {
            TextWord(word, parameter);
        }
    }

    void FontTableWord(std::string_view word, std::optional<long> parameter) {
        if (word == "f") {
            EndFontEntry();
            fontEntry_ = std::pair{static_cast<int>(parameter.value_or(0)), FontEntry{}};
        } else if (word == "fcharset" && fontEntry_) {
            fontEntry_->second.charset = static_cast<int>(parameter.value_or(0));
        }
    }

    void EndFontEntry() {
        if (!fontEntry_) return;
        fonts_.insert_or_assign(fontEntry_->first, std::move(fontEntry_->second));
        ++tablesVersion_;
        fontEntry_.reset();
    }

    void ColourTableWord(std::string_view word, std::optional<long> parameter) {
        const auto component = static_cast<std::uint32_t>(std::clamp(parameter.value_or(0), 0L, 255L));
        if (word == "red") {
            red_ = component;
        } else if (word == "green") {
            green_ = component;
        } else if (word == "blue") {
            blue_ = component;
        } else {
            return;
        }
        colourGiven_ = true;
    }

    void ResetColourComponents() {
        red_ = green_ = blue_ = 0;
        colourGiven_ = false;
    }

    void TextWord(std::string_view word, std::optional<long> parameter) {
        if (word == "u") {
            // RTF writes the code unit signed, the conversion unsigned: both name one of 65,536 units.
            if (parameter && *parameter >= -32768 && *parameter <= 65535)
                CodeUnit(static_cast<char16_t>(*parameter < 0 ? *parameter + 65536 : *parameter));
            skipping_ = state_.unicodeSkip;
            return;
        }
        if (const auto named = NamedCharacter(word)) {
            Character(*named);
            lastWasParagraphMark_ = word == "par";
            return;
        }
        const bool on = parameter.value_or(1) != 0;
        const auto setStyle = [&](unsigned flag, bool set) {
            state_.style = set ? state_.style | flag : state_.style & ~flag;
            formatChanged_ = true;
        };
        if (word == "uc") {
            state_.unicodeSkip = static_cast<int>(std::clamp(parameter.value_or(1), 0L, 8L));
        } else if (word == "f") {
            state_.font = static_cast<int>(parameter.value_or(0));
            formatChanged_ = true;
        } else if (word == "fs") {
            state_.sizeHalfPoints = static_cast<int>(std::clamp(parameter.value_or(24), 0L, 65535L));
            formatChanged_ = true;
        } else if (word == "cf") {
            state_.colour = static_cast<int>(parameter.value_or(0));
            formatChanged_ = true;
        } else if (word == "b") {
            setStyle(kBold, on);
        } else if (word == "i") {
            setStyle(kItalic, on);
        } else if (word == "ul") {
            setStyle(kUnderline, on);
        } else if (word == "ulnone") {
            setStyle(kUnderline, false);
        } else if (word == "strike") {
            setStyle(kStrikeOut, on);
        } else if (word == "plain") {
            const GroupState reset;
            state_.font = reset.font;
            state_.sizeHalfPoints = reset.sizeHalfPoints;
            state_.style = reset.style;
            state_.colour = reset.colour;
            formatChanged_ = true;
        }
    }

    // A byte of text in the code page.
    void Byte(unsigned char byte, ByteForm form) {
        if (skipping_ > 0) {
            --skipping_;
            return;
        }
        switch (state_.destination) {
            case Destination::kText:
                // A symbol is a character of its own, never the second byte of a double-byte one.
                if (form == ByteForm::kSymbol) FlushBytes();
                pendingBytes_.push_back(static_cast<char>(byte));
                if (form == ByteForm::kSymbol) FlushBytes();
                break;
            case Destination::kFontTable:
                if (!fontEntry_) break;
                if (byte == ';' && form == ByteForm::kRaw) {
                    EndFontEntry();
                } else {
                    fontEntry_->second.name.push_back(static_cast<char>(byte));
                }
                break;
            case Destination::kColourTable:
                if (byte != ';' || form != ByteForm::kRaw) break;
                colours_.push_back(colourGiven_ ? std::optional(red_ | green_ << 8 | blue_ << 16)
                                                : std::nullopt);
                ++tablesVersion_;
                ResetColourComponents();
                break;
            case Destination::kSkipped:
                break;
        }
    }

    // Bytes of one piece of text are decoded together, so that a double-byte character stays whole.
    void FlushBytes() {
        if (pendingBytes_.empty()) return;
        for (const char16_t unit : codePage_.ToUtf16(pendingBytes_))
            CodeUnit(unit);
        pendingBytes_.clear();
    }

    void CodeUnit(char16_t unit) {
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (highSurrogate_ && low) {
            const char32_t joined = 0x10000 + ((char32_t{highSurrogate_} - 0xD800) << 10) + (unit - 0xDC00);
            highSurrogate_ = 0;
            Append(joined);
            return;
        }
        FlushHighSurrogate();
        if (high) {
            highSurrogate_ = unit;
        } else {
            Append(low ? kReplacementCharacter : unit);
        }
    }

    void Character(char32_t c) {
        FlushBytes();
        if (state_.destination != Destination::kText) return;
        FlushHighSurrogate();
        Append(c);
    }

    void FlushHighSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        Append(kReplacementCharacter);
    }

    void Append(char32_t c) {
        if (formatChanged_) StartRun();
        runs_.back().text.push_back(c);
        lastWasParagraphMark_ = false;
    }

    // The current format goes on in the last run when it is the same, or in a new one.
    void StartRun() {
        formatChanged_ = false;
        // Most changes come back to the format of the run before (a word that resets what a group set) or
        // change nothing at all: comparing what the state names is cheaper than building the format.
        const FormatKey key{state_.font, state_.sizeHalfPoints, state_.style, state_.colour, tablesVersion_};
        if (!runs_.empty() && lastKey_ == key) return;
        CharFormat format;
        if (const auto font = fonts_.find(state_.font); font != fonts_.end()) {
            format.fontName = font->second.name;
            format.charset = font->second.charset;
        }
        format.sizeHalfPoints = state_.sizeHalfPoints;
        format.style = state_.style;
        if (state_.colour > 0 && static_cast<std::size_t>(state_.colour) < colours_.size())
            format.color = colours_[static_cast<std::size_t>(state_.colour)];
        if (!runs_.empty() && runs_.back().text.empty()) runs_.pop_back();
        if (runs_.empty() || runs_.back().format != format) runs_.push_back({{}, std::move(format)});
        lastKey_ = key;
    }

    struct FormatKey {
        int font, size;
        unsigned style;
        int colour;
        std::size_t tables;
        friend bool operator==(const FormatKey&, const FormatKey&) = default;
    };

    RtfTokenizer tokens_;
    const CodePageConverter& codePage_;

    GroupState state_;
    std::vector<GroupState> groups_;
    bool groupJustOpened_ = false;

    std::map<int, FontEntry> fonts_;
    std::optional<std::pair<int, FontEntry>> fontEntry_;  // the entry being read
    std::vector<std::optional<std::uint32_t>> colours_;   // entry 0 is the automatic colour
    std::uint32_t red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;

    std::string pendingBytes_;
    char16_t highSurrogate_ = 0;
    int skipping_ = 0;  // characters still to pass over after a \u escape
    bool formatChanged_ = true;
    std::optional<FormatKey> lastKey_;  // what the state named for the last run
    std::size_t tablesVersion_ = 0;     // changes with every entry of the font or colour table
    bool lastWasParagraphMark_ = false;
    std::vector<UrtfRun> runs_;
};

}  // namespace

std::vector<UrtfRun> ReadUrtf(std::string_view urtf, const CodePageConverter& codePage) {
    return UrtfReader(urtf, codePage).Read();
}

}  // namespace huecast
