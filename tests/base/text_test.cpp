#include "base/text.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace huecast {
namespace {

TEST(Trim, DropsOnlyTheGivenBlanksAtBothEnds) {
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(Trim(" \t\r\n"), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\r x \r", " \t"), "\r x \r") << "a narrower blank set keeps the other characters";
    EXPECT_EQ(Trim("\x1a" "v\v", " \x1a\v"), "v");
}

TEST(AsciiCase, FoldsLettersAndLeavesDoubleByteCharactersWhole) {
    EXPECT_EQ(AsciiLowered("Key_1=VALUE"), "key_1=value");
    // "荷" in GBK is 0xBA 0xC9 and "藏" 0xB2 0xD8; "癆" is 0xF1 0x5A, whose trail byte is the letter 'Z'.
    const std::string withTrailLetter = "\xF1" "Z" "AB";
    EXPECT_EQ(AsciiLowered(withTrailLetter, IsGbkLeadByte), "\xF1" "Zab");
    EXPECT_EQ(AsciiLowered(withTrailLetter), "\xF1" "zab") << "without a code page every byte stands alone";
    EXPECT_TRUE(EqualsIgnoringAsciiCase("SkinRect", "skinRECT"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("skinrect", "skinrect "));
    EXPECT_TRUE(ContainsIgnoringAsciiCase("Operating System: WINE", "wine"));
    EXPECT_TRUE(ContainsIgnoringAsciiCase("abc", ""));
    EXPECT_FALSE(ContainsIgnoringAsciiCase("ab", "abc"));
    AsciiCaseInsensitiveHash hash;
    EXPECT_EQ(hash("FormInfo"), hash("FORMINFO"));
}

TEST(ParseInt32, DecimalAndZeroXHexadecimal) {
    EXPECT_EQ(ParseInt32("42"), 42);
    EXPECT_EQ(ParseInt32("  -17 "), -17);
    EXPECT_EQ(ParseInt32("+5"), 5);
    EXPECT_EQ(ParseInt32("0x1f"), 31);
    EXPECT_EQ(ParseInt32("0XFF"), 255);
    EXPECT_EQ(ParseInt32("0xFFFFFFFF"), -1) << "hexadecimal digits are the 32 bits of the value";
    EXPECT_EQ(ParseInt32("-0x10"), -16);
    EXPECT_EQ(ParseInt32("-0x80000000"), INT32_MIN);
    EXPECT_EQ(ParseInt32("0x000000010"), 16) << "leading zeros do not count toward the 8 digits";
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " ", "-", "0x", "0x1G", "0x100000000", "2147483648", "-2147483649", "12a", "--1",
                            "-+1", "1 2", "$10", "0x-1"})
        EXPECT_FALSE(ParseInt32(bad).has_value()) << bad;
}

TEST(ParseInt32, DollarHexadecimalOnlyWhenTheSyntaxHasIt) {
    const IntegerSyntax dollar{.dollarHex = true};
    EXPECT_EQ(ParseInt32("$FF", dollar), 255);
    EXPECT_EQ(ParseInt32(" -$10 ", dollar), -16);
    EXPECT_EQ(ParseInt32("$FFFFFFFF", dollar), -1);
    EXPECT_EQ(ParseInt32("0x10", dollar), 16);
    for (const char* bad : {"$", "$-1", "$1FFFFFFFF", "$$1"})
        EXPECT_FALSE(ParseInt32(bad, dollar).has_value()) << bad;
    EXPECT_FALSE(ParseInt32("$FF").has_value());
}

}  // namespace
}  // namespace huecast
