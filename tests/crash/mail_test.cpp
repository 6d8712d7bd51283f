#include "crash/mail.h"

#include <gtest/gtest.h>

namespace huecast::crash {
namespace {

TEST(SplitRecipients, CutsAtCommaAndSemicolonAndTrims) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitRecipients("a@x.org; b@y.org"), (V{"a@x.org", "b@y.org"}));
    EXPECT_EQ(SplitRecipients("  a@x.org,b@y.org;  "), (V{"a@x.org", "b@y.org"}));
    EXPECT_EQ(SplitRecipients("a@x.org;"), (V{"a@x.org"}));
    EXPECT_EQ(SplitRecipients("a@x.org;;b@y.org"), (V{"a@x.org", "", "b@y.org"}));
    EXPECT_EQ(SplitRecipients("only@x.org"), (V{"only@x.org"}));
    EXPECT_EQ(SplitRecipients("   "), V{});
}

TEST(Base64Lines, StandardAlphabetPaddingAndSixtyByteLines) {
    EXPECT_EQ(Base64Lines(std::string_view("")), "\r\n");
    EXPECT_EQ(Base64Lines(std::string_view("f")), "Zg==\r\n");
    EXPECT_EQ(Base64Lines(std::string_view("fo")), "Zm8=\r\n");
    EXPECT_EQ(Base64Lines(std::string_view("foo")), "Zm9v\r\n");
    EXPECT_EQ(Base64Lines(std::string_view("user@example.org")), "dXNlckBleGFtcGxlLm9yZw==\r\n");
    const unsigned char high[] = {0xfb, 0xff, 0xfe};
    EXPECT_EQ(Base64Lines(high), "+//+\r\n");

    const std::string sixty(60, 'a');
    const std::string line = Base64Lines(sixty);
    EXPECT_EQ(line.size(), 82u);
    EXPECT_EQ(line.substr(76), "YWFh\r\n");
    const std::string longer = Base64Lines(sixty + "ab");
    ASSERT_EQ(longer.size(), 82u + 6u);
    EXPECT_EQ(longer.substr(0, 82), line);
    EXPECT_EQ(longer.substr(82), "YWI=\r\n");
}

TEST(MimeContent, WithoutAttachmentIsTheBodyAndCrLf) {
    EXPECT_EQ(BuildMimeContent("Hello", std::nullopt), "Hello\r\n");
    EXPECT_EQ(BuildMimeContent(BuildMailBody("Hi", "log line\r\n"), std::nullopt),
              "Hi\r\n\r\n\r\nlog line\r\n\r\n");
}

TEST(MimeContent, WithAttachmentIsMultipartWithTheFileAsCrLfLines) {
    const std::string content =
        BuildMimeContent("Body text", MailAttachment{"huecast.elf", "one\ntwo\r\nthree"});
    EXPECT_EQ(content,
              "MIME-Version: 1.0\r\n"
              "Content-Type: multipart/mixed; boundary=\"boundary\"\r\n"
              "--boundary\r\n"
              "Content-Type: text/plain; charset=\"iso-8859-1\"\r\n"
              "Content-Transfer-Encoding: 8bit\r\n"
              "\r\n"
              "Body text\r\n"
              "--boundary\r\n"
              "Content-Type: application/octet-stream; name=\"huecast.elf\"\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "Content-Disposition: attachment; filename=\"huecast.elf\"\r\n"
              "\r\n"
              "one\r\ntwo\r\nthree\r\n"
              "\r\n"
              "--boundary--\r\n");
}

TEST(Mailto, EveryPartIsPercentEncoded) {
    EXPECT_EQ(PercentEncode("a b&c%d\"e'f?g=h#i+j\r\n~._-"),
              "a%20b%26c%25d%22e%27f%3Fg%3Dh%23i%2Bj%0D%0A~._-");
    EXPECT_EQ(PercentEncode("\xc4\xe3"), "%C4%E3");
    EXPECT_EQ(
        MailtoUrl("a@x.org; b@y.org", "Crash & \"burn\"", "100% \"bad\" & worse"),
        "mailto:a@x.org,b@y.org?subject=Crash%20%26%20%22burn%22&body=100%25%20%22bad%22%20%26%20worse");
}

}  // namespace
}  // namespace huecast::crash
