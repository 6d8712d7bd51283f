// Shortening by whole characters. Compiled with the system code page: the texts are GBK bytes.
#include <gtest/gtest.h>

#include "skin/controls/shorten_text.h"

namespace huecast::skin {
namespace {

// Every byte is 6 pixels wide, so a double-byte character is 12: like a 12-pixel font.
int ByteWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 6;
}

TEST(ShortenText, CharacterStartsStepOverDoubleByteCharacters) {
    EXPECT_EQ(CharacterStarts("a最b"), (std::vector<std::size_t>{0, 1, 3, 4}));
    // A trail byte may look like ASCII ('@' = 0x40): it still belongs to its lead byte.
    EXPECT_EQ(CharacterStarts("\x81@x"), (std::vector<std::size_t>{0, 2, 3}));
    EXPECT_EQ(CharacterStarts("x\x81"), (std::vector<std::size_t>{0, 1, 2}));  // a lone lead byte at the end
    EXPECT_EQ(CharacterStarts(""), (std::vector<std::size_t>{0}));
}

TEST(ShortenText, RemovesWholeCharactersUntilTextAndEllipsisFit) {
    EXPECT_EQ(ShortenToWidth("最小化(&N)", 200, ByteWidth), "最小化(&N)");  // fits as it is
    // "最小化到系统托盘区" is 18 bytes (108 pixels); 60 pixels hold 7 bytes of text with "...": 3 whole
    // characters (6 bytes), never 3.5.
    EXPECT_EQ(ShortenToWidth("最小化到系统托盘区", 60, ByteWidth), "最小化...");
    EXPECT_EQ(ShortenToWidth("最小化到系统托盘区", 65, ByteWidth), "最小化...");
    EXPECT_EQ(ShortenToWidth("最小化到系统托盘区", 66, ByteWidth), "最小化到...");
    EXPECT_EQ(ShortenToWidth("ab最小", 35, ByteWidth), "ab...");  // "ab" + half of 最 + "..." would fit
    EXPECT_EQ(ShortenToWidth("最小化", 10, ByteWidth), "...");    // nothing fits
    EXPECT_EQ(ShortenToWidth("", -1, ByteWidth), "...");
}

TEST(ShortenText, EveryShortenedTextIsWholeGbk) {
    const std::string text = "Huecast 彩字\x81@ 发送到QQ窗口";
    for (int width = 0; width < ByteWidth(text); ++width) {
        const std::string shortened = ShortenToWidth(text, width, ByteWidth);
        const std::string_view kept(shortened.data(), shortened.size() - 3);
        const auto starts = CharacterStarts(text);
        EXPECT_NE(std::find(starts.begin(), starts.end(), kept.size()), starts.end()) << width;
        EXPECT_EQ(text.compare(0, kept.size(), kept), 0) << width;
        if (!kept.empty()) {
            EXPECT_LE(ByteWidth(shortened), width) << width;
        }
    }
}

}  // namespace
}  // namespace huecast::skin
