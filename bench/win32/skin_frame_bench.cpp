// The skinned frame's costs that users feel, side by side with what the system does anyway:
//   - a full WM_NCPAINT of the main window's frame (four strips composed, objects and caption text drawn,
//     copied to the window) against one BitBlt of a ready window-sized DIB to the same window;
//   - 10,000 WM_NCHITTEST round trips against 10,000 WM_NULL round trips to the same window.
// Goals: at most 3× and at most 1.5×.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "bench/win32/side_by_side.h"
#include "skin/format/win32/form_skin.h"
#include "skin/frame/win32/frame.h"

namespace {

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

}  // namespace

int main() {
    // A window of the system's default procedure: the round trip of the reference costs nothing but the
    // system's own work.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "HuecastSkinFrameBench";
    RegisterClassA(&wc);
    HWND form = CreateWindowExA(0, wc.lpszClassName, "Huecast2.4 For 2000/XP", WS_OVERLAPPEDWINDOW, 50, 50,
                                640, 480, nullptr, nullptr, wc.hInstance, nullptr);
    huecast::skin::FormSkin skin;
    skin.Load(form, wc.hInstance);
    auto frame = std::make_unique<huecast::skin::TSkinFrame>(form);
    frame->borderIcons = {.systemMenu = true, .minimize = true, .maximize = true, .rollUp = false};
    frame->showIcon = true;
    frame->SetSkinData(&skin.Data());
    const huecast::Size size = frame->WindowSizeFor({599, 419});
    SetWindowPos(form, nullptr, 50, 50, size.cx, size.cy, SWP_NOZORDER);
    ShowWindow(form, SW_SHOW);
    Pump();

    // The reference: a ready window-sized DIB copied to the window's DC in one block copy.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    SelectObject(memory, dib);

    std::printf("Skinned frame of the main window (%d x %d):\n", size.cx, size.cy);
    const double paint = huecast::bench::SideBySide(
        "WM_NCPAINT of the frame", [&] { SendMessageA(form, WM_NCPAINT, 1, 0); }, "BitBlt of a window DIB",
        [&] {
            HDC dc = GetWindowDC(form);
            BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
            ReleaseDC(form, dc);
            GdiFlush();
        },
        15, 40);
    RECT r{};
    GetWindowRect(form, &r);
    const LPARAM caption = MAKELPARAM(r.left + 300, r.top + 10);
    const double hit = huecast::bench::SideBySide(
        "10,000 WM_NCHITTEST",
        [&] {
            for (int i = 0; i < 10000; ++i)
                SendMessageA(form, WM_NCHITTEST, 0, caption);
        },
        "10,000 WM_NULL",
        [&] {
            for (int i = 0; i < 10000; ++i)
                SendMessageA(form, WM_NULL, 0, 0);
        },
        9, 1);
    std::printf("goals: paint at most 3.00 (%s), hit test at most 1.50 (%s)\n", paint <= 3 ? "met" : "MISSED",
                hit <= 1.5 ? "met" : "MISSED");

    frame.reset();
    DestroyWindow(form);
    DeleteDC(memory);
    DeleteObject(dib);
    return 0;
}
