// The reporter's trace: its own warnings and failures, kept as the last warning and written to the system
// debugger output and to an optional sink.
#pragma once

#include <string>
#include <string_view>

#include "crash/crash_options.h"

namespace huecast::crash {

// Records a warning: `[WARNING] - Code: <code> - Message: "<message>"`.
void ReportWarning(TCrashLogErrorCode code, std::string_view message);
// Records an internal failure of the reporter: `[ERROR] - Section: <section> - Message: "<message>"`.
void ReportInternalError(std::string_view section, std::string_view message);

struct CrashWarning {
    TCrashLogErrorCode code = TCrashLogErrorCode::eeNone;
    std::string message;
};
CrashWarning LastCrashWarning();

}  // namespace huecast::crash
