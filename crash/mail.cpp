#include "crash/mail.h"

#include "base/text.h"

namespace huecast::crash {

namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string Encode(std::string_view text, std::string_view keep) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (unsigned char c : text) {
        if (Unreserved(c) || keep.find(static_cast<char>(c)) != std::string_view::npos) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> SplitRecipients(std::string_view recipients) {
    std::string list(Trim(recipients));
    if (list.empty() || (list.back() != ',' && list.back() != ';')) list += ',';
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == ',' || list[i] == ';') {
            out.emplace_back(Trim(std::string_view(list).substr(start, i - start)));
            start = i + 1;
        }
    }
    // An empty recipients string is no recipient at all, not one empty one.
    if (out.size() == 1 && out[0].empty()) out.clear();
    return out;
}

std::string Base64Lines(std::span<const unsigned char> bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4 + (bytes.size() / 60 + 1) * 2);
    for (std::size_t line = 0; line < bytes.size(); line += 60) {
        const std::size_t end = std::min(bytes.size(), line + 60);
        for (std::size_t i = line; i < end; i += 3) {
            const std::size_t n = std::min<std::size_t>(3, end - i);
            const unsigned v =
                (bytes[i] << 16) | (n > 1 ? bytes[i + 1] << 8 : 0) | (n > 2 ? bytes[i + 2] : 0);
            out += kBase64[(v >> 18) & 63];
            out += kBase64[(v >> 12) & 63];
            out += n > 1 ? kBase64[(v >> 6) & 63] : '=';
            out += n > 2 ? kBase64[v & 63] : '=';
        }
        out += "\r\n";
    }
    if (bytes.empty()) out = "\r\n";
    return out;
}

std::string QuotedPrintable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    // Room for the soft break's "=" within the 76 characters a line may have.
    constexpr std::size_t kMaxLine = 75;
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 16);
    std::size_t column = 0;
    auto put = [&](std::string_view token) {
        if (column + token.size() > kMaxLine) {
            out += "=\r\n";
            column = 0;
        }
        out += token;
        column += token.size();
    };
    // Every line ends with CR LF, whatever break it had (CR LF, LF or a lone CR), the last one included.
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        for (std::size_t i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            const bool blank = c == ' ' || c == '\t';
            // A blank at a line's end would be stripped on the way; a "-" opening a line could begin a
            // boundary line.
            const bool escape = c == '=' || c > 126 || (c < 32 && !blank) ||
                                (blank && i + 1 == line.size()) || (c == '-' && column == 0);
            if (escape) {
                const char token[3] = {'=', kHex[c >> 4], kHex[c & 15]};
                put(std::string_view(token, 3));
            } else {
                const char token = static_cast<char>(c);
                put(std::string_view(&token, 1));
            }
        }
        out += "\r\n";
        column = 0;
        pos = end;
        if (pos < text.size()) pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
    }
    return out;
}

std::string_view MimeCharsetOfCodePage(unsigned codePage) {
    struct Charset {
        unsigned codePage;
        std::string_view name;
    };
    static constexpr Charset kCharsets[] = {
        {874, "windows-874"},   {932, "shift_jis"},     {936, "gbk"},           {949, "euc-kr"},
        {950, "big5"},          {1250, "windows-1250"}, {1251, "windows-1251"}, {1252, "windows-1252"},
        {1253, "windows-1253"}, {1254, "windows-1254"}, {1255, "windows-1255"}, {1256, "windows-1256"},
        {1257, "windows-1257"}, {1258, "windows-1258"}, {65001, "utf-8"},
    };
    for (const Charset& c : kCharsets)
        if (c.codePage == codePage) return c.name;
    return "iso-8859-1";
}

std::string BuildMimeContent(std::string_view body, const std::optional<MailAttachment>& attachment,
                             std::string_view charset) {
    // Both parts are quoted-printable, so a report line of any length or byte keeps within the 1000
    // characters a mail line may have and arrives as it was written.
    std::string out;
    out.reserve(body.size() * 11 / 10 + (attachment ? attachment->text.size() * 11 / 10 : 0) + 512);
    out += "MIME-Version: 1.0\r\n";
    if (attachment) {
        out +=
            "Content-Type: multipart/mixed; boundary=\"boundary\"\r\n"
            "\r\n"
            "--boundary\r\n";
    }
    out += "Content-Type: text/plain; charset=\"";
    out += charset;
    out +=
        "\"\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n";
    // The content is the body and CR LF; before a boundary that CR LF is the boundary's own.
    out += QuotedPrintable(std::string(body) + "\r\n");
    if (!attachment) return out;
    out += "--boundary\r\n";
    out += "Content-Type: application/octet-stream; name=\"";
    out += attachment->fileName;
    out += "\"\r\nContent-Transfer-Encoding: quoted-printable\r\n";
    out += "Content-Disposition: attachment; filename=\"";
    out += attachment->fileName;
    out += "\"\r\n\r\n";
    out += QuotedPrintable(attachment->text);
    out += "\r\n--boundary--\r\n";
    return out;
}

std::string BuildMailBody(std::string_view messageText, std::optional<std::string_view> log) {
    std::string out(messageText);
    if (log) {
        out += "\r\n\r\n\r\n";
        out += *log;
    }
    return out;
}

std::string PercentEncode(std::string_view text) {
    return Encode(text, {});
}

std::string MailtoUrl(std::string_view recipients, std::string_view subject, std::string_view body) {
    std::string url = "mailto:";
    bool first = true;
    for (const std::string& to : SplitRecipients(recipients)) {
        if (to.empty()) continue;
        if (!first) url += ',';
        url += Encode(to, "@");
        first = false;
    }
    url += "?subject=";
    url += PercentEncode(subject);
    url += "&body=";
    url += PercentEncode(body);
    return url;
}

}  // namespace huecast::crash
