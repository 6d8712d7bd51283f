#include "crash/smtp_client.h"

#include <cstdio>

#include "crash/mail.h"

namespace huecast::crash {

TCrashClientSMTP::TCrashClientSMTP(ByteStream& stream, Clock& clock, int timeoutMs)
    : stream_(stream), clock_(clock), timeoutMs_(timeoutMs) {}

void TCrashClientSMTP::AppendTranscript(std::string_view text) {
    if (transcriptCut_) return;
    if (transcript_.size() + text.size() > kMaxTranscript) {
        transcript_.append(text.substr(0, kMaxTranscript - transcript_.size()));
        transcript_ += "\r\n[transcript cut]\r\n";
        transcriptCut_ = true;
        return;
    }
    transcript_ += text;
}

void TCrashClientSMTP::Fail(const std::string& text) {
    if (onError) onError(text);
    throw ECrashSocketError(text);
}

void TCrashClientSMTP::Connect(std::string_view host, int port) {
    try {
        const auto a = stream_.Connect(host, port, timeoutMs_);
        char line[64];
        std::snprintf(line, sizeof line, "Connected to %d.%d.%d.%d port %d\r\n", a[0], a[1], a[2], a[3],
                      port);
        AppendTranscript(line);
    } catch (const ECrashSocketError& e) {
        Fail(e.what());
    }
}

int TCrashClientSMTP::ReadReply() {
    std::string reply;
    const std::uint64_t deadline = clock_.NowMs() + static_cast<std::uint64_t>(timeoutMs_);
    char buffer[4096];
    // A reply may come in pieces; it is complete when its last line is not a continuation line.
    while (!ReplyComplete(reply)) {
        const std::uint64_t now = clock_.NowMs();
        if (now >= deadline) {
            AppendTranscript(reply);
            Fail("Socket timeout.");
        }
        std::size_t n = 0;
        try {
            n = stream_.Receive(buffer, static_cast<int>(deadline - now));
        } catch (const ECrashSocketError& e) {
            AppendTranscript(reply);
            stream_.Close();
            Fail(e.what());
        }
        reply.append(buffer, n);
        if (reply.size() > kMaxReply) {
            AppendTranscript(reply);
            stream_.Close();
            Fail("Reply too long.");
        }
    }
    AppendTranscript(reply);
    return ReplyCode(reply);
}

void TCrashClientSMTP::Expect(std::initializer_list<int> expected) {
    const int code = ReadReply();
    for (int e : expected)
        if (code == e) return;
    Fail(transcript_);
}

void TCrashClientSMTP::Command(std::string_view command, std::initializer_list<int> expected, bool secret) {
    std::string line(command);
    if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) line += "\r\n";
    std::size_t sent = 0;
    try {
        sent = stream_.Send(line, timeoutMs_);
    } catch (const ECrashSocketError& e) {
        stream_.Close();
        Fail(e.what());
    }
    // Credentials do not go into the transcript, which ends up in warnings and the debugger output.
    AppendTranscript(secret ? std::string_view("***\r\n") : std::string_view(line));
    if (sent < line.size()) Fail(transcript_);
    Expect(expected);
}

void TCrashClientSMTP::Send(std::string_view host, int port, const SmtpMail& mail) {
    transcript_.clear();
    transcriptCut_ = false;
    Connect(host, port);
    Expect({220});
    if (!mail.user.empty() || !mail.password.empty()) {
        Command("EHLO " + mail.localHostName, {250});
        Command("RSET", {250});
        Command("AUTH LOGIN", {334});
        Command(Base64Lines(mail.user), {334}, true);
        Command(Base64Lines(mail.password), {235}, true);
    } else {
        Command("HELO " + mail.localHostName, {250});
        Command("RSET", {250});
    }
    Command("MAIL FROM:<>", {250});
    for (const std::string& to : mail.recipients)
        Command("RCPT TO:<" + to + ">", {250, 251});
    Command("DATA", {354});
    Command("Subject: " + mail.subject + "\r\n" + DotStuff(mail.content) + ".", {250});
    stream_.Close();
}

std::string DotStuff(std::string_view content) {
    std::string out;
    out.reserve(content.size() + 16);
    bool lineStart = true;
    for (char c : content) {
        if (lineStart && c == '.') out += '.';
        out += c;
        lineStart = c == '\n';
    }
    return out;
}

bool ReplyComplete(std::string_view data) {
    if (data.empty() || data.back() != '\n') return false;
    std::string_view body = data.substr(0, data.size() - 1);
    if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
    const std::size_t start = body.find_last_of('\n');
    const std::string_view last = start == std::string_view::npos ? body : body.substr(start + 1);
    const bool continuation = last.size() >= 4 && last[0] >= '0' && last[0] <= '9' && last[1] >= '0' &&
                              last[1] <= '9' && last[2] >= '0' && last[2] <= '9' && last[3] == '-';
    return !continuation;
}

int ReplyCode(std::string_view data) {
    int code = 0;
    std::size_t i = 0;
    for (; i < data.size() && i < 9 && data[i] >= '0' && data[i] <= '9'; ++i)
        code = code * 10 + (data[i] - '0');
    return i == 0 ? -1 : code;
}

}  // namespace huecast::crash
