#include "aatext/ini_file.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

TEST(IniInteger, DecimalHexAndRejects) {
    EXPECT_EQ(ParseIniInteger("42"), 42);
    EXPECT_EQ(ParseIniInteger("  -17 "), -17);
    EXPECT_EQ(ParseIniInteger("+5"), 5);
    EXPECT_EQ(ParseIniInteger("0x1f"), 31);
    EXPECT_EQ(ParseIniInteger("0XFF"), 255);
    EXPECT_EQ(ParseIniInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger("0x000000010"), 16) << "leading zeros do not count toward the 8 digits";
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInteger("-2147483648"), INT32_MIN);
    for (const char* bad :
         {"", " ", "0x", "0x1G", "0x100000000", "2147483648", "12a", "--1", "-+1", "1 2", "$10"})
        EXPECT_FALSE(ParseIniInteger(bad).has_value()) << bad;
}

TEST(MemIni, SectionsKeysAndCase) {
    MemIniFile ini(
        "; comment\r\nstray=1\r\n[A]\r\n key = value with spaces \r\nKey=second\r\n[b]\nx=1\n[a]\ny=2\n"
        "[broken\nz=3\nno equals sign\n");
    EXPECT_EQ(ini.ReadString("a", "KEY"), "value with spaces");
    EXPECT_EQ(ini.ReadString("A", "y"), "2") << "a repeated section continues the first";
    EXPECT_EQ(ini.ReadString("a", "z"), "3") << "an unclosed section line is ignored";
    EXPECT_FALSE(ini.ReadString("", "stray").has_value());
    EXPECT_FALSE(ini.ReadString("c", "x").has_value());
    EXPECT_EQ(ini.ReadInteger("b", "x", 9), 1);
    EXPECT_EQ(ini.ReadInteger("b", "missing", 9), 9);
    EXPECT_TRUE(ini.ReadBool("b", "x", false));
    ini.WriteInteger("b", "X", -4);
    ini.WriteBool("new", "flag", true);
    EXPECT_EQ(ini.ReadInteger("b", "x", 0), -4);
    EXPECT_EQ(MemIniFile(ini.Text()).ReadString("NEW", "flag"), "1");
}

}  // namespace
}  // namespace huecast
