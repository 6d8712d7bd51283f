#include "aatext/effect_ini_file.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

TEST(MemIni, SectionsKeysAndCase) {
    MemEffectIniFile ini(
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
    EXPECT_EQ(MemEffectIniFile(ini.Text()).ReadString("NEW", "flag"), "1");
}

}  // namespace
}  // namespace huecast
