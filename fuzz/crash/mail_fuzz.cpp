// Report texts go into mail and into a mailto: URL: any bytes must come out encoded and decode back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "crash/mail.h"
#include "crash/smtp_client.h"

namespace {

std::string Decode(std::string_view text) {
    auto hex = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string encoded = huecast::crash::PercentEncode(text);
    if (encoded.find_first_of(" \"&?#'\r\n") != std::string::npos) std::abort();
    if (Decode(encoded) != text) std::abort();
    for (const std::string& to : huecast::crash::SplitRecipients(text))
        if (to.find_first_of(",;") != std::string::npos) std::abort();
    const std::string content =
        huecast::crash::BuildMimeContent(text, huecast::crash::MailAttachment{"a.elf", std::string(text)});
    // Every line of the content keeps within the 1000 characters a mail line may have.
    for (std::size_t pos = 0, end; pos < content.size(); pos = end + 2) {
        end = content.find("\r\n", pos);
        if (end == std::string::npos || end - pos > 998) std::abort();
    }
    // After dot-stuffing no line of the message is a lone ".".
    const std::string stuffed = huecast::crash::DotStuff(content);
    if (stuffed.find("\r\n.\r\n") != std::string::npos || stuffed.find("\n.\n") != std::string::npos)
        std::abort();
    (void)huecast::crash::Base64Lines(text);
    return 0;
}
