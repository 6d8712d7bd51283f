// The rtf.ini text as the system's profile functions read and write it; the comparison against the
// system's own reader runs under Wine in the favourites test.
#include "base/profile_text.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

TEST(ProfileText, ReadsNamesWithoutCaseAndValuesTrimmedAndUnquoted) {
    const ProfileText ini(
        "; a comment\r\nstray=before any section\r\n[Head]\r\nCount=3\r\n"
        "  [ 2 ]  \r\nNAME=\"quoted\"\r\nrtf='single'\r\nhalf=\"one quote\r\nname=second of the same key\r\n"
        "[2]\r\nextra=from the repeated section\r\n"
        "[Tail]\nunix=line end\x1a\n");
    EXPECT_EQ(ini.Read("head", "COUNT"), "3");
    EXPECT_EQ(ini.Read("2", "name"), "quoted") << "the first key of that name wins";
    EXPECT_EQ(ini.Read("2", "rtf"), "single");
    EXPECT_EQ(ini.Read("2", "half"), "\"one quote");
    EXPECT_FALSE(ini.Read("2", "extra").has_value()) << "only the first section of a name is read";
    EXPECT_EQ(ini.Read("Tail", "unix"), "line end");
    EXPECT_FALSE(ini.Read("Tail", "absent").has_value());
    EXPECT_FALSE(ini.Read("", "stray").has_value());
    EXPECT_TRUE(ini.HasSection(" tail "));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Head", "2", "2", "Tail"}));
}

TEST(ProfileText, MatchesDoubleByteNamesWithoutFoldingTheirTrailBytes) {
    // "癆" is 0xF1 0x5A in GBK: its trail byte is the letter 'Z', which must not match 'z'.
    const ProfileText ini("[\xF1Z]\r\nk=upper\r\n[\xF1z]\r\nk=lower\r\n");
    EXPECT_EQ(ini.Read("\xF1Z", "k"), "upper");
    EXPECT_EQ(ini.Read("\xF1z", "k"), "lower");
}

TEST(ProfileText, WritingEditsInPlaceAndKeepsEveryOtherLine) {
    ProfileText ini(
        "; kept\r\n[Head]\r\nCount=5\r\nOwner=someone\r\n\r\n[1]\r\nname=a\r\nrtf=r1\r\n\r\n[5]\r\nname=five\r\n");
    ini.Write("Head", "Count", "2");
    ini.Write("1", "NAME", "new a");
    ini.Write("2", "name", "b\r\nc");
    ini.Write("1", "added", "z");
    EXPECT_EQ(ini.Text(),
              "; kept\r\n[Head]\r\nCount=2\r\nOwner=someone\r\n\r\n[1]\r\nNAME=new a\r\nrtf=r1\r\nadded=z\r\n\r\n"
              "[5]\r\nname=five\r\n[2]\r\nname=b  c\r\n")
        << "a line break inside a value would start a line of its own";
    EXPECT_EQ(ProfileText(ini.Text()).Read("2", "name"), "b  c");
}

TEST(ProfileText, AValueOfAnyLengthReadsWhole) {
    const std::string rtf(100000, 'x');
    EXPECT_EQ(ProfileText("[1]\r\nrtf=" + rtf + "\r\n").Read("1", "rtf"), rtf);
}

}  // namespace
}  // namespace huecast
