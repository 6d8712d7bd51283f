// The crash reporter's options: what it catches, what the report holds, where the log goes and how reports
// are mailed. `ProgramCrashOptions()` gives the values built into the program (crash_options.cpp is the one
// place they are kept); tests build their own.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace huecast::crash {

// Warning codes of the reporter's own failures, in this order (their values are 0 to 5).
enum class TCrashLogErrorCode {
    eeNone,
    eeShowError,
    eeLogError,
    eeEmailMAPIError,
    eeEmailShellError,
    eeEmailSMTPError
};
const char* CrashLogErrorCodeName(TCrashLogErrorCode code);

// Indices of the customised texts: captions, dialog texts, report labels, call-stack columns, mail questions.
enum TextIndex : int {
    txInformation = 0,
    txQuestion,
    txError,
    txDialogIntro,
    txGeneralTab,
    txGeneralInformation,
    txDetailsTab,
    txDetailedInformation,
    txOkButton,
    txTerminateButton,
    txRestartButton,
    txDetailsButton,
    txApplication,
    txStartDate,
    txNameDescription,
    txVersionNumber,
    txException,
    txDate,
    txAddress,
    txModule,
    txType,
    txMessage,
    txActiveControls,
    txFormClass,
    txFormText,
    txControlClass,
    txControlText,
    txComputer,
    txName,
    txTotalMemory,
    txFreeMemory,
    txTotalDisk,
    txFreeDisk,
    txOperatingSystem,
    txOsType,
    txBuild,
    txLanguage,
    txColumnAddress,
    txColumnModule,
    txColumnUnit,
    txColumnClass,
    txColumnProcedure,
    txColumnLine,
    txAskToSend,
    txWillSend,
    kTextCount
};
static_assert(kTextCount == 45, "the customised texts are indices 0 to 44");

// One switch per report field; a switched-off field keeps its label and gets an empty value.
enum ReportField : int {
    rfStartDate,
    rfNameDescription,
    rfVersionNumber,
    rfExceptionDate,
    rfAddress,
    rfModule,
    rfType,
    rfMessage,
    rfFormClass,
    rfFormText,
    rfControlClass,
    rfControlText,
    rfComputerName,
    rfTotalMemory,
    rfFreeMemory,
    rfTotalDisk,
    rfFreeDisk,
    rfOsType,
    rfBuild,
    rfLanguage,
    kReportFieldCount
};
static_assert(kReportFieldCount == 20, "one switch per field of the five blocks");
constexpr std::uint32_t kAllReportFields = (1u << kReportFieldCount) - 1;

// Bits of the log policy.
constexpr std::uint32_t kLogAlwaysAppend = 1u << 0;
constexpr std::uint32_t kLogEmptyOnNewVersion = 1u << 1;
constexpr std::uint32_t kLogSkipDuplicates = 1u << 2;

// What the reporter shows when it has caught something.
enum class DisplayMode { Dialog, SystemMessage, None };

struct TCrashModuleOptions {
    bool active = true;

    // Log file: empty means beside the executable with the ".elf" extension; a folder puts the file there;
    // a name ending in ".elf" is the file's full name.
    std::string outputPath;
    bool saveLog = true;
    std::uint32_t logPolicy = kLogEmptyOnNewVersion | kLogSkipDuplicates;
    int maximumRecords = 20;
    std::uint32_t fieldSwitches = kAllReportFields;

    bool freezeWatchdog = true;
    int freezeTimeoutSeconds = 60;
    std::string freezeMessage = "The application seems to be frozen.";

    DisplayMode display = DisplayMode::Dialog;
    bool detailsTabFirst = false;  // which tab of the dialog is shown first
    bool restartButton = false;    // Restart instead of Terminate

    // Delivery.
    std::string recipients;
    std::string subject = "Huecast error report";
    std::string messageText = "An error report of Huecast is attached.";
    std::string smtpHost;  // not empty: the built-in SMTP client; empty: the system's mail client
    int smtpPort = 25;
    std::string smtpUser;
    std::string smtpPassword;
    int smtpTimeoutMs = 30000;
    bool sendLog = true;
    bool logInBody = false;
    int confirmMode = 0;  // 0: ask first; 1: inform first; other: send silently
    int sendMode = 0;     // 1: send from the Terminate/Restart path; 2: send every report at once

    std::array<std::string, kTextCount> texts = DefaultTexts();

    bool FieldOn(ReportField field) const { return (fieldSwitches >> field) & 1u; }
    const std::string& Text(TextIndex index) const { return texts[index]; }

    static std::array<std::string, kTextCount> DefaultTexts();
};

// The options this program is built with.
const TCrashModuleOptions& ProgramCrashOptions();

}  // namespace huecast::crash
