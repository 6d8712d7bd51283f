// A program that links the crash reporter and fails on purpose, in the way its first argument names, on
// the main thread or on a worker thread. The tests run it and read the log it leaves.
//
//   crash_child <mode> main|worker <log path>
#include <windows.h>

#include <malloc.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <thread>

#include "crash/win32/crash_reporter.h"
#include "gui/application.h"
#include "tests/support/win32/message_pump.h"

namespace crashtest {

volatile int g_zero = 0;
volatile int* volatile g_null = nullptr;

__attribute__((noinline)) void CrashByAccessViolation() {
    *g_null = 1;
}

__attribute__((noinline)) int CrashByDivisionByZero() {
    return 10 / g_zero;
}

__attribute__((noinline)) void CrashByIllegalInstruction() {
    __builtin_trap();
}

// Ordinary recursion: frames far smaller than a page, so the overflow meets the stack's last page.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winfinite-recursion"
__attribute__((noinline)) int CrashByStackOverflow(int depth) {
    volatile char frame[24];
    frame[0] = static_cast<char>(depth);
    return CrashByStackOverflow(depth + 1) + frame[0];
}
#pragma GCC diagnostic pop

using Callback = void (*)();
Callback volatile g_callback = nullptr;

__attribute__((noinline)) void CrashByNullFunctionCall() {
    g_callback();
    std::printf("not reached\n");  // keeps the call from being the function's last, a jump
}

__attribute__((noinline)) void CrashByTerminate() {
    std::terminate();
}

__attribute__((noinline)) void CrashByAbort() {
    std::abort();
}

struct Base {
    Base() { CallHook(this); }
    virtual ~Base() = default;
    virtual void Hook() = 0;
    __attribute__((noinline)) static void CallHook(Base* self) { self->Hook(); }
};
struct Derived : Base {
    void Hook() override {}
};
__attribute__((noinline)) void CrashByPureVirtualCall() {
    Derived derived;
}

// A parameter check of the system's universal C runtime, as a library built against it makes: the C
// runtime this program links (msvcrt.dll) lets no program hear of its checks on every system.
using StrcpyS = int(__cdecl*)(char*, std::size_t, const char*);
StrcpyS g_ucrtStrcpyS = nullptr;

__attribute__((noinline)) void CrashByInvalidParameter() {
    if (g_ucrtStrcpyS(nullptr, 8, "checked") != 0) std::printf("refused\n");  // not a tail call
}

__attribute__((noinline)) void CrashByEscapingException() {
    throw std::runtime_error("escaped \"quoted\" 100%");
}

__attribute__((noinline)) void ThrowInHandler() {
    throw std::logic_error("handler failed");
}

__attribute__((noinline)) void ThrowAndCatch() {
    try {
        throw std::runtime_error("caught");
    } catch (const std::exception&) {
    }
}

// A throw from far deeper than the reporter copies at each throw. (It ends only by throwing, which the
// compiler takes for endless recursion.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winfinite-recursion"
__attribute__((noinline)) void ThrowDeep(int depth) {
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (depth == 0) ThrowInHandler();
    ThrowDeep(depth - 1);
    frame[1] = frame[0];
}
#pragma GCC diagnostic pop

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        // What the GUI framework's window procedures do with an exception that escapes a handler.
        try {
            if (wParam != 0)
                ThrowDeep(static_cast<int>(wParam));
            else
                ThrowInHandler();
        } catch (...) {
            huecast::gui::HandleEventException(std::current_exception());
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "CrashChildWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("CrashChildWindow", "Crash child", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return window;
}

void Fail(const std::string& mode) {
    if (mode == "access-violation") CrashByAccessViolation();
    if (mode == "division-by-zero") std::printf("%d\n", CrashByDivisionByZero());
    if (mode == "illegal-instruction") CrashByIllegalInstruction();
    if (mode == "stack-overflow") std::printf("%d\n", CrashByStackOverflow(0));
    if (mode == "terminate") CrashByTerminate();
    if (mode == "abort") CrashByAbort();
    if (mode == "pure-virtual-call") CrashByPureVirtualCall();
    if (mode == "invalid-parameter") CrashByInvalidParameter();
    if (mode == "null-function-call") CrashByNullFunctionCall();
    if (mode == "escaping-exception") CrashByEscapingException();
    if (mode == "caught") ThrowAndCatch();
}

}  // namespace crashtest

