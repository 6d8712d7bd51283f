#include "colour/text_cells.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/expects.h"

namespace huecast {
namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;

bool InRanges(char32_t c, std::span<const std::pair<char32_t, char32_t>> ranges) {
    // Sorted and disjoint: the first range that ends at or after c is the only one that can hold it.
    const auto range = std::lower_bound(ranges.begin(), ranges.end(), c,
                                        [](const auto& r, char32_t value) { return r.second < value; });
    return range != ranges.end() && range->first <= c;
}

// Marks drawn on the character before them, in the scripts a chat message is likely to hold.
bool IsCombiningMark(char32_t c) {
    static constexpr std::pair<char32_t, char32_t> kMarks[] = {
        {0x0300, 0x036F},   {0x0483, 0x0489},   {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
        {0x05C4, 0x05C5},   {0x05C7, 0x05C7},   {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670},
        {0x06D6, 0x06DC},   {0x06DF, 0x06E4},   {0x06E7, 0x06E8}, {0x06EA, 0x06ED}, {0x0900, 0x0903},
        {0x093A, 0x093C},   {0x093E, 0x094F},   {0x0951, 0x0957}, {0x0962, 0x0963}, {0x0E31, 0x0E31},
        {0x0E34, 0x0E3A},   {0x0E47, 0x0E4E},   {0x1160, 0x11FF},  // Hangul vowels and finals after a lead
        {0x1AB0, 0x1AFF},   {0x1DC0, 0x1DFF},   {0x20D0, 0x20FF}, {0x302A, 0x302F}, {0x3099, 0x309A},
        {0xFE00, 0xFE0F},                        // variation selectors
        {0xFE20, 0xFE2F},   {0x1F3FB, 0x1F3FF},  // skin tones
        {0xE0020, 0xE007F},                      // tags of subdivision flags
        {0xE0100, 0xE01EF}};                     // variation selectors
    return InRanges(c, kMarks);
}

bool IsRegionalIndicator(char32_t c) {
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

bool IsBlank(char32_t c) {
    return c == U' ' || (c >= U'\t' && c <= U'\r') || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// A character that is a word of its own: Chinese and Japanese write words without spaces between them.
bool IsWordByItself(char32_t c) {
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
}

// Punctuation stays with the word before it, a CJK character's too.
bool IsPunctuation(char32_t c) {
    return (c >= U'!' && c <= U'/') || (c >= U':' && c <= U'@') || (c >= U'[' && c <= U'`') ||
           (c >= U'{' && c <= U'~') || (c >= 0x2010 && c <= 0x2027) || (c >= 0x3001 && c <= 0x303F) ||
           (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) ||
           (c >= 0xFF5B && c <= 0xFF65);
}

bool IsFullWidthPunctuation(char32_t c) {
    return (c >= 0x3001 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF65);
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::vector<TextCell> TextCells(std::span<const TextRun> runs) {
    std::vector<TextCell> cells;
    std::size_t codePoint = 0;
    char32_t previous = 0;
    bool afterLineBreak = true;
    int regionalIndicators = 0;  // in a row, ending with the previous code point
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const std::u16string& units = runs[r].text;
        for (std::size_t i = 0; i < units.size(); ++codePoint) {
            // Decoded as UrtfRunsOf decodes: a line break "\r\n" is one code point, so is a surrogate pair.
            const std::size_t start = i;
            char32_t c = units[i++];
            if (c == U'\r' && i < units.size() && units[i] == u'\n') {
                ++i;
            } else if (IsHighSurrogate(units[start]) && i < units.size() && IsLowSurrogate(units[i])) {
                c = 0x10000 + ((c - 0xD800) << 10) + (units[i++] - 0xDC00u);
            }
            const bool lineBreak = c == U'\r' || c == U'\n';
            bool joins = !cells.empty() && !afterLineBreak && !lineBreak &&
                         (IsCombiningMark(c) || c == kZeroWidthJoiner ||
                          (previous == kZeroWidthJoiner && c >= 0x2000) ||
                          (IsRegionalIndicator(c) && regionalIndicators % 2 == 1));
            regionalIndicators = IsRegionalIndicator(c) ? regionalIndicators + 1 : 0;
            previous = c;
            afterLineBreak = lineBreak;
            if (joins) continue;
            const bool blank = IsBlank(c);
            const char32_t before = cells.empty() ? U' ' : cells.back().first;
            const bool startsWord =
                !blank && (IsBlank(before) || IsWordByItself(c) ||
                           ((IsWordByItself(before) || IsFullWidthPunctuation(before)) && !IsPunctuation(c)));
            cells.push_back({r, start, codePoint, c, blank, startsWord});
        }
    }
    return cells;
}

std::vector<TextRun> Recoloured(std::span<const TextRun> runs, std::span<const TextCell> cells,
                                std::span<const std::optional<std::uint32_t>> colours) {
    HUECAST_EXPECTS(colours.size() == cells.size(), "Recoloured: one colour for each cell is needed");
    std::vector<TextRun> out;
    const auto append = [&out](std::u16string_view text, const CharFormat& format) {
        if (text.empty()) return;
        if (!out.empty() && out.back().format == format) {
            out.back().text += text;
        } else {
            out.push_back({std::u16string(text), format});
        }
    };
    std::size_t cell = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const std::u16string_view text = runs[r].text;
        CharFormat format = runs[r].format;
        std::size_t from = 0;
        // Each piece of the run from one cell's start to the next takes the colour of the cell it belongs to.
        while (from < text.size()) {
            while (cell < cells.size() &&
                   (cells[cell].run < r || (cells[cell].run == r && cells[cell].offset <= from)))
                ++cell;
            HUECAST_EXPECTS(cell > 0, "Recoloured: the cells are not the runs' own");
            format.color = colours[cell - 1];
            const std::size_t to =
                cell < cells.size() && cells[cell].run == r ? cells[cell].offset : text.size();
            append(text.substr(from, to - from), format);
            from = to;
        }
    }
    return out;
}

}  // namespace huecast
