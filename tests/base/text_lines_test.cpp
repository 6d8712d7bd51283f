#include "base/text_lines.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, SplitAtEveryKindOfLineBreakAndJoinWithCrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd\r\n"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});  // a lone break ends one empty line
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("no break"), Lines{"no break"});
    EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(SplitLines(JoinLines({"x", "", "y"})), (Lines{"x", "", "y"}));
}

}  // namespace
}  // namespace huecast
