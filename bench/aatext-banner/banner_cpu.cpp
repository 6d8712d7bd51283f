// The CPU cost of the scrolling banner on the real main window: opens TForm1, lets the banner scroll (or
// switches it off), runs the message loop for the given seconds and prints the process's CPU time (user +
// kernel) as a share of the wall time, and how many frames the banner drew.
//
//   banner_cpu active 20      banner_cpu inactive 20
//
// Run it under Wine from banner_cpu.sh, which also counts the Wine server's share.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "aatext/win32/scroll_text_window.h"
#include "app/form1.h"
#include "gui/application.h"
#include "tests/support/win32/message_pump.h"

namespace {

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return Seconds(kernel) + Seconds(user);
}

}  // namespace

int main(int argc, char** argv) {
    const bool active = argc < 2 || std::strcmp(argv[1], "inactive") != 0;
    const double seconds = argc >= 3 ? std::atof(argv[2]) : 20.0;

    huecast::gui::Application::SetTitle("Huecast2.4");
    huecast::TForm1 form;
    form.Show(SW_SHOWNOACTIVATE);
    HWND bannerWindow =
        FindWindowExA(form.Handle(), nullptr, huecast::TAAScrollTextWindow::kClassName, nullptr);
    huecast::TAAScrollTextWindow* banner = huecast::TAAScrollTextWindow::FromHandle(bannerWindow);
    if (!banner) {
        std::fprintf(stderr, "banner_cpu: the main window has no banner\n");
        return 1;
    }
    banner->SetActive(active);
    int frames = 0;
    banner->OnPainted = [&frames](huecast::TAACustomText&) { ++frames; };

    huecast::testing::PumpFor(2000);  // settle: first paints, fonts loaded
    frames = 0;
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    const double cpuBefore = ProcessCpuSeconds();
    QueryPerformanceCounter(&start);
    huecast::testing::PumpFor(static_cast<DWORD>(seconds * 1000));
    QueryPerformanceCounter(&stop);
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    const double wall =
        static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);

    std::printf(
        "banner %-8s wall %6.2f s  process CPU %6.3f s  share %5.2f %%  frames %d (%.1f per second)\n",
        active ? "active" : "inactive", wall, cpu, 100.0 * cpu / wall, frames, frames / wall);
    std::fflush(stdout);
    DestroyWindow(form.Handle());
    return 0;
}
