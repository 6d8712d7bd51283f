// The crash reporter of the running program. `InstallCrashReporter` is called once on the main thread,
// before the program's static initialisers (from a constructor function of priority 101); from then on
// every structured exception that nothing handles (in any thread), a stack overflow, every C++ exception
// that escapes a thread, `std::terminate`, `abort`, pure virtual calls, invalid-parameter calls
// of the C runtime and exceptions that escape an event handler of the GUI framework produce a report: it is
// shown, appended to the log beside the executable and, as the options say, mailed. A freeze watchdog
// reports a main window that stops answering.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "crash/crash_options.h"

namespace huecast::crash {

// Sets the reporter up with the program's options (or a test's). Calling it again changes nothing.
void InstallCrashReporter(const TCrashModuleOptions& options = ProgramCrashOptions());

// Reports an exception that an event handler let escape; the caller's message loop goes on afterwards
// (unless the user chose Terminate or Restart). The GUI framework's handler calls this.
void ReportEventException(std::exception_ptr error);

// Receives every line of the reporter's trace (warnings and internal errors) besides the debugger output.
void SetCrashTraceSink(std::function<void(const std::string&)> sink);

}  // namespace huecast::crash
