// Mail pieces of the report delivery: the recipient list, Base64 in lines, the MIME content of the SMTP
// message and the `mailto:` URL handed to the system's mail handler.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace huecast::crash {

// Trims the string, cuts it at every "," and ";" and trims each entry. Empty entries between two
// separators stay in the list; a trailing separator adds none.
std::vector<std::string> SplitRecipients(std::string_view recipients);

// Standard Base64 with "=" padding, 60 input bytes (80 characters) a line, every line ending with CR LF.
std::string Base64Lines(std::span<const unsigned char> bytes);
inline std::string Base64Lines(std::string_view text) {
    return Base64Lines(std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

struct MailAttachment {
    std::string fileName;  // without directory
    std::string text;      // the file's content
};

// Quoted-printable: "=", control and 8-bit bytes, a blank ending a line and a "-" opening one as "=XX";
// lines of at most 76 characters (longer ones get soft breaks); every line break of the text, the last
// line's included, as CR LF.
std::string QuotedPrintable(std::string_view text);

// The MIME name of the character set of a Windows code page, so a mail reader shows the report's text as
// it was written; "iso-8859-1" for a code page it does not name.
std::string_view MimeCharsetOfCodePage(unsigned codePage);

// The message content after the "Subject:" line: MIME headers, then the body, or multipart with the body
// and the attachment's text; both quoted-printable, the body's text labelled with `charset`. It always
// ends with CR LF.
std::string BuildMimeContent(std::string_view body, const std::optional<MailAttachment>& attachment,
                             std::string_view charset = "iso-8859-1");

// The mail body: the message text, then, when `log` is given, three CR LF pairs and the log.
std::string BuildMailBody(std::string_view messageText, std::optional<std::string_view> log);

// RFC 3986 percent-encoding of every byte outside the unreserved set, so no quote, blank, "&", "%" or "?"
// of the text survives into a command line or the URL's own syntax.
std::string PercentEncode(std::string_view text);
// "mailto:<to>?subject=<subject>&body=<body>" with every part percent-encoded, so nothing in it is
// interpreted by a shell or by the URL's own syntax; the addresses are joined by ",".
std::string MailtoUrl(std::string_view recipients, std::string_view subject, std::string_view body);

}  // namespace huecast::crash
