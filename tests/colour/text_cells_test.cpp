// Cells: what the editor draws as one character takes one colour.
#include "colour/text_cells.h"

#include <gtest/gtest.h>

#include "convert/urtf_writer.h"

namespace huecast {
namespace {

CharFormat Format(std::optional<std::uint32_t> colour = 0x0000FF, unsigned style = 0) {
    return {"Arial", 0, 24, style, colour};
}

// The code units at which the cells of `text` begin.
std::vector<std::size_t> Starts(const std::u16string& text) {
    std::vector<std::size_t> starts;
    for (const TextCell& cell : TextCells(std::vector<TextRun>{{text, Format()}}))
        starts.push_back(cell.offset);
    return starts;
}

TEST(TextCells, KeepWhatIsDrawnAsOneCharacterTogether) {
    using V = std::vector<std::size_t>;
    EXPECT_EQ(Starts(u"ab"), (V{0, 1}));
    EXPECT_EQ(Starts(u"😀a"), (V{0, 2}));                  // a surrogate pair
    EXPECT_EQ(Starts(u"e\u0301x"), (V{0, 2}));            // e with a combining acute
    EXPECT_EQ(Starts(u"\u2764\uFE0Fx"), (V{0, 2}));       // heart with the emoji selector
    EXPECT_EQ(Starts(u"👍🏽x"), (V{0, 4}));           // a skin tone
    EXPECT_EQ(Starts(u"👩\u200D👩\u200D👧x"), (V{0, 8}));    // a family joined by ZWJ
    EXPECT_EQ(Starts(u"🇨🇳🇯🇵"), (V{0, 4}));                // two flags
    EXPECT_EQ(Starts(u"a\r\nb\rc"), (V{0, 1, 3, 4, 5}));  // a line break is one cell
    EXPECT_EQ(Starts(u"\r\u0301"), (V{0, 1}));            // a mark after a break stands alone
    // A lone surrogate is a cell of its own, as the conversion writes it.
    EXPECT_EQ(Starts(u"a\xD83D"
                     u"b"),
              (V{0, 1, 2}));
}

TEST(TextCells, CountCodePointsAsTheConversionAndMarkBlanksAndWords) {
    const std::vector<TextRun> runs = {
        {u"Hi 你好，", Format()}, {u"\u0301😀 x", Format(0xFF)}, {u"", Format()}, {u"\r\nyo", Format()}};
    const std::vector<TextCell> cells = TextCells(runs);
    ASSERT_EQ(cells.size(), 12u);
    // The combining mark that begins the second run belongs to the cell before it.
    EXPECT_EQ(cells[6].run, 1u);
    EXPECT_EQ(cells[6].offset, 1u);
    std::string blanks, words;
    for (const TextCell& cell : cells) {
        blanks += cell.blank ? 'b' : '.';
        words += cell.startsWord ? 'w' : '.';
    }
    EXPECT_EQ(blanks, "..b....b.b..");
    EXPECT_EQ(words, "w..ww.w.w.w.");  // each Chinese character a word, the comma with the one before
    // The code points are counted as the conversion's runs count them.
    std::size_t codePoints = 0;
    for (const UrtfRun& run : UrtfRunsOf(runs))
        codePoints += run.text.size();
    EXPECT_EQ(cells.back().codePoint, codePoints - 1);
    EXPECT_EQ(cells[7].codePoint, 8u);  // after the mark, which is a code point of its own
}

TEST(Recoloured, ColoursEachCellWholeAndKeepsEverythingElse) {
    const std::vector<TextRun> runs = {{u"ae", Format(1, 4)}, {u"\u0301b", Format(2)}, {u"c", Format(3)}};
    const std::vector<TextCell> cells = TextCells(runs);
    ASSERT_EQ(cells.size(), 4u);
    const std::vector<std::optional<std::uint32_t>> colours = {7, 8, 8, std::nullopt};
    EXPECT_EQ(Recoloured(runs, cells, colours), (std::vector<TextRun>{{u"a", Format(7, 4)},
                                                                      {u"e", Format(8, 4)},
                                                                      {u"\u0301b", Format(8)},
                                                                      {u"c", Format(std::nullopt)}}));
}

}  // namespace
}  // namespace huecast
