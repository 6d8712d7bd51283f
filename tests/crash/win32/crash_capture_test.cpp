// Runs crash_child for every kind of failure, on the main thread and on a worker thread, and checks the
// report each one leaves in the log: one record, the right exception class, and a call stack whose top row
// names the child's own function with its source file and line.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>

#include "crash/log_file.h"
#include "crash/win32/report_delivery.h"
#include "tests/crash/win32/test_folder.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"

namespace huecast::crash {
namespace {

using testing::TestFolder;

struct ChildResult {
    DWORD exitCode = 0;
    TLogFile log;
};

std::string LogPathFor(const std::string& mode, const std::string& thread) {
    return TestFolder() + "capture-" + mode + "-" + thread + ".elf";
}

// Runs the child; with a dialog button, the child shows its dialog, `withDialog` looks at it, and the
// button is pressed.
ChildResult RunChild(const std::string& mode, const std::string& thread, int button = 0,
                     const char* directory = nullptr, const std::string& logPathOverride = "",
                     const std::function<void(HWND)>& withDialog = {}) {
    const std::string logPath = logPathOverride.empty() ? LogPathFor(mode, thread) : logPathOverride;
    DeleteFileA(logPath.c_str());
    std::string command = "\"";
    command += TestFolder() + "crash_child.exe\" " + mode + " " + thread + " \"" + logPath + "\"";
    if (button) command += " dialog";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ChildResult result;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, directory, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start " << command;
        return result;
    }
    if (button) {
        HWND dialog = nullptr;
        for (int i = 0; i < 400 && !(dialog && IsWindowVisible(dialog)); ++i) {
            Sleep(50);
            dialog = FindWindowA(nullptr, "Error.");
        }
        EXPECT_TRUE(dialog && IsWindowVisible(dialog)) << "no dialog";
        // The log is written before the dialog shows.
        EXPECT_NE(GetFileAttributesA(logPath.c_str()), INVALID_FILE_ATTRIBUTES);
        if (dialog && withDialog) withDialog(dialog);
        if (dialog) PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        ADD_FAILURE() << mode << " " << thread << " did not end";
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (auto text = ReadWholeFile(logPath)) result.log.Load(*text);
    return result;
}

// The call-stack table's rows: the lines between the second rule and the last one, cut into cells.
std::vector<std::vector<std::string>> StackRows(std::string_view record) {
    std::vector<std::vector<std::string>> rows;
    int rules = 0;
    std::size_t pos = 0;
    while (pos < record.size()) {
        std::size_t end = record.find("\r\n", pos);
        if (end == std::string_view::npos) end = record.size();
        const std::string_view line = record.substr(pos, end - pos);
        pos = end + 2;
        if (!line.empty() && line.find_first_not_of('-') == std::string_view::npos) {
            ++rules;
            continue;
        }
        if (rules != 2 || line.empty() || line[0] != '|') continue;
        std::vector<std::string> cells;
        std::size_t start = 1;
        for (std::size_t bar; (bar = line.find('|', start)) != std::string_view::npos; start = bar + 1) {
            std::string cell(line.substr(start, bar - start));
            cell.erase(cell.find_last_not_of(' ') + 1);
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

struct Case {
    const char* mode;
    const char* type;
    const char* function;
};

const Case kCases[] = {
    {"access-violation", "EAccessViolation", "CrashByAccessViolation"},
    {"division-by-zero", "EDivByZero", "CrashByDivisionByZero"},
    {"illegal-instruction", "EIllegalInstruction", "CrashByIllegalInstruction"},
    {"stack-overflow", "EStackOverflow", "CrashByStackOverflow"},
    {"terminate", "ETerminate", "CrashByTerminate"},
    {"abort", "EAbnormalTermination", "CrashByAbort"},
    {"pure-virtual-call", "EPureVirtualCall", "CrashByPureVirtualCall"},
    {"invalid-parameter", "EInvalidParameter", "CrashByInvalidParameter"},
    {"escaping-exception", "std::runtime_error", "CrashByEscapingException"},
};

class EveryFailure : public ::testing::TestWithParam<std::tuple<Case, const char*>> {};

TEST_P(EveryFailure, LeavesOneReportNamingTheFailingFunction) {
    const auto& [c, thread] = GetParam();
    const ChildResult result = RunChild(c.mode, thread);
    // The main thread's failure ends the program with 1; a worker's ends the worker and the program goes on.
    EXPECT_EQ(result.exitCode, std::string(thread) == "main" ? 1u : 7u);
    ASSERT_EQ(result.log.Count(), 1u);
    const std::string_view record = result.log.Record(0);
    EXPECT_EQ(RecordLineValue(record, 4), "1.2.3.4");
    EXPECT_EQ(RecordLineValue(record, 3), "Crash test child");
    EXPECT_EQ(RecordLineValue(record, 9), "crash_child.exe");
    EXPECT_EQ(RecordLineValue(record, 10), c.type);
    auto rows = StackRows(record);
    // A stack overflow may be met by the runtime's stack probe, called by the failing function.
    if (!rows.empty() && rows[0].size() == 6 && rows[0][4] == "___chkstk_ms") rows.erase(rows.begin());
    ASSERT_FALSE(rows.empty()) << record;
    ASSERT_EQ(rows[0].size(), 6u);
    EXPECT_EQ(rows[0][1], "crash_child.exe") << record;
    EXPECT_EQ(rows[0][2], "tests/crash/win32/crash_child.cpp") << record;
    EXPECT_EQ(rows[0][3], "crashtest") << record;
    EXPECT_EQ(rows[0][4], c.function) << record;
    EXPECT_FALSE(rows[0][5].empty()) << record;
    // The report's address is the top row's.
    if (std::string_view(c.mode) != "stack-overflow") {
        EXPECT_EQ(RecordLineValue(record, 8), rows[0][0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Capture, EveryFailure,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values("main", "worker")),
                         [](const auto& test) {
                             std::string name =
                                 std::string(std::get<0>(test.param).mode) + "_" + std::get<1>(test.param);
                             for (char& ch : name)
                                 if (ch == '-') ch = '_';
                             return name;
                         });

class NullFunctionCall : public ::testing::TestWithParam<const char*> {};

TEST_P(NullFunctionCall, NamesTheCallerAndNoModuleForAddressZero) {
    const ChildResult result = RunChild("null-function-call", GetParam());
    EXPECT_EQ(result.exitCode, std::string(GetParam()) == "main" ? 1u : 7u);
    ASSERT_EQ(result.log.Count(), 1u);
    const std::string_view record = result.log.Record(0);
    EXPECT_EQ(RecordLineValue(record, 8), "00000000");
    EXPECT_EQ(RecordLineValue(record, 9), "(no module)");
    EXPECT_EQ(RecordLineValue(record, 10), "EAccessViolation");
    const auto rows = StackRows(record);
    ASSERT_GE(rows.size(), 3u) << record;
    EXPECT_EQ(rows[0][0], "00000000");
    EXPECT_EQ(rows[0][1], "(no module)");
    EXPECT_EQ(rows[1][1], "crash_child.exe") << record;
    EXPECT_EQ(rows[1][4], "CrashByNullFunctionCall") << record;
    EXPECT_EQ(rows[2][1], "crash_child.exe") << record;  // and the walk goes on from there
}

INSTANTIATE_TEST_SUITE_P(Capture, NullFunctionCall, ::testing::Values("main", "worker"));

TEST(Capture, AStackOverflowNamesTheRecursionAndNothingElse) {
    const ChildResult result = RunChild("stack-overflow", "worker");
    ASSERT_EQ(result.log.Count(), 1u);
    const auto rows = StackRows(result.log.Record(0));
    // Deep in the recursion every frame is the recursing function's; no frame without a name among them.
    ASSERT_GE(rows.size(), 50u);
    for (const auto& row : rows)
        EXPECT_EQ(row[4], "CrashByStackOverflow") << result.log.Record(0);
}

TEST(Capture, AFailingStaticInitialiserIsReported) {
    const ChildResult result = RunChild("static-initialiser", "main");
    EXPECT_EQ(result.exitCode, 1u);
    ASSERT_EQ(result.log.Count(), 1u);
    const std::string_view record = result.log.Record(0);
    EXPECT_EQ(RecordLineValue(record, 10), "std::runtime_error");
    EXPECT_EQ(RecordLineValue(record, 11), "static initialiser failed");
    const auto rows = StackRows(record);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0][4], "ThrowInStaticInitialiser") << record;
}

TEST(Capture, EscapingExceptionKeepsItsMessage) {
    const ChildResult result = RunChild("escaping-exception", "worker");
    ASSERT_EQ(result.log.Count(), 1u);
    EXPECT_EQ(RecordLineValue(result.log.Record(0), 11), "escaped \"quoted\" 100%%");
}

TEST(Capture, AnExceptionTheProgramCatchesGivesNoReport) {
    const ChildResult result = RunChild("caught", "main");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.log.Count(), 0u);
}

TEST(Capture, AnEventHandlerExceptionIsReportedAndTheLoopGoesOn) {
    const ChildResult result = RunChild("event", "main");
    EXPECT_EQ(result.exitCode, 0u);
    ASSERT_EQ(result.log.Count(), 1u);
    const std::string_view record = result.log.Record(0);
    EXPECT_EQ(RecordLineValue(record, 10), "std::logic_error");
    EXPECT_EQ(RecordLineValue(record, 11), "handler failed");
    const auto rows = StackRows(record);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0][4], "ThrowInHandler") << record;
    // The window that was active when it happened, and the control with the focus and its content.
    EXPECT_NE(record.find("  Form Class   : CrashChildWindow\r\n"
                          "  Form Text    : Crash child\r\n"
                          "  Control Class: Edit\r\n"
                          "  Control Text : typed 100%% text\r\n"),
              std::string_view::npos)
        << record;
}

TEST(Capture, AnEventHandlerExceptionFromDeepDownNamesWhereItWasThrown) {
    const ChildResult result = RunChild("deep-event", "main");
    EXPECT_EQ(result.exitCode, 0u);
    ASSERT_EQ(result.log.Count(), 1u);
    const auto rows = StackRows(result.log.Record(0));
    ASSERT_GE(rows.size(), 3u) << result.log.Record(0);
    EXPECT_EQ(rows[0][4], "ThrowInHandler") << result.log.Record(0);
    EXPECT_EQ(rows[1][4], "ThrowDeep") << result.log.Record(0);
    for (const auto& row : rows)
        EXPECT_FALSE(row[1].empty()) << result.log.Record(0);
}

TEST(Capture, TwoThreadsFailingAtOnceGiveTwoReports) {
    const ChildResult result = RunChild("two-workers", "worker");
    EXPECT_EQ(result.exitCode, 7u);
    ASSERT_EQ(result.log.Count(), 2u);
    const std::set<std::string> types = {std::string(RecordLineValue(result.log.Record(0), 10)),
                                         std::string(RecordLineValue(result.log.Record(1), 10))};
    EXPECT_EQ(types, (std::set<std::string>{"EAccessViolation", "EDivByZero"}));
}

TEST(Capture, AReportNeedsNoMalloc) {
    const ChildResult result = RunChild("heap-locked", "main");
    EXPECT_EQ(result.exitCode, 1u);
    ASSERT_EQ(result.log.Count(), 1u);
    EXPECT_EQ(RecordLineValue(result.log.Record(0), 10), "EAccessViolation");
}

TEST(Capture, ALogThatCannotBeWrittenIsAWarning) {
    const std::string trace = TestFolder() + "capture-trace.txt";
    DeleteFileA(trace.c_str());
    SetEnvironmentVariableA("CRASH_CHILD_TRACE", trace.c_str());
    const ChildResult result =
        RunChild("access-violation", "main", 0, nullptr, "C:\\no\\such\\folder\\x.elf");
    SetEnvironmentVariableA("CRASH_CHILD_TRACE", nullptr);
    EXPECT_EQ(result.exitCode, 1u);
    const auto lines = ReadWholeFile(trace);
    ASSERT_TRUE(lines) << "no trace";
    EXPECT_NE(lines->find("[WARNING] - Code: eeLogError - Message: \"Cannot write the log file "
                          "\"C:\\no\\such\\folder\\x.elf\""),
              std::string::npos)
        << *lines;
    DeleteFileA(trace.c_str());
}

constexpr int kOkButton = IDOK;
constexpr int kTerminateButton = 106;  // Terminate, or Restart with the restart option

TEST(Dialog, OkLetsTheProgramGoOnAndTerminateEndsItWithOne) {
    const ChildResult goesOn = RunChild("event", "main", kOkButton);
    EXPECT_EQ(goesOn.exitCode, 0u);
    EXPECT_EQ(goesOn.log.Count(), 1u);
    // A worker that failed ends; the program goes on after OK.
    const ChildResult worker = RunChild("access-violation", "worker", kOkButton);
    EXPECT_EQ(worker.exitCode, 7u);
    const ChildResult ended = RunChild("event", "main", kTerminateButton);
    EXPECT_EQ(ended.exitCode, 1u);
    EXPECT_EQ(ended.log.Count(), 1u);
    // The dialog's place is kept in the system's ini folder.
    EXPECT_GT(GetPrivateProfileIntA("Coordinates", "Width", 0, "CrashLog.ini"), 0);
    EXPECT_GT(GetPrivateProfileIntA("Coordinates", "Height", 0, "CrashLog.ini"), 0);
}

TEST(Dialog, TheGeneralTabShowsItsScrollBarWhenItsTextOverflows) {
    constexpr int kDetailsButton = 107, kGeneralPage = 104;
    bool shown = false;
    COLORREF barPixel = 0, textPixel = 0;
    RunChild("access-violation", "main", kOkButton, nullptr, "", [&](HWND dialog) {
        SetForegroundWindow(dialog);
        huecast::testing::ClickAt(huecast::testing::CentreOf(GetDlgItem(dialog, kDetailsButton)));
        HWND general = GetDlgItem(dialog, kGeneralPage);
        for (int i = 0; i < 100 && !shown; ++i) {
            Sleep(50);
            shown = IsWindowVisible(general);
        }
        Sleep(500);  // painted
        // The report's blocks are longer than the page at the dialog's default size: the bar stands along
        // the page's right edge, on the screen, where the page's white would be without it.
        RECT r;
        GetWindowRect(general, &r);
        barPixel = huecast::testing::ScreenPixel({r.right - 10, (r.top + r.bottom) / 2});
        textPixel = huecast::testing::ScreenPixel({r.right - 40, (r.top + r.bottom) / 2});  // right of the text
    });
    ASSERT_TRUE(shown) << "the detailed view did not open";
    EXPECT_EQ(textPixel, GetSysColor(COLOR_WINDOW));
    EXPECT_NE(barPixel, GetSysColor(COLOR_WINDOW));
}

TEST(Dialog, RestartStartsTheProgramAgainWithItsCommandLineAndDirectory) {
    const std::string logPath = LogPathFor("restart-once", "main");
    DeleteFileA((logPath + ".started").c_str());
    DeleteFileA((logPath + ".restarted").c_str());
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const ChildResult result = RunChild("restart-once", "main", kTerminateButton, windows);
    EXPECT_EQ(result.exitCode, 1u);
    std::optional<std::string> restarted;
    for (int i = 0; i < 200 && !restarted; ++i) {
        Sleep(50);
        restarted = ReadWholeFile(logPath + ".restarted");
    }
    ASSERT_TRUE(restarted) << "no second start";
    EXPECT_EQ(restarted->substr(0, restarted->find('\n')), windows);
    EXPECT_NE(restarted->find(std::string("restart-once main \"").append(logPath).append("\" dialog")),
              std::string::npos)
        << *restarted;
    DeleteFileA((logPath + ".started").c_str());
}

TEST(Capture, AFrozenMainWindowGivesOneFreezeReport) {
    const ChildResult result = RunChild("freeze", "main");
    EXPECT_EQ(result.exitCode, 0u);
    ASSERT_EQ(result.log.Count(), 1u);
    const std::string_view record = result.log.Record(0);
    EXPECT_EQ(RecordLineValue(record, 10), "EFrozenApplication");
    EXPECT_EQ(RecordLineValue(record, 11), "The application seems to be frozen.");
    // The main thread was caught inside main's Sleep.
    EXPECT_NE(record.find("|main "), std::string_view::npos) << record;
}

}  // namespace
}  // namespace huecast::crash
