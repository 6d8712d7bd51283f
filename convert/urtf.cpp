#include "convert/urtf.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <unordered_map>

namespace huecast {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, start)) {
        out.append(text.substr(start, hit - start));
        out.append(to);
        start = hit + from.size();
    }
    out.append(text.substr(start));
    return out;
}

// The text from `from` up to, not including, `to`; empty when either is missing.
std::string_view Between(std::string_view text, std::size_t from, std::size_t to) {
    if (from == std::string_view::npos || to == std::string_view::npos || to < from) return {};
    return text.substr(from, to - from);
}

std::string CleanColourTable(std::string_view colourTable) {
    // Black becomes the bare "\;" entry, which the messenger reads as black too and which is shorter.
    return ReplaceAll(ReplaceAll(colourTable, " ", ""), "\\red0\\green0\\blue0", "\\");
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

// The byte that "\'xx" at the start of `text` stands for, if its two digits are hexadecimal.
std::optional<unsigned> EscapedByte(std::string_view text) {
    if (text.size() < 4) return std::nullopt;
    auto high = HexDigit(text[2]);
    auto low = HexDigit(text[3]);
    if (!high || !low) return std::nullopt;
    return *high * 16 + *low;
}

bool IsGbkLeadByte(unsigned byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// `text` begins with the control word `word`, and the word does not go on with more letters or digits.
bool StartsWithWord(std::string_view text, std::string_view word) {
    if (!text.starts_with(word)) return false;
    if (text.size() == word.size()) return true;
    const char next = text[word.size()];
    return IsDigit(word.back()) ? !IsDigit(next) : !IsLetter(next);
}

// Nothing visible follows: only the closing paragraph mark (with its delimiting space) and the end of the
// document.
bool IsClosingParagraph(std::string_view rest) {
    if (rest.starts_with("\\par")) rest.remove_prefix(4);
    return rest.find_first_not_of("} ") == std::string_view::npos;
}

}  // namespace

std::string ConvertToUrtf(std::string_view rtf, std::string_view plain, const CodePageConverter& codePage) {
    constexpr auto npos = std::string_view::npos;
    std::string result = "{\\urtf";
    const std::size_t fontStart = rtf.find("{\\fonttbl");
    if (fontStart == npos) return result;
    const std::size_t colourStart = rtf.find("{\\colortbl", fontStart);
    if (colourStart == npos) return result;  // every part depends on the colour table

    const std::size_t colourEnd = rtf.find("{\\info", fontStart) != npos
                                      ? rtf.find("{\\info", colourStart)
                                      : rtf.find("\\viewkind4", colourStart);
    const std::size_t bodyStart = rtf.find("\\pard", colourStart);
    const std::string_view body = bodyStart == npos ? std::string_view() : rtf.substr(bodyStart);

    result += CleanFontTable(Between(rtf, fontStart, colourStart));
    result += CleanColourTable(Between(rtf, colourStart, colourEnd));
    result += ConvertBody(body, plain, codePage);
    return result;
}

std::string CleanFontTable(std::string_view fontTable) {
    std::string cleaned = ReplaceAll(ReplaceAll(fontTable, "\\fnil", ""), "\\fcharset134", "");
    return ReplaceAll(cleaned, "\\'cb\\'ce\\'cc\\'e5", "\xcb\xce\xcc\xe5");
}

std::string ConvertBody(std::string_view body, std::string_view plain, const CodePageConverter& codePage) {
    const std::string hex = HexCodeUnits(ReplaceAll(plain, "\r\n", ""), codePage);
    const std::vector<std::string_view> groups = EscapedCodeUnitGroups(hex);
    return ConvertBodyWithGroups(body, groups);
}

std::string HexCodeUnits(std::string_view plain, const CodePageConverter& codePage) {
    const std::u16string units = codePage.ToUtf16(plain);
    if (units.size() > kMaxPlainCodeUnits) return {};
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(units.size() * 4);
    for (const char16_t unit : units) {
        for (int shift = 12; shift >= 0; shift -= 4)
            hex.push_back(kDigits[(unit >> shift) & 0xF]);
    }
    return hex;
}

std::string HexGroupToDecimal(std::string_view group) {
    if (group.size() != 4) return {};
    unsigned value = 0;
    for (const char c : group) {
        const auto digit = HexDigit(c);
        if (!digit) return {};
        value = value * 16 + *digit;
    }
    char buffer[8];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::vector<std::string_view> EscapedCodeUnitGroups(std::string_view hexCodeUnits) {
    // Below U+0080 the code page's byte is the character itself, which the editor writes unescaped. From
    // U+0080 on (such as the middle dot of Chinese names, GBK A1A4) the editor writes an escape pair, so the
    // unit must stay in the pairing or every later character would take its neighbour's code unit.
    std::vector<std::string_view> groups;
    groups.reserve(hexCodeUnits.size() / 4);
    for (std::size_t at = 0; at + 4 <= hexCodeUnits.size(); at += 4) {
        const std::string_view group = hexCodeUnits.substr(at, 4);
        const bool writtenAsItself = group[0] == '0' && group[1] == '0' && group[2] >= '0' && group[2] <= '7';
        if (!writtenAsItself) groups.push_back(group);
    }
    return groups;
}

std::string ConvertBodyWithGroups(std::string_view body, std::span<const std::string_view> groups) {
    std::string out;
    out.reserve(body.size());
    // The first character index of every distinct escape: an escape repeated later takes the code unit of its
    // first occurrence, whatever its own position in the pairing.
    std::unordered_map<std::string_view, std::size_t> firstIndex;
    std::size_t character = 0;

    std::size_t at = 0;
    while (at < body.size()) {
        const std::size_t backslash = body.find('\\', at);
        if (backslash == std::string_view::npos) {
            out.append(body.substr(at));
            break;
        }
        out.append(body.substr(at, backslash - at));
        at = backslash;
        const std::string_view rest = body.substr(at);

        if (rest.size() < 2) {  // a lone backslash at the very end
            out.append(rest);
            break;
        }
        if (rest[1] == '\'') {
            // A double-byte character is two escapes in a row starting with a lead byte; any other byte at
            // or above 0x80 is a character of its own; a lower escaped byte is an ASCII character, whose
            // code unit is not in the pairing.
            const auto byte = EscapedByte(rest);
            std::size_t length = std::min<std::size_t>(4, rest.size());
            if (byte && IsGbkLeadByte(*byte) && rest.size() >= 8 && rest[4] == '\\' && rest[5] == '\'') {
                length = 8;
            } else if (byte && *byte < 0x80) {
                out.append(rest.substr(0, length));
                at += length;
                continue;
            }
            const std::string_view escape = rest.substr(0, length);
            const std::size_t index = firstIndex.try_emplace(escape, character).first->second;
            ++character;
            const std::string decimal =
                index < groups.size() ? HexGroupToDecimal(groups[index]) : std::string();
            if (decimal.empty()) {
                out.append(escape);
            } else {
                out.append("\\u").append(decimal).push_back('?');
            }
            at += length;
        } else if (StartsWithWord(rest, "\\ldblquote") || StartsWithWord(rest, "\\rdblquote")) {
            // The messenger reads these words itself; they only keep their code unit's place in the pairing.
            ++character;
            out.append(rest.substr(0, 10));
            at += 10;
        } else if (StartsWithWord(rest, "\\lang2052")) {
            at += 9;
        } else if (StartsWithWord(rest, "\\cf0\\fs24") && IsClosingParagraph(rest.substr(9))) {
            // The reset to the default colour and size formats only the closing paragraph mark here; anywhere
            // else it would change how the following text looks, so it stays.
            at += 9;
        } else if (IsLetter(rest[1])) {
            std::size_t end = 1;
            while (end < rest.size() && IsLetter(rest[end]))
                ++end;
            out.append(rest.substr(0, end));
            at += end;
        } else {
            // A control symbol such as "\\", "\{" or "\}": its second character is text, never the start of
            // an escape or a control word.
            out.append(rest.substr(0, 2));
            at += 2;
        }
    }
    return out;
}

}  // namespace huecast
