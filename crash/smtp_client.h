// The reporter's SMTP client: the dialogue that mails a report, over a byte stream that the platform
// supplies (Winsock in the program, a scripted stream in tests). Every wait is bounded by the time-out and
// every reply and the transcript by a size, so a silent or endless server cannot hang the reporter or
// exhaust its memory.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace huecast::crash {

class ECrashSocketError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A connected byte stream. Errors are thrown as ECrashSocketError with the client's texts.
class ByteStream {
  public:
    virtual ~ByteStream() = default;
    // Resolves `host` (a failed lookup gives 0.0.0.0), connects within `timeoutMs` and returns the address
    // used.
    virtual std::array<std::uint8_t, 4> Connect(std::string_view host, int port, int timeoutMs) = 0;
    // Sends what it can and returns the count; fewer than asked is a failure of the caller's command. A
    // peer that takes nothing for `timeoutMs` is an error.
    virtual std::size_t Send(std::string_view bytes, int timeoutMs) = 0;
    // Waits up to `timeoutMs` for data and reads what is there into `buffer`; 0 when nothing arrived.
    // A connection closed by the peer is an error.
    virtual std::size_t Receive(std::span<char> buffer, int timeoutMs) = 0;
    virtual void Close() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint64_t NowMs() = 0;
};

struct SmtpMail {
    std::string user, password;  // either not empty: EHLO and AUTH LOGIN
    std::string localHostName;
    std::vector<std::string> recipients;
    std::string subject;
    std::string content;  // BuildMimeContent's result, ending with CR LF
};

class TCrashClientSMTP {
  public:
    static constexpr std::size_t kMaxReply = 64 * 1024;
    static constexpr std::size_t kMaxTranscript = 256 * 1024;

    TCrashClientSMTP(ByteStream& stream, Clock& clock, int timeoutMs = 30000);

    // Connects, expects the 220 greeting and runs the whole dialogue. Throws ECrashSocketError; after an
    // unexpected reply its text is the transcript so far.
    void Send(std::string_view host, int port, const SmtpMail& mail);

    const std::string& Transcript() const { return transcript_; }

    // Optional: receives an error's text before it is thrown.
    std::function<void(const std::string&)> onError;

  private:
    void Connect(std::string_view host, int port);
    void Command(std::string_view command, std::initializer_list<int> expected, bool secret = false);
    void Expect(std::initializer_list<int> expected);
    int ReadReply();
    void AppendTranscript(std::string_view text);
    [[noreturn]] void Fail(const std::string& text);

    ByteStream& stream_;
    Clock& clock_;
    int timeoutMs_;
    std::string transcript_;
    bool transcriptCut_ = false;
};

// SMTP's transparency: a line that begins with "." gets a second one, so no line of the text ends the
// message early.
std::string DotStuff(std::string_view content);

// Whether `data` holds one complete reply: it ends with a line break and its last line is not a
// continuation line ("250-...").
bool ReplyComplete(std::string_view data);
// The decimal digits at the start of a reply; -1 when there are none.
int ReplyCode(std::string_view data);

}  // namespace huecast::crash
