// Mailing a report: the built-in SMTP client over Winsock, the system's mail client through Simple MAPI,
// and the `mailto:` handler. Failures are warnings (crash_trace.h) and a false result, never a message.
#pragma once

#include <optional>
#include <string>

namespace huecast::crash {

struct SmtpSettings {
    std::string host;
    int port = 25;
    int timeoutMs = 30000;
    std::string user, password;
};

// Sends the body, with the file at `attachmentPath` attached when it is not empty and exists.
bool SendBySmtp(const SmtpSettings& server, const std::string& attachmentPath, const std::string& body,
                const std::string& subject, const std::string& recipients);
bool SendByMapi(const std::string& recipients, const std::string& subject, const std::string& body,
                const std::string& attachmentPath);
// Starts the `mailto:` handler with the message text and, when given, three CR LF pairs and the log.
bool SendByMailto(const std::string& recipients, const std::string& subject, const std::string& messageText,
                  const std::optional<std::string>& log);

// The `mailto:` handler's command with each "%1" replaced by `url` as one quoted argument.
std::string MailtoCommand(const std::string& handlerCommand, const std::string& url);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace huecast::crash