// Installed as the program installs it, before every static initialiser.
__attribute__((constructor(101))) void InstallReporter() {
    if (__argc < 4) return;
    const std::string mode = __argv[1];
    huecast::crash::TCrashModuleOptions options;
    options.display = huecast::crash::DisplayMode::None;
    options.outputPath = __argv[3];
    options.logPolicy = huecast::crash::kLogAlwaysAppend;
    options.freezeWatchdog = mode == "freeze";
    options.freezeTimeoutSeconds = 1;
    if (__argc > 4 && std::strcmp(__argv[4], "dialog") == 0)
        options.display = huecast::crash::DisplayMode::Dialog;
    options.restartButton = mode == "restart-once";
    if (mode == "invalid-parameter") {
        // Loaded first, as a library that uses it would be, so the reporter finds it.
        if (HMODULE ucrt = LoadLibraryA("ucrtbase.dll"))
            crashtest::g_ucrtStrcpyS = reinterpret_cast<crashtest::StrcpyS>(
                reinterpret_cast<void*>(GetProcAddress(ucrt, "strcpy_s")));
    }
    huecast::crash::InstallCrashReporter(options);
}

namespace crashtest {

__attribute__((noinline)) void ThrowInStaticInitialiser() {
    throw std::runtime_error("static initialiser failed");
}

// A static object of the program whose construction fails, before main.
const struct StaticInitialiser {
    StaticInitialiser() {
        if (__argc > 1 && std::strcmp(__argv[1], "static-initialiser") == 0) ThrowInStaticInitialiser();
    }
} g_staticInitialiser;

}  // namespace crashtest

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const std::string mode = argv[1], thread = argv[2];
    // The reporter's trace, where the test asks for it.
    char tracePath[MAX_PATH];
    if (GetEnvironmentVariableA("CRASH_CHILD_TRACE", tracePath, MAX_PATH) > 0) {
        const std::string path = tracePath;
        huecast::crash::SetCrashTraceSink([path](const std::string& line) {
            if (FILE* f = std::fopen(path.c_str(), "ab")) {
                std::fprintf(f, "%s\n", line.c_str());
                std::fclose(f);
            }
        });
    }

    if (mode == "event" || mode == "deep-event") {
        HWND window = crashtest::CreateMainWindow();
        // A control with the focus and text typed into it, which the report names.
        HWND edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, window,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowTextA(edit, "typed 100% text");
        SetFocus(edit);
        PostMessageA(window, WM_USER, mode == "deep-event" ? 40 : 0, 0);
        huecast::testing::PumpFor(300);
        std::printf("went on\n");
        return 0;
    }
    if (mode == "freeze") {
        crashtest::CreateMainWindow();
        huecast::testing::PumpFor(500);
        Sleep(2600);  // one freeze, longer than two time-outs: one report
        huecast::testing::PumpFor(800);
        for (int i = 0; i < 3; ++i) {  // short stalls with answers between them: the count starts again
            Sleep(500);
            huecast::testing::PumpFor(400);
        }
        return 0;
    }
    if (mode == "two-workers") {
        // Both fail at the same moment; the second waits for the first one's report.
        HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread first([&] {
            WaitForSingleObject(go, INFINITE);
            crashtest::CrashByAccessViolation();
        });
        std::thread second([&] {
            WaitForSingleObject(go, INFINITE);
            std::printf("%d\n", crashtest::CrashByDivisionByZero());
        });
        Sleep(100);
        SetEvent(go);
        first.join();
        second.join();
        return 7;
    }
    if (mode == "heap-locked") {
        // Another thread holds the C runtime heap's lock, as a thread that failed inside malloc would: the
        // report must not need malloc.
        HANDLE locked = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread holder([&] {
            HeapLock(reinterpret_cast<HANDLE>(_get_heap_handle()));
            SetEvent(locked);
            Sleep(INFINITE);
        });
        holder.detach();
        WaitForSingleObject(locked, INFINITE);
        crashtest::CrashByAccessViolation();
        return 0;
    }
    if (mode == "restart-once") {
        // The second start, from the dialog's Restart, notes its directory and arguments and ends.
        const std::string marker = std::string(argv[3]) + ".started";
        if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
            char directory[MAX_PATH];
            GetCurrentDirectoryA(MAX_PATH, directory);
            if (FILE* f = std::fopen((std::string(argv[3]) + ".restarted").c_str(), "wb")) {
                std::fprintf(f, "%s\n%s\n", directory, GetCommandLineA());
                std::fclose(f);
            }
            return 5;
        }
        if (FILE* f = std::fopen(marker.c_str(), "wb")) std::fclose(f);
        crashtest::CrashByAccessViolation();
        return 0;
    }
    if (thread == "worker") {
        std::thread worker([&] { crashtest::Fail(mode); });
        worker.join();
        return 7;  // the failed worker ended and the program went on
    }
    crashtest::Fail(mode);
    return 0;
}
