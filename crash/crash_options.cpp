#include "crash/crash_options.h"

namespace huecast::crash {

const char* CrashLogErrorCodeName(TCrashLogErrorCode code) {
    switch (code) {
        case TCrashLogErrorCode::eeNone:
            return "eeNone";
        case TCrashLogErrorCode::eeShowError:
            return "eeShowError";
        case TCrashLogErrorCode::eeLogError:
            return "eeLogError";
        case TCrashLogErrorCode::eeEmailMAPIError:
            return "eeEmailMAPIError";
        case TCrashLogErrorCode::eeEmailShellError:
            return "eeEmailShellError";
        case TCrashLogErrorCode::eeEmailSMTPError:
            return "eeEmailSMTPError";
    }
    return "eeNone";
}

std::array<std::string, kTextCount> TCrashModuleOptions::DefaultTexts() {
    return {
        "Information.",
        "Question.",
        "Error.",
        "An error has occurred during program execution.\r\n"
        "Please read the following information for further details.",
        "General",
        "General Information",
        "Details",
        "Detailed Information",
        "&OK",
        "&Terminate",
        "&Restart",
        "&Details",
        "Application",
        "Start Date",
        "Name/Description",
        "Version Number",
        "Exception",
        "Date",
        "Address",
        "Module",
        "Type",
        "Message",
        "Active Controls",
        "Form Class",
        "Form Text",
        "Control Class",
        "Control Text",
        "Computer",
        "Name",
        "Total Memory",
        "Free Memory",
        "Total Disk",
        "Free Disk",
        "Operating System",
        "Type",
        "Build #",
        "Language",
        "Address",
        "Module",
        "Unit",
        "Class",
        "Procedure/Method",
        "Line",
        "May I send an email with occurred error(s) to the author of the program ?",
        "I will now send an email with the error(s) that occurred to the author of the program.",
    };
}

// The program's own settings. The log sits beside huecast.exe, keeps the last twenty distinct reports of
// the current version, and nothing is mailed: there is no address to mail to yet. A release that has one
// sets `recipients` (and `smtpHost` for the built-in client) and `sendMode` here.
const TCrashModuleOptions& ProgramCrashOptions() {
    static const TCrashModuleOptions options = [] {
        TCrashModuleOptions o;
        o.freezeTimeoutSeconds = 30;
        o.subject = "Huecast error report";
        o.messageText = "Huecast stopped with the error described in the attached log.";
        return o;
    }();
    return options;
}

}  // namespace huecast::crash
