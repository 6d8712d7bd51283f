#include <gtest/gtest.h>

#include "skin/caption_fit.h"

namespace huecast::skin {
namespace {

// 6 pixels per single-byte character, 12 per double-byte one, as a 12-pixel SimSun draws them.
int Measure(std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsGbkLeadByte(text[i]) && i + 1 < text.size()) {
            width += 12;
            ++i;
        } else {
            width += 6;
        }
    }
    return width;
}

// 彩色字体转换器 in GBK: seven double-byte characters.
const std::string kChinese = "\xB2\xCA\xC9\xAB\xD7\xD6\xCC\xE5\xD7\xAA\xBB\xBB\xC6\xF7";

TEST(CaptionFit, AFittingTextStaysWhole) {
    EXPECT_EQ(FitCaption("Huecast", 42, Measure), "Huecast");
    EXPECT_EQ(FitCaption(kChinese, 84, Measure), kChinese);
}

TEST(CaptionFit, AChineseCaptionLosesWholeCharacters) {
    // 50 pixels: two characters (24) and "..." (18) fit, three (36 + 18) do not.
    EXPECT_EQ(FitCaption(kChinese, 50, Measure), kChinese.substr(0, 4) + "...");
    EXPECT_EQ(FitCaption(kChinese, 71, Measure), kChinese.substr(0, 8) + "...");
    // Mixed text: the cut never lands inside a double-byte character.
    const std::string mixed = "QQ" + kChinese;
    EXPECT_EQ(FitCaption(mixed, 47, Measure), "QQ\xB2\xCA...");
    EXPECT_EQ(FitCaption(mixed, 41, Measure), "QQ...");
}

TEST(CaptionFit, TooNarrowEvenForTheEllipsisEndsAtTheEllipsis) {
    EXPECT_EQ(FitCaption(kChinese, 17, Measure), "...");
    EXPECT_EQ(FitCaption(kChinese, 0, Measure), "...");
    EXPECT_EQ(FitCaption("", 0, Measure), "");
    // A stray lead byte at the end is a character of its own.
    EXPECT_EQ(FitCaption("abc\xB2", 24, Measure), "abc\xB2");
    EXPECT_EQ(FitCaption("abcdefg\xB2", 40, Measure), "abc...");
}

}  // namespace
}  // namespace huecast::skin
