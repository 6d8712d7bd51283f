// The entry point: one running copy only, Windows NT family only, then the main window and its loop.
#include <windows.h>
#include <ole2.h>

#include "app/application_window.h"
#include "app/form1.h"
#include "crash/win32/crash_reporter.h"
#include "gui/application.h"

namespace {

// A running copy is found by its window class; it comes to the front and this process ends quietly.
bool HandOverToRunningCopy() {
    HWND running = FindWindowA(huecast::TForm1::kClassName, nullptr);
    if (!running) return false;
    if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(running);
    return true;
}

bool IsWindowsNtFamily() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes: the ANSI record
    // Deprecated for version numbers, but the platform identifier it reports is exact on every system.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Runs before the program's static initialisers (priority 101 comes first), so their failures are
// reported too.
__attribute__((constructor(101))) void InstallCrashReporterFirst() {
    huecast::crash::InstallCrashReporter();
}

// The rich-edit control pastes through the OLE clipboard, which answers only a thread that initialised OLE:
// without it, Paste in the editor does nothing.
class OleSession {
  public:
    OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialised_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool initialised_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    if (HandOverToRunningCopy()) return 0;
    if (!IsWindowsNtFamily()) {
        MessageBoxA(nullptr, "该程序只能在WIN2000/XP下运行", "HuecastFor 2000/XP", MB_OK);
        return 0;
    }
    huecast::gui::Application::SetTitle("Huecast2.4");
    const OleSession ole;
    // The task bar shows the application's title; the form keeps its own caption.
    huecast::ApplicationWindow application(huecast::gui::Application::Title(), huecast::LoadProgramIcons());
    huecast::TForm1 form(application.Handle());
    application.SetMainForm(form.Handle());
    application.Show();
    form.Show(showCommand);
    return huecast::gui::Application::Run();
}
