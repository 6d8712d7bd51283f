// Capture and the report's course. Sections:
//   1. State prepared at installation (helper thread, memory, program facts, call-stack table)
//   2. The report on the helper thread (build, log, show, send, end or restart)
//   3. Entry points (unhandled structured exceptions, terminate, abort, pure virtual and invalid-parameter
//      calls, exceptions escaping event handlers, new threads) and installation
//
// A failure may come with a full stack or a damaged heap, so the failing thread only copies what it has
// into storage prepared in advance and hands over to a helper thread that was started at installation and
// waits for this moment; the report's text is built in memory reserved at installation too.
#include "crash/win32/crash_reporter.h"

#include <windows.h>

#include <commctrl.h>
#include <cxxabi.h>
#include <signal.h>
#include <stdlib.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory_resource>
#include <new>

#include "crash/log_file.h"
#include "crash/win32/crash_internal.h"
#include "crash/win32/crash_trace.h"
#include "crash/win32/stack_walk.h"
#include "crash/win32/system_info.h"
#include "gui/application.h"

namespace huecast::crash {

namespace {

// ---------------------------------------------------------------------------------------------------------
// 1. State prepared at installation

// Raised by the C++ runtime's unwinder for every throw on 64-bit Windows.
constexpr DWORD kGccThrow = 0x20474343;
constexpr DWORD kGccUnwind = 0x21474343;

constexpr std::size_t kArenaSize = 8u << 20;
constexpr ULONG kStackGuarantee = 64 * 1024;

struct Reporter {
    TCrashModuleOptions options;
    ProgramInfo program;
    std::string logPath;
    // The log's name and its temporary twin in the wide form the file calls take without converting
    // through the process heap.
    wchar_t logPathW[MAX_PATH] = {};
    wchar_t temporaryPathW[MAX_PATH + 4] = {};
    FrameResolver resolver;
    DWORD mainThreadId = 0;

    void* arenaMemory = nullptr;
    std::pmr::monotonic_buffer_resource* arena = nullptr;

    CRITICAL_SECTION lock;  // one report at a time
    std::atomic<DWORD> reportingThread{0};
    std::atomic<bool> inProgress{false};

    HANDLE helper = nullptr;
    DWORD helperId = 0;
    HANDLE requestEvent = nullptr;
    HANDLE doneEvent = nullptr;
    Failure failure;
    bool endProcess = false;
};

Reporter* g_reporter = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER g_previousFilter = nullptr;

void CopyText(char* to, std::size_t size, std::string_view from) {
    const std::size_t n = std::min(size - 1, from.size());
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}

[[noreturn]] void EndProcess() {
    TerminateProcess(GetCurrentProcess(), 1);
    __builtin_unreachable();
}

// Takes the report lock for a failure of this thread. A failure of the helper thread itself, which the lock's
// holder is waiting for, cannot be reported: the process ends.
void LockForReport() {
    if (GetCurrentThreadId() == g_reporter->helperId) {
        OutputDebugStringA("[ERROR] - Section: Report - Message: \"Crash reporter critical bug.\"\n");
        EndProcess();
    }
    EnterCriticalSection(&g_reporter->lock);
}

// After the report of a failure that its thread cannot survive: a worker thread ends and the program goes
// on; on the main thread the program ends.
[[noreturn]] void EndFailedThread() {
    if (g_reporter && GetCurrentThreadId() != g_reporter->mainThreadId) ExitThread(1);
    EndProcess();
}

void ReserveStackForReports() {
    // Lets a thread whose stack overflowed still run the few calls that hand its failure over.
    ULONG size = kStackGuarantee;
    SetThreadStackGuarantee(&size);
}

// ---------------------------------------------------------------------------------------------------------
// 2. The report on the helper thread

std::string_view SummaryOf(const Failure& f, std::pmr::memory_resource* memory) {
    const std::size_t typeLength = std::strlen(f.type), messageLength = std::strlen(f.message);
    char* text = static_cast<char*>(memory->allocate(typeLength + messageLength + 3, 1));
    std::memcpy(text, f.type, typeLength);
    std::memcpy(text + typeLength, ": ", 2);
    std::memcpy(text + typeLength + 2, f.message, messageLength + 1);
    return text;
}

// Class and text of a window, read without waiting on a thread that may be the failing one.
void ReadWindow(HWND window, char* className, char* text, std::size_t size) {
    className[0] = text[0] = '\0';
    if (!window) return;
    GetClassNameA(window, className, static_cast<int>(size));
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, 200, &length)) {
        // The window's thread is busy (perhaps it is the one that failed): its caption needs no message.
        wchar_t wide[256];
        const int n = InternalGetWindowText(window, wide, 256);
        const int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide, n, text, static_cast<int>(size) - 1, nullptr, nullptr);
        text[bytes > 0 ? bytes : 0] = '\0';
    }
}

