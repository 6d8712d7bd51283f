#include "base/text.h"

#include <charconv>

namespace huecast {

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string AsciiLowered(std::string_view text, LeadBytePredicate isLeadByte) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (isLeadByte && isLeadByte(static_cast<unsigned char>(out[i])))
            ++i;
        else
            out[i] = AsciiLower(out[i]);
    }
    return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

bool ContainsIgnoringAsciiCase(std::string_view haystack, std::string_view needle) {
    for (std::size_t i = 0; i + needle.size() <= haystack.size(); ++i)
        if (EqualsIgnoringAsciiCase(haystack.substr(i, needle.size()), needle)) return true;
    return false;
}

std::size_t AsciiCaseInsensitiveHash::operator()(std::string_view text) const noexcept {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the folded bytes
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(AsciiLower(c))) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ hash >> 32);
}

std::optional<std::int32_t> ParseInt32(std::string_view text, IntegerSyntax syntax) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (syntax.dollarHex && !text.empty() && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    // from_chars would take a second sign; the formats never write one.
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    if (hex) {
        while (text.size() > 1 && text.front() == '0')
            text.remove_prefix(1);
        if (text.size() > 8) return std::nullopt;
        std::uint32_t bits = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
        if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
        // Unsigned arithmetic wraps where a signed negation of INT32_MIN would overflow.
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, 10);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (magnitude > (negative ? 2147483648LL : 2147483647LL)) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace huecast
