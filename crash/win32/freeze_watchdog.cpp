// The freeze watchdog (`TFreezeThread`): probes the program's main window with a null message and reports
// an `EFrozenApplication` at the main thread's current instruction when it has not answered for the
// freeze time-out. One freeze gives one report; the count starts again once the window answers.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "crash/win32/crash_internal.h"
#include "crash/win32/stack_walk.h"

namespace huecast::crash {

namespace {

constexpr DWORD kStepMs = 50;

struct Watch {
    DWORD processId;
    DWORD mainThreadId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& watch = *reinterpret_cast<Watch*>(parameter);
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    if (processId != watch.processId || !IsWindowVisible(window)) return TRUE;
    // A window of the main thread is the one that tells whether the program answers.
    if (!watch.found || threadId == watch.mainThreadId) watch.found = window;
    return threadId != watch.mainThreadId;
}

HWND VisibleTopLevelWindow(DWORD mainThreadId) {
    Watch watch{GetCurrentProcessId(), mainThreadId, nullptr};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&watch));
    return watch.found;
}

struct WatchdogArguments {
    DWORD timeoutMs;
    DWORD mainThreadId;
    char message[1024];
};

void ReportFreeze(const WatchdogArguments& arguments, HANDLE mainThread) {
    static Failure f;
    while (ReportInProgress())
        Sleep(10);
    if (SuspendThread(mainThread) == static_cast<DWORD>(-1)) return;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_FULL;
    const bool valid = GetThreadContext(mainThread, &context);
#if defined(_M_X64) || defined(__x86_64__)
    f.address = context.Rip;
#else
    f.address = context.Eip;
#endif
    // The stack is read while the thread stands still; the thread runs on before the report is built,
    // because it may hold a lock (the heap's, say) that building and showing the report needs.
    if (valid && f.address != 0) f.frameCount = WalkStack(context, f.frames, Failure::kMaxFrames);
    ResumeThread(mainThread);
    if (!valid || f.address == 0) return;
    std::snprintf(f.type, sizeof f.type, "EFrozenApplication");
    std::snprintf(f.message, sizeof f.message, "%s", arguments.message);
    f.hasContext = true;  // the first frame is the current instruction, not a return address
    f.skipRuntimeRows = false;
    f.fatal = false;
    ReportFailure(f);
}

DWORD WINAPI FreezeThread(void* parameter) {
    const auto& arguments = *static_cast<const WatchdogArguments*>(parameter);
    HANDLE mainThread = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT | THREAD_QUERY_INFORMATION,
                                   FALSE, arguments.mainThreadId);
    if (!mainThread) return 0;
    DWORD count = 0;
    bool reported = false;
    for (;;) {
        HWND window = VisibleTopLevelWindow(arguments.mainThreadId);
        if (!window) {
            Sleep(kStepMs);
            continue;
        }
        DWORD_PTR result = 0;
        if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kStepMs, &result) || !IsWindow(window)) {
            for (int i = 0; i < 5; ++i)
                Sleep(kStepMs);
            count = 0;
            reported = false;
            continue;
        }
        // A report being shown keeps the main thread waiting; that is no freeze.
        if (ReportInProgress() || reported) continue;
        count += kStepMs;
        if (count >= arguments.timeoutMs) {
            ReportFreeze(arguments, mainThread);
            reported = true;
            count = 0;
        }
    }
}

}  // namespace

void StartFreezeWatchdog(const TCrashModuleOptions& options, DWORD mainThreadId) {
    auto* arguments = new WatchdogArguments{};
    arguments->timeoutMs =
        static_cast<DWORD>(options.freezeTimeoutSeconds > 0 ? options.freezeTimeoutSeconds : 1) * 1000;
    arguments->mainThreadId = mainThreadId;
    std::snprintf(arguments->message, sizeof arguments->message, "%s", options.freezeMessage.c_str());
    if (HANDLE thread = CreateThread(nullptr, 64 * 1024, FreezeThread, arguments, 0, nullptr))
        CloseHandle(thread);
}

}  // namespace huecast::crash