void SaveReport(Reporter& r, std::string_view report) {
    auto fail = [&](const char* what) {
        char message[MAX_PATH + 128];
        std::snprintf(message, sizeof message, "%s \"%s\" (system error %lu).", what, r.logPath.c_str(),
                      GetLastError());
        ReportWarning(TCrashLogErrorCode::eeLogError, message);
    };
    TLogFile log(r.arena);
    HANDLE file = CreateFileW(r.logPathW, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER size{};
        GetFileSizeEx(file, &size);
        std::pmr::string text(r.arena);
        text.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        const bool ok = ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
        CloseHandle(file);
        if (!ok) return fail("Cannot read the log file");
        text.resize(read);
        log.Load(text);
    }
    if (!ApplyReportToLog(log, report, r.options)) return;

    // Written beside the log and then put in its place, so a failure halfway loses no old record.
    const std::pmr::string text = log.Text();
    file = CreateFileW(r.temporaryPathW, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
    if (file == INVALID_HANDLE_VALUE) return fail("Cannot write the log file");
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok ||
        !MoveFileExW(r.temporaryPathW, r.logPathW, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        fail("Cannot write the log file");
        DeleteFileW(r.temporaryPathW);
    }
}

void Restart(const Reporter& r) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = GetCommandLineA();
    if (CreateProcessA(r.program.exePath, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       r.program.startDirectory, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        ReportInternalError("Restart", "Cannot start the program again.");
    }
}

void InternalExceptNotify(Reporter& r) {
    r.arena->release();
    Failure& f = r.failure;
    r.endProcess = false;

    std::uint64_t* frames = f.frames;
    int frameCount = f.frameCount;
    if (f.hasContext && frameCount == 0) frameCount = WalkStack(f.context, frames, Failure::kMaxFrames);
    std::pmr::vector<StackRow> rows(r.arena);
    r.resolver.Resolve(std::span(frames, frameCount), f.hasContext, rows, r.arena);
    std::span<const StackRow> stack(rows);
    if (f.skipRuntimeRows) {
        // Captured inside the failure path: the report's address is the first row of the program's own.
        stack = stack.subspan(LeadingRuntimeRows(stack));
        if (!stack.empty()) f.address = stack.front().address;
    }

    ReportData d;
    d.startTime = r.program.startTime;
    d.description = r.program.description;
    d.version = r.program.version;
    d.exceptionTime = LocalNow();
    d.address = f.address;
    d.module = FrameResolver::ModuleOf(f.address, r.arena);
    if (const std::size_t slash = d.module.find_last_of('\\'); slash != std::string_view::npos)
        d.module.remove_prefix(slash + 1);
    if (d.module.empty()) d.module = kNoModule;
    d.type = f.type;
    d.message = f.message;

    if (!f.windowsNoted) {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        f.hasActiveWindow = GetGUIThreadInfo(r.mainThreadId, &gui) && gui.hwndActive;
        if (f.hasActiveWindow) {
            ReadWindow(gui.hwndActive, f.formClass, f.formText, sizeof f.formText);
            ReadWindow(gui.hwndFocus, f.controlClass, f.controlText, sizeof f.controlText);
        }
    }
    d.hasActiveWindow = f.hasActiveWindow;
    d.formClass = f.formClass;
    d.formText = f.formText;
    d.controlClass = f.controlClass;
    d.controlText = f.controlText;
    d.computerName = r.program.computerName;
    ReadMemoryAndDisk(r.program.exePath, d);
    d.osName = r.program.osName;
    d.osBuild = r.program.osBuild;
    d.language = r.program.language;
    d.stack = stack;

    const std::pmr::string report = BuildReport(d, r.options, r.arena);
    // Stored before it is shown: the dialog needs more of the system than anything else here, and a
    // report must not be lost to a dialog that fails or a user who ends the process meanwhile.
    SaveReport(r, report);

    DialogChoice choice = DialogChoice::Close;
    switch (r.options.display) {
        case DisplayMode::Dialog:
            if (ShowCrashDialog({report, SummaryOf(f, r.arena), stack}, r.options, choice)) break;
            ReportWarning(TCrashLogErrorCode::eeShowError, "Cannot show the DialogBox window.");
            [[fallthrough]];
        case DisplayMode::SystemMessage:
            MessageBoxA(nullptr, report.c_str(), r.options.Text(txError).c_str(),
                        MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST);
            break;
        case DisplayMode::None:
            break;
    }

    if (r.options.sendMode == 2) SendReport(r.options, r.logPath);
    if (choice == DialogChoice::Terminate) {
        if (r.options.sendMode == 1) SendReport(r.options, r.logPath);
        if (r.options.restartButton) Restart(r);
        r.endProcess = true;
    }
}

DWORD WINAPI HelperThread(void* parameter) {
    auto& r = *static_cast<Reporter*>(parameter);
    for (;;) {
        WaitForSingleObject(r.requestEvent, INFINITE);
        try {
            InternalExceptNotify(r);
        } catch (const std::exception& e) {
            ReportInternalError("InternalExceptNotify", e.what());
        } catch (...) {
            ReportInternalError("InternalExceptNotify", "General 'InternalExceptNotify' error.");
        }
        // The main thread cannot go on after a fatal failure, and on an exhausted stack it may not even
        // manage to end the process itself.
        const DWORD failed = r.failure.failedThreadId ? r.failure.failedThreadId : r.failure.threadId;
        if (r.endProcess || (r.failure.fatal && failed == r.mainThreadId)) EndProcess();
        SetEvent(r.doneEvent);
    }
}

// ---------------------------------------------------------------------------------------------------------
// 3. Entry points

void DescribeStructured(const EXCEPTION_RECORD& record, Failure& f) {
    const auto info = [&](int i) {
        return record.NumberParameters > DWORD(i) ? record.ExceptionInformation[i] : 0;
    };
    switch (record.ExceptionCode) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_IN_PAGE_ERROR: {
            const char* how = info(0) == 0 ? "reading" : info(0) == 8 ? "executing" : "writing";
            CopyText(f.type, sizeof f.type, "EAccessViolation");
            std::snprintf(f.message, sizeof f.message, "Access violation %s address %p.", how,
                          reinterpret_cast<void*>(info(1)));
            return;
        }
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
            CopyText(f.type, sizeof f.type, "EDivByZero");
            CopyText(f.message, sizeof f.message, "Integer division by zero.");
            return;
        case EXCEPTION_INT_OVERFLOW:
            CopyText(f.type, sizeof f.type, "EIntOverflow");
            CopyText(f.message, sizeof f.message, "Integer overflow.");
            return;
        case EXCEPTION_ILLEGAL_INSTRUCTION:
            CopyText(f.type, sizeof f.type, "EIllegalInstruction");
            CopyText(f.message, sizeof f.message, "Illegal instruction.");
            return;
        case EXCEPTION_PRIV_INSTRUCTION:
            CopyText(f.type, sizeof f.type, "EPrivilegedInstruction");
            CopyText(f.message, sizeof f.message, "Privileged instruction.");
            return;
        case EXCEPTION_STACK_OVERFLOW:
            CopyText(f.type, sizeof f.type, "EStackOverflow");
            CopyText(f.message, sizeof f.message, "Stack overflow.");
            return;
        case EXCEPTION_FLT_DIVIDE_BY_ZERO:
        case EXCEPTION_FLT_INVALID_OPERATION:
        case EXCEPTION_FLT_OVERFLOW:
        case EXCEPTION_FLT_UNDERFLOW:
        case EXCEPTION_FLT_INEXACT_RESULT:
        case EXCEPTION_FLT_DENORMAL_OPERAND:
        case EXCEPTION_FLT_STACK_CHECK:
            CopyText(f.type, sizeof f.type, "EFloatingPointError");
            std::snprintf(f.message, sizeof f.message, "Floating point exception %08lX.",
                          record.ExceptionCode);
            return;
        default:
            CopyText(f.type, sizeof f.type, "EExternalException");
            std::snprintf(f.message, sizeof f.message, "External exception %08lX.", record.ExceptionCode);
    }
}

