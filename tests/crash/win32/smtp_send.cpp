// Mails a fixed report through the reporter's SMTP client, for smtp_server_test.py, which runs a real
// SMTP server on 127.0.0.1 and checks what it receives.
//
//   smtp_send <port> <user> <password> attach|body <log path>
// An empty user and password ("-") mean no authentication. Prints the last warning when sending fails.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "crash/mail.h"
#include "crash/win32/crash_trace.h"
#include "crash/win32/report_delivery.h"

int main(int argc, char** argv) {
    if (argc != 6) return 2;
    huecast::crash::SmtpSettings server;
    server.host = "127.0.0.1";
    server.port = std::atoi(argv[1]);
    server.timeoutMs = 10000;
    server.user = std::string(argv[2]) == "-" ? "" : argv[2];
    server.password = std::string(argv[3]) == "-" ? "" : argv[3];
    const bool attach = std::string(argv[4]) == "attach";
    const std::string logPath = argv[5];

    const std::string messageText = "Huecast stopped.\r\n.A line that starts with a full stop.";
    std::string body = messageText;
    if (!attach) {
        const auto log = huecast::crash::ReadWholeFile(logPath);
        if (!log) return 3;
        body = huecast::crash::BuildMailBody(messageText, *log);
    }
    const bool sent = huecast::crash::SendBySmtp(server, attach ? logPath : "", body, "Huecast error report",
                                                 "first@example.org; second@example.org;");
    if (!sent) std::printf("%s\n", huecast::crash::LastCrashWarning().message.c_str());
    return sent ? 0 : 1;
}
