#include "convert/urtf.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

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

// The value of four hexadecimal digits.
std::optional<unsigned> GroupValue(std::string_view group) {
    if (group.size() != 4) return std::nullopt;
    unsigned value = 0;
    for (const char c : group) {
        const auto digit = HexDigit(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    return value;
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

// The character index of the first occurrence of every distinct escape: an open-addressing table on the
// escape's (at most eight) bytes, since a general hash map costs more than all the rest of the pairing.
class FirstOccurrences {
  public:
    // The index of the first escape equal to `escape`; `index` itself when there is none yet.
    std::size_t Find(std::string_view escape, std::size_t index) {
        if ((used_ + 1) * 2 > keys_.size()) Grow();
        const std::uint64_t key = Key(escape);
        for (std::size_t slot = Slot(key);; slot = (slot + 1) & (keys_.size() - 1)) {
            if (keys_[slot] == key) return indices_[slot];
            if (keys_[slot] == 0) {
                keys_[slot] = key;
                indices_[slot] = index;
                ++used_;
                return index;
            }
        }
    }

  private:
    // Eight bytes of an escape pair as they are; a shorter escape with its length in the last byte, where a
    // pair has a digit. Never 0, since every escape begins with a backslash.
    static std::uint64_t Key(std::string_view escape) {
        unsigned char bytes[8] = {};
        std::memcpy(bytes, escape.data(), std::min<std::size_t>(escape.size(), 8));
        if (escape.size() < 8) bytes[7] = static_cast<unsigned char>(escape.size());
        std::uint64_t key;
        std::memcpy(&key, bytes, 8);
        return key;
    }

    std::size_t Slot(std::uint64_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - bits_));
    }

    void Grow() {
        std::vector<std::uint64_t> keys(std::size_t{1} << ++bits_);
        std::vector<std::size_t> indices(keys.size());
        keys.swap(keys_);
        indices.swap(indices_);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == 0) continue;
            std::size_t slot = Slot(keys[i]);
            while (keys_[slot] != 0)
                slot = (slot + 1) & (keys_.size() - 1);
            keys_[slot] = keys[i];
            indices_[slot] = indices[i];
        }
    }

    std::vector<std::uint64_t> keys_;
    std::vector<std::size_t> indices_;
    std::size_t used_ = 0;
    int bits_ = 5;
};

}  // namespace

std::string ConvertToUrtf(std::string_view rtf, std::string_view plain, const CodePageConverter& codePage,
                          std::size_t maxPlainCodeUnits) {
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
    result += ConvertBody(body, plain, codePage, maxPlainCodeUnits);
    return result;
}

std::size_t MinimumConvertedSize(std::string_view plain) {
    // A character of the code page gives its "\u" escape or itself, a byte that stands for a character the
    // code page lacks ('?') gives that character's escape, a tab "\tab", a brace or backslash its escape.
    return std::string_view("{\\urtf").size() + plain.size();
}

std::string CleanFontTable(std::string_view fontTable) {
    std::string cleaned = ReplaceAll(ReplaceAll(fontTable, "\\fnil", ""), "\\fcharset134", "");
    return ReplaceAll(cleaned, "\\'cb\\'ce\\'cc\\'e5", "\xcb\xce\xcc\xe5");
}

std::string ConvertBody(std::string_view body, std::string_view plain, const CodePageConverter& codePage,
                        std::size_t maxPlainCodeUnits) {
    const std::string hex = HexCodeUnits(ReplaceAll(plain, "\r\n", ""), codePage, maxPlainCodeUnits);
    const std::vector<std::string_view> groups = EscapedCodeUnitGroups(hex);
    return ConvertBodyWithGroups(body, groups);
}

std::string HexCodeUnits(std::string_view plain, const CodePageConverter& codePage,
                         std::size_t maxCodeUnits) {
    // No code page takes more than four bytes for a UTF-16 code unit, so a longer text is over the limit
    // without converting it.
    if (maxCodeUnits <= plain.max_size() / 4 && plain.size() > 4 * maxCodeUnits) return {};
    const std::u16string units = codePage.ToUtf16(plain);
    if (units.size() > maxCodeUnits) return {};
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
    const auto value = GroupValue(group);
    return value ? std::to_string(*value) : std::string();
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
    // body[copied, at) goes to the output unchanged, appended in one piece where something is replaced.
    std::size_t copied = 0;
    const auto replace = [&](std::size_t at, std::size_t length, std::string_view with) {
        out.append(body.substr(copied, at - copied)).append(with);
        copied = at + length;
    };
    // An escape repeated later takes the code unit of its first occurrence, whatever its own position in the
    // pairing.
    FirstOccurrences firstOccurrences;
    std::size_t character = 0;

    for (std::size_t at = 0; at < body.size();) {
        if (body[at] != '\\') {  // backslashes come every few bytes: a plain loop beats a search call
            ++at;
            continue;
        }
        const std::string_view rest = body.substr(at);
        if (rest.size() < 2) break;  // a lone backslash at the very end

        if (rest[1] == '\'') {
            // A double-byte character is two escapes in a row starting with a lead byte; any other byte at
            // or above 0x80 is a character of its own; a lower escaped byte is an ASCII character, whose
            // code unit is not in the pairing.
            const auto byte = EscapedByte(rest);
            std::size_t length = std::min<std::size_t>(4, rest.size());
            if (byte && IsGbkLeadByte(*byte) && rest.size() >= 8 && rest[4] == '\\' && rest[5] == '\'') {
                length = 8;
            } else if (byte && *byte < 0x80) {
                at += length;
                continue;
            }
            const std::size_t index = firstOccurrences.Find(rest.substr(0, length), character++);
            const auto value = index < groups.size() ? GroupValue(groups[index]) : std::nullopt;
            if (value) {
                char escape[8] = {'\\', 'u'};  // at most "\u65535?"
                char* end = std::to_chars(escape + 2, escape + sizeof escape - 1, *value).ptr;
                *end++ = '?';
                replace(at, length, std::string_view(escape, end - escape));
            }
            at += length;
        } else if ((rest[1] == 'l' || rest[1] == 'r') &&
                   (StartsWithWord(rest, "\\ldblquote") || StartsWithWord(rest, "\\rdblquote"))) {
            // The messenger reads these words itself; they only keep their code unit's place in the pairing.
            ++character;
            at += 10;
        } else if (rest[1] == 'l' && StartsWithWord(rest, "\\lang2052")) {
            replace(at, 9, {});
            at += 9;
        } else if (rest[1] == 'c' && StartsWithWord(rest, "\\cf0\\fs24") &&
                   IsClosingParagraph(rest.substr(9))) {
            // The reset to the default colour and size formats only the closing paragraph mark here; anywhere
            // else it would change how the following text looks, so it stays.
            replace(at, 9, {});
            at += 9;
        } else if (IsLetter(rest[1])) {
            at += 2;
            while (at < body.size() && IsLetter(body[at]))
                ++at;
        } else {
            // A control symbol such as "\\", "\{" or "\}": its second character is text, never the start of
            // an escape or a control word.
            at += 2;
        }
    }
    out.append(body.substr(copied));
    return out;
}

}  // namespace huecast