LONG WINAPI UnhandledFilter(EXCEPTION_POINTERS* pointers) {
    const DWORD code = pointers->ExceptionRecord->ExceptionCode;
    // A C++ throw that no frame catches comes back here first; continuing lets the runtime call
    // std::terminate, whose handler reports it with its type and message.
    if (code == kGccThrow || code == kGccUnwind) return EXCEPTION_CONTINUE_EXECUTION;
    if (!g_reporter || !g_reporter->options.active)
        return g_previousFilter ? g_previousFilter(pointers) : EXCEPTION_CONTINUE_SEARCH;

    static Failure local;  // serialised by the report lock
    LockForReport();
    DescribeStructured(*pointers->ExceptionRecord, local);
    local.address = reinterpret_cast<std::uintptr_t>(pointers->ExceptionRecord->ExceptionAddress);
    local.context = *pointers->ContextRecord;
    local.hasContext = true;
    local.frameCount = 0;
    local.skipRuntimeRows = false;
    local.fatal = true;
    ReportFailure(local);
    LeaveCriticalSection(&g_reporter->lock);
    EndFailedThread();
}

std::string_view Demangled(const char* mangled, char* buffer, std::size_t size) {
    int status = 0;
    char* name = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    CopyText(buffer, size, status == 0 && name ? name : mangled);
    std::free(name);
    return buffer;
}

