// The system's code page converter on a system whose ANSI code page is 936, as Huecast's users have it.
#include "convert/win32/ansi_code_page.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "convert/urtf.h"

namespace huecast {
namespace {

TEST(AnsiCodePageConverter, ConvertsCodePage936) {
    ASSERT_EQ(GetACP(), 936u) << "the tests need a Chinese (GBK) system code page";
    const AnsiCodePageConverter converter;
    EXPECT_EQ(converter.ToUtf16("\xc4\xe3\xba\xc3"
                                "A\xa1\xb0\x80\x81\x40"),
              u"你好A“€丂");
    EXPECT_EQ(converter.ToUtf16(""), u"");
}

TEST(AnsiCodePageConverter, WorkedExampleConverts) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fcharset134 "
        "\\'cb\\'ce\\'cc\\'e5;}}{\\colortbl "
        ";\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0\\fs60"
        "\\'c4\\'e3\\'ba\\'c3\\cf0\\fs24\\par}";
    const std::string converted = ConvertToUrtf(rtf, "\xc4\xe3\xba\xc3", AnsiCodePageConverter());
    EXPECT_EQ(
        converted,
        "{\\urtf{\\fonttbl{\\f0 \xcb\xce\xcc\xe5;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\u22909?\\par}");
}

}  // namespace
}  // namespace huecast
