// Start-up of huecast.exe against a program that opens one plain window: from process start until the
// window has painted and the program waits for input, in alternating rounds.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/win32/side_by_side.h"
#include "tests/app/huecast_driver.h"

namespace fs = std::filesystem;

namespace {

fs::path Here() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

// Starts the program, waits until its window is visible and every message up to its first paint has been
// handled, then closes it.
void StartAndClose(const fs::path& exe, const char* className) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + exe.string() + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        exe.parent_path().string().c_str(), &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", exe.string().c_str());
        std::exit(1);
    }
    WaitForInputIdle(info.hProcess, 20000);
    HWND window = nullptr;
    while (!(window = huecast::testing::FindTopLevel(info.dwProcessId, className)))
        Sleep(1);
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

}  // namespace

int main() {
    // A folder of its own, so the program's rtf.ini is an empty one.
    const fs::path folder = fs::temp_directory_path() / "huecast-startup-bench";
    fs::create_directories(folder);
    fs::copy_file(Here().parent_path().parent_path() / "app" / "huecast.exe", folder / "huecast.exe",
                  fs::copy_options::overwrite_existing);
    const fs::path minimal = Here() / "minimal_window.exe";
    const double ratio = huecast::bench::SideBySide(
        "huecast.exe start-up", [&] { StartAndClose(folder / "huecast.exe", "HUEC2"); }, "one plain window",
        [&] { StartAndClose(minimal, "MinimalWindow"); }, 5, 1);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return ratio > 0 ? 0 : 1;
}
