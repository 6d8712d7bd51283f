// RTF split into its tokens: group braces, control words with their parameters, control symbols, "\'xx"
// escapes and runs of plain bytes. The program's two RTF readers (the editor's document, convert/rtf_runs.h,
// and the messenger's text, convert/urtf_reader.h) read the same grammar and differ only in what the tokens
// mean to them, so they share this one lexer.
//
// Nothing is an error: a backslash at the end gives nothing, and "\'" without two hexadecimal digits is the
// control symbol "'", which neither reader gives a meaning. Untrusted input is fine: every token takes at
// least one byte, and no number can overflow.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace huecast {

// Only the fields its kind names hold a value of this token.
struct RtfToken {
    enum class Kind {
        kEnd,            // no bytes left
        kGroupStart,     // "{"
        kGroupEnd,       // "}"
        kText,           // `text`: plain bytes, never '\\', '{' or '}'; line breaks of the file included
        kEscapedByte,    // "\'xx": `byte`
        kControlWord,    // "\word" or "\word-12": `text` is the word, `parameter` its number
        kControlSymbol,  // "\" and one character that is not a letter: `byte`
    };
    Kind kind = Kind::kEnd;
    std::string_view text;
    // A word's number: decimal digits after an optional '-'. A longer number than RTF's parameters ever
    // need stops at +-999,999,999, so that nothing overflows and every platform reads the same value.
    std::optional<long> parameter;
    unsigned char byte = 0;
};

class RtfTokenizer {
  public:
    explicit RtfTokenizer(std::string_view rtf) : rtf_(rtf) {}

    // The next token; it stays valid until the next call. A token is filled in place rather than returned
    // by value: readers take millions of them, and copying one costs more than reading it.
    const RtfToken& Next();

    // Passes over `count` bytes (or what is left) without reading them: the data of "\binN".
    void SkipBytes(std::size_t count);

  private:
    // Reads a backslash and what follows it; false for a backslash at the very end.
    bool ControlSequence();
    const RtfToken& Simple(RtfToken::Kind kind);

    std::string_view rtf_;
    std::size_t at_ = 0;
    RtfToken token_;
};

// Inline: the readers spend most of their time here, a token at a time.

namespace rtf_detail {

inline constexpr long kLargestParameter = 999'999'999;

inline bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

}  // namespace rtf_detail

inline const RtfToken& RtfTokenizer::Next() {
    while (at_ < rtf_.size()) {
        const char c = rtf_[at_];
        if (c == '{') {
            ++at_;
            return Simple(RtfToken::Kind::kGroupStart);
        }
        if (c == '}') {
            ++at_;
            return Simple(RtfToken::Kind::kGroupEnd);
        }
        if (c == '\\') {
            if (ControlSequence()) return token_;
            continue;  // a backslash at the very end
        }
        const std::size_t start = at_;
        while (at_ < rtf_.size() && rtf_[at_] != '\\' && rtf_[at_] != '{' && rtf_[at_] != '}')
            ++at_;
        token_.kind = RtfToken::Kind::kText;
        token_.text = rtf_.substr(start, at_ - start);
        return token_;
    }
    return Simple(RtfToken::Kind::kEnd);
}

inline const RtfToken& RtfTokenizer::Simple(RtfToken::Kind kind) {
    token_.kind = kind;
    return token_;
}

inline void RtfTokenizer::SkipBytes(std::size_t count) {
    at_ += std::min(count, rtf_.size() - at_);
}

inline bool RtfTokenizer::ControlSequence() {
    ++at_;
    if (at_ >= rtf_.size()) return false;
    const char next = rtf_[at_++];
    if (next == '\'') {
        const auto high = at_ < rtf_.size() ? rtf_detail::HexDigit(rtf_[at_]) : std::nullopt;
        const auto low = at_ + 1 < rtf_.size() ? rtf_detail::HexDigit(rtf_[at_ + 1]) : std::nullopt;
        if (high && low) {
            at_ += 2;
            token_.kind = RtfToken::Kind::kEscapedByte;
            token_.byte = static_cast<unsigned char>(*high * 16 + *low);
        } else {
            token_.kind = RtfToken::Kind::kControlSymbol;
            token_.byte = '\'';
        }
        return true;
    }
    if (!rtf_detail::IsLetter(next)) {
        token_.kind = RtfToken::Kind::kControlSymbol;
        token_.byte = static_cast<unsigned char>(next);
        return true;
    }

    const std::size_t wordStart = at_ - 1;
    while (at_ < rtf_.size() && rtf_detail::IsLetter(rtf_[at_]))
        ++at_;
    token_.kind = RtfToken::Kind::kControlWord;
    token_.text = rtf_.substr(wordStart, at_ - wordStart);
    token_.parameter.reset();
    const bool negative = at_ + 1 < rtf_.size() && rtf_[at_] == '-' && rtf_detail::IsDigit(rtf_[at_ + 1]);
    if (negative) ++at_;
    if (at_ < rtf_.size() && rtf_detail::IsDigit(rtf_[at_])) {
        // 64 bits for the sum: ten times the cap does not fit a long where it has 32 (Windows).
        std::int64_t value = 0;
        for (; at_ < rtf_.size() && rtf_detail::IsDigit(rtf_[at_]); ++at_)
            value = std::min<std::int64_t>(value * 10 + (rtf_[at_] - '0'), rtf_detail::kLargestParameter);
        token_.parameter = static_cast<long>(negative ? -value : value);
    }
    if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;  // the delimiter belongs to the word
    return true;
}

}  // namespace huecast
