// Word wrapping of one line of 8-bit text in a code page with double-byte characters: lines are broken
// after a break character (a blank or punctuation) once they pass a column limit, a run of double-byte
// characters is broken between characters, quoted text is kept together, and breaks already in the text
// are kept.
#pragma once

#include "base/text_lines.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace huecast {

// Which bytes start a double-byte character in the active code page.
class LeadByteTable {
  public:
    LeadByteTable() = default;
    // Bytes first..last (inclusive) are lead bytes, for each range.
    void AddRange(unsigned char first, unsigned char last);
    bool IsLead(char c) const { return lead_[static_cast<unsigned char>(c)]; }

    // Code page 936 (GBK): 0x81..0xFE.
    static LeadByteTable Gbk();
    // A single-byte code page: no lead bytes.
    static LeadByteTable SingleByte() { return {}; }

  private:
    std::array<bool, 256> lead_{};
};

// A set of bytes.
class CharSet {
  public:
    CharSet() = default;
    explicit CharSet(std::string_view chars) {
        for (char c : chars)
            Add(c);
    }
    void Add(char c) { in_[static_cast<unsigned char>(c)] = true; }
    bool Contains(char c) const { return in_[static_cast<unsigned char>(c)]; }

  private:
    std::array<bool, 256> in_{};
};

// The break characters of WrapLines: TAB, space, "!", ",", "-", ".", ":", ";" and "?".
const CharSet& DefaultBreakChars();

// Wraps `line` so that lines end after a break character once they pass `maxCol` columns (raised to 2 when
// smaller), inserting `breakStr` at each new break. A double-byte character that would start at column
// maxCol - 1 or later goes to the next line, also inside quotes; elsewhere nothing inside single or double
// quotes breaks. A word without a break character is never split. `breakStr` already in the text
// (compared ignoring ASCII case) ends a line where it stands.
std::string WrapText(std::string_view line, std::string_view breakStr, const CharSet& breakChars, int maxCol,
                     const LeadByteTable& leadBytes);

// Wraps `line` with CR LF and DefaultBreakChars() and returns the lines of the result.
std::vector<std::string> WrapLines(std::string_view line, int maxCol, const LeadByteTable& leadBytes);

}  // namespace huecast
