#include "crash/smtp_client.h"

#include <gtest/gtest.h>

#include <deque>

#include "crash/mail.h"

namespace huecast::crash {
namespace {

// A server that answers each command from a script and a clock that advances with every wait, so time-outs
// are tested without waiting.
class ScriptedStream : public ByteStream, public Clock {
  public:
    // Replies in order: the first is the greeting, then one per command. An empty reply means silence.
    std::deque<std::string> replies;
    std::string received;
    std::uint64_t now = 0;
    bool closed = false;
    std::size_t chunk = 1 << 20;  // deliver replies in pieces of this size
    bool endless = false;         // the current reply never ends

    std::array<std::uint8_t, 4> Connect(std::string_view, int, int) override { return {127, 0, 0, 1}; }
    std::size_t Send(std::string_view bytes, int) override {
        received += bytes;
        pending_ = true;  // the client sends each command in one piece
        return bytes.size();
    }
    std::size_t Receive(std::span<char> buffer, int timeoutMs) override {
        if (endless) {
            std::fill(buffer.begin(), buffer.end(), 'x');
            now += 1;
            return buffer.size();
        }
        if (current_.empty() && (greeted_ ? pending_ : true) && !replies.empty()) {
            current_ = replies.front();
            replies.pop_front();
            greeted_ = true;
            pending_ = false;
        }
        if (current_.empty()) {
            now += static_cast<std::uint64_t>(timeoutMs);
            return 0;
        }
        const std::size_t n = std::min({buffer.size(), current_.size(), chunk});
        std::copy_n(current_.begin(), n, buffer.begin());
        current_.erase(0, n);
        now += 5;
        return n;
    }
    void Close() override { closed = true; }
    std::uint64_t NowMs() override { return now; }

  private:
    std::string current_;
    bool greeted_ = false, pending_ = false;
};

SmtpMail Mail(std::string user = "", std::string password = "") {
    SmtpMail mail;
    mail.user = std::move(user);
    mail.password = std::move(password);
    mail.localHostName = "desk";
    mail.recipients = SplitRecipients("a@x.org; b@y.org");
    mail.subject = "Report";
    mail.content = BuildMimeContent("Body\r\n.hidden line", std::nullopt);
    return mail;
}

TEST(SmtpDialogue, HeloWithoutCredentials) {
    ScriptedStream s;
    s.replies = {"220 hi\r\n", "250 ok\r\n",        "250 ok\r\n", "250 ok\r\n",
                 "250 ok\r\n", "251 forwarded\r\n", "354 go\r\n", "250 queued\r\n"};
    TCrashClientSMTP client(s, s);
    client.Send("mail.example.org", 25, Mail());
    EXPECT_EQ(s.received,
              "HELO desk\r\nRSET\r\nMAIL FROM:<>\r\nRCPT TO:<a@x.org>\r\nRCPT TO:<b@y.org>\r\nDATA\r\n"
              "Subject: Report\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=\"iso-8859-1\"\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n\r\nBody\r\n..hidden line\r\n.\r\n");
    EXPECT_TRUE(client.Transcript().starts_with(
        "Connected to 127.0.0.1 port 25\r\n220 hi\r\nHELO desk\r\n250 ok\r\n"));
    EXPECT_TRUE(s.closed);
}

TEST(SmtpDialogue, EhloAndAuthLoginWithMultiLineRepliesInPieces) {
    ScriptedStream s;
    s.chunk = 3;
    s.replies = {"220-first\r\n220 second\r\n",
                 "250-desk\r\n250-AUTH LOGIN\r\n250 HELP\r\n",
                 "250 ok\r\n",
                 "334 VXNlcm5hbWU6\r\n",
                 "334 UGFzc3dvcmQ6\r\n",
                 "235 ok\r\n",
                 "250 ok\r\n",
                 "250 ok\r\n",
                 "250 ok\r\n",
                 "354 go\r\n",
                 "250 queued\r\n"};
    TCrashClientSMTP client(s, s);
    client.Send("h", 587, Mail("user", "secret"));
    EXPECT_TRUE(s.received.starts_with(
        "EHLO desk\r\nRSET\r\nAUTH LOGIN\r\ndXNlcg==\r\nc2VjcmV0\r\nMAIL FROM:<>\r\n"));
    EXPECT_EQ(client.Transcript().find("c2VjcmV0"), std::string::npos);  // credentials stay out
    EXPECT_NE(client.Transcript().find("Connected to 127.0.0.1 port 587\r\n"), std::string::npos);
}

TEST(SmtpDialogue, UnexpectedCodeEndsWithTheTranscript) {
    ScriptedStream s;
    s.replies = {"220 hi\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "550 no such user\r\n"};
    TCrashClientSMTP client(s, s);
    std::string reported;
    client.onError = [&](const std::string& text) { reported = text; };
    try {
        client.Send("h", 25, Mail());
        FAIL() << "a 550 must end the dialogue";
    } catch (const ECrashSocketError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Connected to 127.0.0.1 port 25\r\n220 hi\r\nHELO desk\r\n250 ok\r\nRSET\r\n250 ok\r\n"
                  "MAIL FROM:<>\r\n250 ok\r\nRCPT TO:<a@x.org>\r\n550 no such user\r\n");
        EXPECT_EQ(reported, e.what());
    }
    EXPECT_EQ(s.received.find("DATA"), std::string::npos);
}

TEST(SmtpDialogue, SilenceAndEndlessRepliesAreBounded) {
    {
        ScriptedStream s;
        s.replies = {"220 hi\r\n"};
        TCrashClientSMTP client(s, s, 30000);
        EXPECT_THROW(
            {
                try {
                    client.Send("h", 25, Mail());
                } catch (const ECrashSocketError& e) {
                    EXPECT_STREQ(e.what(), "Socket timeout.");
                    throw;
                }
            },
            ECrashSocketError);
        EXPECT_GE(s.now, 30000u);
        EXPECT_LT(s.now, 31000u);
    }
    {
        // A reply that never completes its last line also times out.
        ScriptedStream s;
        s.replies = {"220-hi\r\n220 still"};
        TCrashClientSMTP client(s, s, 1000);
        EXPECT_THROW(client.Send("h", 25, Mail()), ECrashSocketError);
    }
    {
        ScriptedStream s;
        s.endless = true;
        TCrashClientSMTP client(s, s);
        try {
            client.Send("h", 25, Mail());
            FAIL();
        } catch (const ECrashSocketError& e) {
            EXPECT_STREQ(e.what(), "Reply too long.");
        }
        EXPECT_LE(client.Transcript().size(), TCrashClientSMTP::kMaxTranscript + 64);
    }
}

TEST(SmtpReplies, CompletenessAndCodes) {
    EXPECT_FALSE(ReplyComplete(""));
    EXPECT_FALSE(ReplyComplete("250 ok"));
    EXPECT_FALSE(ReplyComplete("250-a\r\n"));
    EXPECT_TRUE(ReplyComplete("250-a\r\n250 b\r\n"));
    EXPECT_TRUE(ReplyComplete("250\r\n"));
    EXPECT_TRUE(ReplyComplete("garbage\n"));
    EXPECT_EQ(ReplyCode("251 ok"), 251);
    EXPECT_EQ(ReplyCode("x"), -1);
    EXPECT_EQ(ReplyCode("99999999999999"), 999999999);
    EXPECT_EQ(DotStuff(".a\r\nb.\r\n.\r\n"), "..a\r\nb.\r\n..\r\n");
}

}  // namespace
}  // namespace huecast::crash