// Type and message of a C++ exception.
void DescribeException(std::exception_ptr error, Failure& f) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        Demangled(typeid(e).name(), f.type, sizeof f.type);
        CopyText(f.message, sizeof f.message, e.what());
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        Demangled(type ? type->name() : "unknown", f.type, sizeof f.type);
        f.message[0] = '\0';
    }
}

// A failure reported from inside a runtime handler on the failing thread: the stack is captured here.
// The stack of this thread's last throw, walked from its snapshot; 0 when there was none.
__attribute__((noinline)) int ThrowSiteFrames(std::uint64_t* frames) {
    const StackSnapshot* snapshot = StackSnapshot::ForThisThread();
    // The frames above this one are still in place; those below were the throw's and have been reused.
    const auto liveFrom = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return snapshot ? snapshot->Walk(liveFrom, frames, Failure::kMaxFrames) : 0;
}

Failure& HandlerFailure(const char* type, const char* message) {
    static Failure f;  // used only under the report lock
    CopyText(f.type, sizeof f.type, type);
    CopyText(f.message, sizeof f.message, message);
    f.hasContext = false;
    f.frameCount = CaptureStack(f.frames, Failure::kMaxFrames, 1);
    f.skipRuntimeRows = true;
    f.address = f.frameCount > 0 ? f.frames[0] : 0;
    f.fatal = true;
    return f;
}

