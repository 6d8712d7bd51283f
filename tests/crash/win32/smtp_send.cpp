// Mails a log through the reporter's SendReport and its SMTP client, for smtp_server_test.py, which runs a
// real SMTP server on 127.0.0.1 and checks what it receives.
//
//   smtp_send <port> <user> <password> attach|body <log path> [time-out ms]
// A user and password of "-" mean no authentication. The server is 127.0.0.1, or the host named by the
// environment variable SMTP_SEND_HOST. Prints how long sending took and the last warning when it failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "crash/crash_options.h"
#include "crash/win32/crash_internal.h"
#include "crash/win32/crash_trace.h"

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) return 2;
    huecast::crash::TCrashModuleOptions options;
    char host[256];
    options.smtpHost = GetEnvironmentVariableA("SMTP_SEND_HOST", host, sizeof host) > 0 ? host : "127.0.0.1";
    options.smtpPort = std::atoi(argv[1]);
    options.smtpTimeoutMs = argc == 7 ? std::atoi(argv[6]) : 10000;
    options.smtpUser = std::string(argv[2]) == "-" ? "" : argv[2];
    options.smtpPassword = std::string(argv[3]) == "-" ? "" : argv[3];
    options.logInBody = std::string(argv[4]) == "body";
    options.sendLog = true;
    options.confirmMode = 2;  // silently
    options.messageText = "Huecast stopped.\r\n.A line that starts with a full stop.";
    options.subject = "Huecast error report";
    options.recipients = "first@example.org; second@example.org;";

    const ULONGLONG start = GetTickCount64();
    huecast::crash::SendReport(options, argv[5]);
    std::printf("elapsed %llu ms\n", GetTickCount64() - start);
    const huecast::crash::CrashWarning warning = huecast::crash::LastCrashWarning();
    if (warning.code != huecast::crash::TCrashLogErrorCode::eeNone) {
        std::printf("%s\n", warning.message.c_str());
        return 1;
    }
    return 0;
}
