// Shared by the reporter's Win32 files: the one failure being reported, and the steps that show, store
// and send its report.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "crash/crash_options.h"
#include "crash/report.h"

namespace huecast::crash {

// What the user chose in the dialog.
enum class DialogChoice { Close, Terminate };

// One failure, filled on the failing (or watching) thread and reported on the reporter's helper thread.
struct Failure {
    static constexpr int kMaxFrames = 100;

    char type[256] = {};
    char message[1024] = {};
    std::uint64_t address = 0;
    DWORD threadId = 0;
    DWORD failedThreadId = 0;  // the failed thread when another one reports for it (it ended already)
    bool fatal = false;        // the failing thread cannot go on: the process ends after the report

    // Either a register context to walk on the helper thread, or frames already captured.
    alignas(16) CONTEXT context;
    bool hasContext = false;
    std::uint64_t frames[kMaxFrames] = {};
    int frameCount = 0;
    bool skipRuntimeRows = false;  // the frames were captured inside the runtime's failure path

    // The active window and the focus, noted by a failing thread that owns them and is still sound
    // (an event handler's); otherwise the helper reads them itself.
    bool windowsNoted = false;
    bool hasActiveWindow = false;
    char formClass[256] = {}, formText[256] = {}, controlClass[256] = {}, controlText[256] = {};
};

// Reports `failure` (copied into the reporter's own storage) and returns after the report has been shown,
// logged and sent; does not return when the user chose Terminate or Restart. Reports are serialised: a
// second failing thread waits here. Returns false when the reporter is not installed or not active.
bool ReportFailure(const Failure& failure);

bool ReportInProgress();

// Dialog, in crash_dialog.cpp. Returns false when the dialog could not be shown.
struct DialogContent {
    std::string_view report;   // the whole report
    std::string_view summary;  // exception class and message for the short view
    std::span<const StackRow> rows;
};
bool ShowCrashDialog(const DialogContent& content, const TCrashModuleOptions& options, DialogChoice& choice);

// Delivery, in report_delivery.cpp: asks or informs as the confirm mode says, then mails the log.
void SendReport(const TCrashModuleOptions& options, const std::string& logPath);

// Thread watch, in thread_watch.cpp: reports the stack overflow of a thread that the system ended before
// it could report it itself. Every thread is announced on itself when it starts and when it ends normally.
void StartThreadWatch();
void WatchThisThread();
void ThisThreadEndsNormally();

// Freeze watchdog, in freeze_watchdog.cpp.
void StartFreezeWatchdog(const TCrashModuleOptions& options, DWORD mainThreadId);

}  // namespace huecast::crash