[[noreturn]] void ReportFatalHere(const char* type, const char* message, std::exception_ptr error = nullptr) {
    if (g_reporter && g_reporter->options.active) {
        LockForReport();
        Failure& f = HandlerFailure(type, message);
        if (error) {
            // The throw's own stack, where it was recorded, is more exact than the stack here. It is walked
            // before DescribeException, whose rethrow records a throw of its own.
            if (const int n = ThrowSiteFrames(f.frames)) f.frameCount = n;
            DescribeException(error, f);
        }
        ReportFailure(f);
        LeaveCriticalSection(&g_reporter->lock);
    }
    EndFailedThread();
}

void TerminateHandler() {
    if (std::exception_ptr error = std::current_exception()) ReportFatalHere("", "", error);
    ReportFatalHere("ETerminate", "std::terminate was called without an active exception.");
}

void AbortHandler(int) {
    ReportFatalHere("EAbnormalTermination", "abort() was called.");
}

void InvalidParameterHandler(const wchar_t* expression, const wchar_t* function, const wchar_t* file,
                             unsigned line, std::uintptr_t) {
    char message[600];
    if (function && expression)
        std::snprintf(message, sizeof message, "Invalid parameter passed to %ls (%ls, %ls line %u).",
                      function, expression, file ? file : L"", line);
    else
        std::snprintf(message, sizeof message, "Invalid parameter passed to a C runtime function.");
    ReportFatalHere("EInvalidParameter", message);
}

// Every throw is recorded, because an exception that an event handler lets escape reaches the reporter
// only after the stack it was thrown from has unwound. A copy of the stack's innermost part costs a small
// share of the throw; walking it costs more than the throw itself, and waits until a report needs it.
LONG WINAPI ThrowRecorder(EXCEPTION_POINTERS* pointers) {
    if (pointers->ExceptionRecord->ExceptionCode == kGccThrow)
        if (StackSnapshot* snapshot = StackSnapshot::ForThisThread())
            snapshot->Take(*pointers->ContextRecord);
    return EXCEPTION_CONTINUE_SEARCH;
}

void NTAPI ThreadCallback(PVOID, DWORD reason, PVOID) {
    if (!g_reporter || !g_reporter->options.active) return;
    if (reason == DLL_THREAD_ATTACH) {
        ReserveStackForReports();
        WatchThisThread();
    } else if (reason == DLL_THREAD_DETACH) {
        ThisThreadEndsNormally();
        StackSnapshot::Release();
    }
}

}  // namespace

bool ReportFailure(const Failure& failure) {
    Reporter* r = g_reporter;
    if (!r || !r->options.active) return false;
    const DWORD self = GetCurrentThreadId();
    // A failure inside the report itself cannot be reported again.
    if (self == r->helperId || r->reportingThread.load() == self) EndProcess();
    EnterCriticalSection(&r->lock);
    r->reportingThread = self;
    r->inProgress = true;
    if (&failure != &r->failure) r->failure = failure;
    r->failure.threadId = self;
    SetEvent(r->requestEvent);
    WaitForSingleObject(r->doneEvent, INFINITE);
    r->inProgress = false;
    r->reportingThread = 0;
    LeaveCriticalSection(&r->lock);
    return true;
}

bool ReportInProgress() {
    return g_reporter && g_reporter->inProgress.load();
}
void ReportEventException(std::exception_ptr error) {
    if (!g_reporter || !g_reporter->options.active) return;
    static Failure f;
    LockForReport();
    f.hasContext = false;
    f.frameCount = ThrowSiteFrames(f.frames);
    if (f.frameCount == 0) f.frameCount = CaptureStack(f.frames, Failure::kMaxFrames, 0);
    DescribeException(error, f);  // after the copy: its rethrow records a throw site of its own
    f.skipRuntimeRows = true;
    f.fatal = false;
    // This thread is sound and owns its windows: their texts are asked for here, where the controls
    // answer (the helper would only get their captions while this thread waits).
    HWND active = GetActiveWindow(), focus = GetFocus();
    f.windowsNoted = true;
    f.hasActiveWindow = active != nullptr;
    f.formClass[0] = f.formText[0] = f.controlClass[0] = f.controlText[0] = '\0';
    if (active) {
        GetClassNameA(active, f.formClass, sizeof f.formClass);
        GetWindowTextA(active, f.formText, sizeof f.formText);
    }
    if (focus) {
        GetClassNameA(focus, f.controlClass, sizeof f.controlClass);
        GetWindowTextA(focus, f.controlText, sizeof f.controlText);
    }
    ReportFailure(f);
    LeaveCriticalSection(&g_reporter->lock);
}

