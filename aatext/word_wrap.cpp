#include "aatext/word_wrap.h"

#include "base/text.h"

namespace huecast {

void LeadByteTable::AddRange(unsigned char first, unsigned char last) {
    for (int b = first; b <= last; ++b)
        lead_[static_cast<std::size_t>(b)] = true;
}

LeadByteTable LeadByteTable::Gbk() {
    LeadByteTable table;
    table.AddRange(0x81, 0xFE);
    return table;
}

const CharSet& DefaultBreakChars() {
    static const CharSet chars(std::string_view("\t !,-.:;?"));
    return chars;
}

std::string WrapText(std::string_view line, std::string_view breakStr, const CharSet& breakChars, int maxCol,
                     const LeadByteTable& leadBytes) {
    if (maxCol < 2) maxCol = 2;
    // Positions are 1-based: Line[pos] is line[pos - 1], and a segment [first, last] is inclusive.
    const int length = static_cast<int>(line.size());
    const auto at = [&](int pos) { return line[static_cast<std::size_t>(pos - 1)]; };
    const auto segment = [&](int first, int last) {
        if (last < first) return std::string_view();
        return line.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
    };

    std::string result;
    result.reserve(line.size() + line.size() / 8);
    int col = 1, pos = 1, lineStart = 1, breakPos = 0;
    char quote = 0;
    bool existingBreak = false, forced = false;
    while (pos <= length) {
        const char c = at(pos);
        if (leadBytes.IsLead(c)) {
            // A character that would reach past the limit starts the next line. One that already starts
            // the line stays: breaking before it would only give an empty line.
            if (col >= maxCol - 1 && pos - 1 >= lineStart) {
                forced = true;
                breakPos = pos - 1;
            }
            ++pos;  // the trail byte
            ++col;
        } else if (!breakStr.empty() && c == breakStr[0]) {
            if (quote == 0) {
                existingBreak = EqualsIgnoringAsciiCase(
                    segment(pos, pos + static_cast<int>(breakStr.size()) - 1), breakStr);
                if (existingBreak) {
                    pos += static_cast<int>(breakStr.size()) - 1;
                    breakPos = pos;
                }
            }
        } else if (breakChars.Contains(c)) {
            if (quote == 0) breakPos = pos;
        } else if (c == '"' || c == '\'') {
            if (quote == c)
                quote = 0;
            else if (quote == 0)
                quote = c;
        }
        ++pos;
        ++col;

        if (forced || (quote == 0 && (existingBreak || (col > maxCol && breakPos > lineStart)))) {
            col = pos - breakPos;
            result += segment(lineStart, breakPos);
            const int lastScanned = pos - 1;
            if (c != '"' && c != '\'') {
                while (pos <= length && (breakChars.Contains(at(pos)) || at(pos) == '\r' || at(pos) == '\n'))
                    ++pos;
            }
            // A new line starts when text follows the break: characters already scanned after it, or any
            // left after the skipped blanks. (Testing only the scan position would join the last word of
            // a text to the line before it.)
            const bool textFollows = lastScanned > breakPos || pos <= length;
            if (!existingBreak && textFollows) result += breakStr;
            ++breakPos;
            lineStart = breakPos;
            existingBreak = false;
            forced = false;
        }
    }
    result += segment(lineStart, length);
    return result;
}

std::vector<std::string> WrapLines(std::string_view line, int maxCol, const LeadByteTable& leadBytes) {
    return SplitLines(WrapText(line, "\r\n", DefaultBreakChars(), maxCol, leadBytes));
}

}  // namespace huecast
