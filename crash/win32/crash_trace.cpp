#include "crash/win32/crash_trace.h"

#include <windows.h>

#include <functional>
#include <mutex>

#include "crash/win32/crash_reporter.h"

namespace huecast::crash {

namespace {

struct TraceState {
    std::mutex lock;
    CrashWarning last;
    std::function<void(const std::string&)> sink;
};

TraceState& State() {
    static TraceState state;
    return state;
}

void Trace(const std::string& line) {
    OutputDebugStringA((line + "\n").c_str());
    std::function<void(const std::string&)> sink;
    {
        std::lock_guard guard(State().lock);
        sink = State().sink;
    }
    if (sink) sink(line);
}

}  // namespace

void SetCrashTraceSink(std::function<void(const std::string&)> sink) {
    std::lock_guard guard(State().lock);
    State().sink = std::move(sink);
}

void ReportWarning(TCrashLogErrorCode code, std::string_view message) {
    {
        std::lock_guard guard(State().lock);
        State().last = {code, std::string(message)};
    }
    Trace(std::string("[WARNING] - Code: ") + CrashLogErrorCodeName(code) + " - Message: \"" +
          std::string(message) + "\"");
}

void ReportInternalError(std::string_view section, std::string_view message) {
    Trace("[ERROR] - Section: " + std::string(section) + " - Message: \"" + std::string(message) + "\"");
}

CrashWarning LastCrashWarning() {
    std::lock_guard guard(State().lock);
    return State().last;
}

}  // namespace huecast::crash
