// Text primitives that the program's line-based formats (skin texts, effect ini files, rtf.ini, report
// logs, mail headers) share: trimming, ASCII case folding that leaves double-byte characters alone, and
// reading a 32-bit integer in the syntaxes those formats accept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace huecast {

// Blanks as every ini-like text of the program takes them around names and values.
inline constexpr std::string_view kBlanks = " \t\r\n";

// `text` without leading and trailing characters from `blanks`.
std::string_view Trim(std::string_view text, std::string_view blanks = kBlanks);

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Says whether a byte starts a double-byte character in the text's code page.
using LeadBytePredicate = bool (*)(unsigned char);

// The lead bytes of code page 936 (GBK), the code page the program's texts are in.
constexpr bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// ASCII letters lower-cased. With `isLeadByte`, the trail byte of a double-byte character (GBK trail bytes
// include the values of ASCII letters) is kept as it is; without it every byte is taken on its own.
std::string AsciiLowered(std::string_view text, LeadBytePredicate isLeadByte = nullptr);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool ContainsIgnoringAsciiCase(std::string_view haystack, std::string_view needle);

// Hashes and compares names without regard to ASCII case, so that look-ups by string_view need no
// lower-cased copy.
struct AsciiCaseInsensitiveHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept;
};
struct AsciiCaseInsensitiveEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return EqualsIgnoringAsciiCase(a, b); }
};

struct IntegerSyntax {
    // Pascal-style "$1F" as hexadecimal besides "0x1F". Skin texts are written by tools that produce it;
    // effect ini files document only "0x", and a "$" there is an unreadable value.
    bool dollarHex = false;
};

// A 32-bit integer with an optional sign and surrounding blanks: decimal (range-checked), or hexadecimal
// after "0x"/"0X" (or "$" when the syntax allows it) with at most 8 significant digits, read as the 32 bits
// of the value, so "0xFFFFFFFF" is -1. nullopt for anything else.
std::optional<std::int32_t> ParseInt32(std::string_view text, IntegerSyntax syntax = {});

}  // namespace huecast
