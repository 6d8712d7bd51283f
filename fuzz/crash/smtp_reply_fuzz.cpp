// Server replies are untrusted: whatever a server sends, the dialogue ends, within its time-out and its
// size bounds.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "crash/smtp_client.h"

namespace {

class FuzzStream : public huecast::crash::ByteStream, public huecast::crash::Clock {
  public:
    explicit FuzzStream(std::string_view input) : input_(input) {}
    std::array<std::uint8_t, 4> Connect(std::string_view, int, int) override { return {127, 0, 0, 1}; }
    std::size_t Send(std::string_view bytes, int) override { return bytes.size(); }
    std::size_t Receive(std::span<char> buffer, int timeoutMs) override {
        if (input_.empty()) {
            now_ += static_cast<std::uint64_t>(timeoutMs);
            return 0;
        }
        // The first byte of each piece says how long the piece is.
        const std::size_t n =
            std::min({buffer.size(), input_.size(), std::size_t(1 + std::uint8_t(input_[0]))});
        std::copy_n(input_.begin(), n, buffer.begin());
        input_.remove_prefix(n);
        now_ += 1;
        return n;
    }
    void Close() override {}
    std::uint64_t NowMs() override { return now_; }

  private:
    std::string_view input_;
    std::uint64_t now_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    (void)huecast::crash::ReplyComplete(input);
    (void)huecast::crash::ReplyCode(input);
    FuzzStream stream(input);
    huecast::crash::TCrashClientSMTP client(stream, stream, 1000);
    huecast::crash::SmtpMail mail;
    mail.user = size % 2 ? "user" : "";
    mail.localHostName = "fuzz";
    mail.recipients = {"a@example.org", "b@example.org"};
    mail.subject = "s";
    mail.content = "body\r\n";
    try {
        client.Send("host", 25, mail);
    } catch (const huecast::crash::ECrashSocketError&) {
    }
    if (client.Transcript().size() > huecast::crash::TCrashClientSMTP::kMaxTranscript + 64) std::abort();
    return 0;
}
