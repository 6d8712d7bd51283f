#include "aatext/word_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huecast {
namespace {

using Lines = std::vector<std::string>;

// "华" in GBK, a double-byte character.
const std::string kHua = "\xBB\xAA";

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(WrapLines, DoubleByteRunBreaksBeforeTheCharacterThatReachesTheLimit) {
    const Lines lines = WrapLines(Repeat(kHua, 40), 10, LeadByteTable::Gbk());
    ASSERT_EQ(lines.size(), 10u);
    for (const std::string& line : lines)
        EXPECT_EQ(line, Repeat(kHua, 4));
}

TEST(WrapLines, DoubleByteRunIsOneLineInASingleByteCodePage) {
    // The same bytes read as single-byte letters have no break character: nothing splits them.
    const Lines lines = WrapLines(Repeat(kHua, 40), 10, LeadByteTable::SingleByte());
    EXPECT_EQ(lines, Lines{Repeat(kHua, 40)});
}

TEST(WrapLines, BreaksAfterBlanksAndPunctuationOncePastTheLimit) {
    EXPECT_EQ(WrapLines("aaa bbb ccc ddd", 6, LeadByteTable::Gbk()), (Lines{"aaa ", "bbb ", "ccc ", "ddd"}));
    EXPECT_EQ(WrapLines("one,two;three", 5, LeadByteTable::Gbk()), (Lines{"one,", "two;", "three"}));
}

TEST(WrapLines, LongWordWithoutBreakCharacterIsNotSplit) {
    EXPECT_EQ(WrapLines("abcdefghijklmnopqrstuvwxyz", 5, LeadByteTable::Gbk()),
              Lines{"abcdefghijklmnopqrstuvwxyz"});
    EXPECT_EQ(WrapLines("ab abcdefghijklmnop cd", 5, LeadByteTable::Gbk()),
              (Lines{"ab ", "abcdefghijklmnop ", "cd"}));
}

TEST(WrapLines, QuotedTextDoesNotBreakAtBreakCharacters) {
    EXPECT_EQ(WrapLines("say \"a b c d e f\" ok", 5, LeadByteTable::Gbk()),
              (Lines{"say ", "\"a b c d e f\" ", "ok"}));
    EXPECT_EQ(WrapLines("it's a b c d' e", 4, LeadByteTable::Gbk()), (Lines{"it's a b c d' ", "e"}));
}

TEST(WrapLines, DoubleByteCharacterBreaksEvenInsideQuotes) {
    const Lines lines = WrapLines("\"" + Repeat(kHua, 8) + "\"", 6, LeadByteTable::Gbk());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "\"" + Repeat(kHua, 2));
}

TEST(WrapLines, ExistingBreaksAreKept) {
    EXPECT_EQ(WrapLines("ab\r\ncd", 40, LeadByteTable::Gbk()), (Lines{"ab", "cd"}));
    EXPECT_EQ(WrapLines("", 10, LeadByteTable::Gbk()), Lines{});
}

TEST(WrapText, SmallColumnLimitIsRaisedToTwoAndNeverStartsWithAnEmptyLine) {
    const std::string wrapped = WrapText(Repeat(kHua, 3), "|", DefaultBreakChars(), 0, LeadByteTable::Gbk());
    EXPECT_EQ(wrapped, kHua + "|" + kHua + "|" + kHua);
}

TEST(WrapText, InsertsTheBreakStringOnlyWhereTextFollows) {
    EXPECT_EQ(WrapText("aaa bbb ", "|", DefaultBreakChars(), 4, LeadByteTable::Gbk()), "aaa |bbb ");
}

}  // namespace
}  // namespace huecast
