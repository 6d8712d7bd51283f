// The shipped program: huecast.exe with a thread that fails (started in it from outside) shows the crash
// dialog and leaves a report that names the program by its version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "crash/log_file.h"
#include "crash/win32/report_delivery.h"

#ifndef HUECAST_EXE
#error "HUECAST_EXE names the program under test"
#endif

namespace huecast::crash {
namespace {

std::string WindowsPath(std::string path) {
    // The build hands over a Unix path; Wine maps the root to drive Z:.
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

TEST(App, AFailingThreadInHuecastGivesItsReportAndTheProgramGoesOn) {
    const std::string exe = WindowsPath(HUECAST_EXE);
    const std::string logPath = LogPathFor(exe, "");
    DeleteFileA(logPath.c_str());

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    HWND main = nullptr;
    for (int i = 0; i < 300 && !main; ++i) {
        Sleep(50);
        main = FindWindowA("HUEC2", nullptr);
    }
    ASSERT_TRUE(main) << "no main window";

    // The report tells the active window; the program started from here may not have become it yet.
    for (int i = 0; i < 60 && GetForegroundWindow() != main; ++i) {
        SetForegroundWindow(main);
        Sleep(50);
    }
    const bool active = GetForegroundWindow() == main;

    // A thread whose start address is no code.
    HANDLE thread = CreateRemoteThread(process.hProcess, nullptr, 0,
                                       reinterpret_cast<LPTHREAD_START_ROUTINE>(8), nullptr, 0, nullptr);
    ASSERT_TRUE(thread);
    HWND dialog = nullptr;
    for (int i = 0; i < 300 && !(dialog && IsWindowVisible(dialog)); ++i) {
        Sleep(50);
        dialog = FindWindowA(nullptr, "Error.");
    }
    ASSERT_TRUE(dialog) << "no crash dialog";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);

    // The program goes on and closes normally.
    EXPECT_TRUE(IsWindow(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "huecast.exe did not close";
        TerminateProcess(process.hProcess, 99);
    }
    DWORD exitCode = 99;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const auto text = ReadWholeFile(logPath);
    ASSERT_TRUE(text) << "no log at " << logPath;
    TLogFile log;
    log.Load(*text);
    ASSERT_EQ(log.Count(), 1u);
    const std::string_view record = log.Record(0);
    EXPECT_EQ(RecordLineValue(record, 3), "Huecast");
    EXPECT_EQ(RecordLineValue(record, 4), "2.4.0.0");
    EXPECT_EQ(RecordLineValue(record, 10), "EAccessViolation");
    if (active) {
        EXPECT_NE(record.find("  Form Class   : HUEC2"), std::string_view::npos) << record;
    }
    DeleteFileA(logPath.c_str());
}

}  // namespace
}  // namespace huecast::crash