void InstallCrashReporter(const TCrashModuleOptions& options) {
    if (g_reporter) return;
    auto* r = new Reporter;
    r->options = options;
    r->mainThreadId = GetCurrentThreadId();
    ReadProgramInfo(r->program);
    r->logPath = LogPathFor(r->program.exePath, options.outputPath);
    MultiByteToWideChar(CP_ACP, 0, r->logPath.c_str(), -1, r->logPathW, MAX_PATH);
    std::swprintf(r->temporaryPathW, MAX_PATH + 4, L"%ls.tmp", r->logPathW);
    r->resolver.Load(r->program.exePath);
    r->arenaMemory = VirtualAlloc(nullptr, kArenaSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    r->arena = new std::pmr::monotonic_buffer_resource(r->arenaMemory, r->arenaMemory ? kArenaSize : 0);
    InitializeCriticalSection(&r->lock);
    r->requestEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    r->doneEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    r->helper = CreateThread(nullptr, 256 * 1024, HelperThread, r, 0, &r->helperId);
    g_reporter = r;
    // Switched off, the reporter takes nothing over: failures meet the program's ordinary handling.
    if (!options.active) return;

    ReserveStackForReports();
    StartThreadWatch();
    WatchThisThread();
    g_previousFilter = SetUnhandledExceptionFilter(UnhandledFilter);
    AddVectoredExceptionHandler(1, ThrowRecorder);
    std::set_terminate(TerminateHandler);
    signal(SIGABRT, AbortHandler);
    // The runtime's own abort message would come first and wait for the user; where the runtime lets it be
    // switched off, the report says it instead.
    using SetAbortBehavior = unsigned(__cdecl*)(unsigned, unsigned);
    if (auto setAbortBehavior = reinterpret_cast<SetAbortBehavior>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("msvcrt.dll"), "_set_abort_behavior"))))
        setAbortBehavior(0, _WRITE_ABORT_MSG | _CALL_REPORTFAULT);
    // The C runtime DLL checks parameters itself; the import library's function of this name only keeps a
    // handler for code linked into the program, so both are set.
    _set_invalid_parameter_handler(InvalidParameterHandler);
    using SetInvalidParameterHandler = _invalid_parameter_handler(__cdecl*)(_invalid_parameter_handler);
    for (const char* runtime : {"msvcrt.dll", "ucrtbase.dll"}) {
        if (HMODULE module = GetModuleHandleA(runtime))
            if (auto set = reinterpret_cast<SetInvalidParameterHandler>(
                    reinterpret_cast<void*>(GetProcAddress(module, "_set_invalid_parameter_handler"))))
                set(InvalidParameterHandler);
    }
    gui::SetEventExceptionHandler(ReportEventException);
    if (options.freezeWatchdog) StartFreezeWatchdog(options, r->mainThreadId);
}

}  // namespace huecast::crash

// A call of a pure virtual function ends here (the C++ runtime's hook); it is reported like a terminate.
extern "C" [[noreturn]] void __cxa_pure_virtual() {
    huecast::crash::ReportFatalHere("EPureVirtualCall", "Pure virtual function called.");
}

// Every thread the program starts gets the stack reserve that lets its stack overflow be reported.
extern "C" {
extern const IMAGE_TLS_DIRECTORY _tls_used;
__attribute__((used)) const void* const huecastCrashUsesTls = &_tls_used;
__attribute__((section(".CRT$XLC"), used)) const PIMAGE_TLS_CALLBACK huecastCrashThreadCallback =
    huecast::crash::ThreadCallback;
}
