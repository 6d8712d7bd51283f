#include "crash/mail.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

// Undoes quoted-printable, so a test can check that what was encoded comes back whole.
std::string DecodeQuotedPrintable(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
        } else if (text.substr(i + 1, 2) == "\r\n") {
            i += 2;  // soft break
        } else {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        }
    }
    return out;
}

std::size_t LongestLine(std::string_view text) {
    std::size_t longest = 0;
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        longest = std::max(longest, end - pos);
        pos = end + 2;
    }
    return longest;
}

TEST(QuotedPrintable, EscapesWhatWouldNotTravelAndKeepsTheRest) {
    EXPECT_EQ(QuotedPrintable("Address: 0040=12 100%"), "Address: 0040=3D12 100%\r\n");
    EXPECT_EQ(QuotedPrintable("\xc4\xe3\tok"), "=C4=E3\tok\r\n");
    // A blank before a line break and a "-" opening a line; foreign line breaks become CR LF.
    EXPECT_EQ(QuotedPrintable("end \n--boundary\r\nin-line\r\rlast\t"),
              "end=20\r\n=2D-boundary\r\nin-line\r\n\r\nlast=09\r\n");
    EXPECT_EQ(QuotedPrintable(""), "");
    EXPECT_EQ(QuotedPrintable("a\r\n"), "a\r\n");
}

TEST(QuotedPrintable, LongLinesGetSoftBreaksAndDecodeWhole) {
    std::string message = "  Message: ";
    for (int i = 0; i < 110; ++i)
        message += "text=\xb0\xa1 -x ";
    const std::string text = "Exception...\r\n" + message + "\r\n";
    const std::string encoded = QuotedPrintable(text);
    EXPECT_LE(LongestLine(encoded), 76u);
    EXPECT_EQ(DecodeQuotedPrintable(encoded), text);
    // An escape is never cut by a soft break.
    EXPECT_EQ(encoded.find("=\r\n3D"), std::string::npos);
    EXPECT_EQ(QuotedPrintable(std::string(76, 'a')), std::string(75, 'a') + "=\r\na\r\n");
}

TEST(MimeContent, WithoutAttachmentIsTheEncodedBodyAndCrLf) {
    EXPECT_EQ(BuildMimeContent("Hello = you", std::nullopt),
              "MIME-Version: 1.0\r\n"
              "Content-Type: text/plain; charset=\"iso-8859-1\"\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "\r\n"
              "Hello =3D you\r\n");
    const std::string content = BuildMimeContent(BuildMailBody("Hi", "log line\r\n"), std::nullopt);
    EXPECT_EQ(content.substr(content.find("\r\n\r\n") + 4), "Hi\r\n\r\n\r\nlog line\r\n\r\n");
}

TEST(MimeContent, TheBodyIsLabelledWithTheSystemsCharacterSet) {
    EXPECT_EQ(MimeCharsetOfCodePage(936), "gbk");
    EXPECT_EQ(MimeCharsetOfCodePage(1252), "windows-1252");
    EXPECT_EQ(MimeCharsetOfCodePage(12345), "iso-8859-1");
    const std::string content = BuildMimeContent("\xc4\xe3\xba\xc3", std::nullopt, "gbk");
    EXPECT_NE(content.find("Content-Type: text/plain; charset=\"gbk\"\r\n"), std::string::npos);
    EXPECT_TRUE(content.ends_with("\r\n\r\n=C4=E3=BA=C3\r\n"));
}

TEST(MimeContent, WithAttachmentIsMultipartWithBothPartsEncoded) {
    const std::string content =
        BuildMimeContent("Body text", MailAttachment{"huecast.elf", "one=1\ntwo\r\n--boundary--"});
    EXPECT_EQ(content,
              "MIME-Version: 1.0\r\n"
              "Content-Type: multipart/mixed; boundary=\"boundary\"\r\n"
              "\r\n"
              "--boundary\r\n"
              "Content-Type: text/plain; charset=\"iso-8859-1\"\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "\r\n"
              "Body text\r\n"
              "--boundary\r\n"
              "Content-Type: application/octet-stream; name=\"huecast.elf\"\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n"
              "Content-Disposition: attachment; filename=\"huecast.elf\"\r\n"
              "\r\n"
              "one=3D1\r\ntwo\r\n=2D-boundary--\r\n"
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
