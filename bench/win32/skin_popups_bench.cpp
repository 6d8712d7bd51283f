// The skinned message box and the skinned system menu against what the system does for the same job,
// side by side in one run: an error box created, shown and closed with OK against the system's message
// box with the same text closed the same way (goal: at most 3x), and opening the system menu against a
// plain pop-up window of the same size that copies a ready picture (goal: at most 3x).
#include <cstdio>
#include <optional>
#include <string>

#include "bench/win32/side_by_side.h"
#include "skin/message_box/win32/message_box.h"
#include "skin/popups/win32/menu.h"
#include "tests/support/win32/skinned_host.h"

namespace {

using namespace huecast;

BOOL CALLBACK CloseBox(HWND window, LPARAM) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window))
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
}

// The plain pop-up: a window that paints by copying a picture made beforehand.
HDC g_picture = nullptr;
LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT r;
        GetClientRect(window, &r);
        BitBlt(dc, 0, 0, r.right, r.bottom, g_picture, 0, 0, SRCCOPY);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* className, WNDPROC proc, DWORD style, DWORD exStyle, int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowExA(exStyle, className, "", style, 100, 100, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main() {
    testing::SkinnedHost host(
        {.x = 100, .y = 100, .width = 600, .height = 400, .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE});
    HWND owner = host.Handle();
    // Clicks OK on the box the moment it shows, the same way for both boxes: a timer started before each
    // box looks for it every few milliseconds.
    host.onMessage = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_TIMER) EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0);
        return std::nullopt;
    };

    skin::TSkinMessage message;
    message.alphaBlend = true;
    message.alphaBlendValue = 230;
    message.skinData = message.ctrlSkinData = &host.Skin();
    message.useSkinFont = false;
    const char* text = "你还没有取名呢，请取一个名字先！";
    std::printf("error box, created, shown and closed with OK:\n");
    SetTimer(owner, 1, USER_TIMER_MINIMUM, nullptr);
    const double boxRatio = bench::SideBySide(
        "TSkinMessage.Execute",
        [&] { message.Execute(owner, text, skin::MsgDlgType::Error, {skin::MsgDlgBtn::OK}); }, "MessageBoxA",
        [&] { MessageBoxA(owner, text, "错误", MB_OK | MB_ICONERROR); }, 5, 1);

    KillTimer(owner, 1);

    skin::TSkinMenu menu(&host.Skin());
    const std::vector<skin::TMenuItem> items = [] {
        std::vector<skin::TMenuItem> v(4);
        v[0].name = "SF_MINITEM", v[0].caption = "最小化(&N)";
        v[1].name = "SF_MAXITEM", v[1].caption = "最大化(&X)";
        v[2].caption = "-";
        v[3].name = "SF_CLOSE", v[3].caption = "关闭(&C)", v[3].shortCut = "Alt+F4";
        return v;
    }();
    menu.Popup(owner, items, {200, 200});
    const Size size = menu.Levels().front()->WindowSize();
    menu.CloseAll();
    // The ready picture: a DIB of the level's size.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    g_picture = CreateCompatibleDC(nullptr);
    SelectObject(g_picture, dib);
    PatBlt(g_picture, 0, 0, size.cx, size.cy, WHITENESS);

    std::printf("\nsystem menu opened (shown and painted) and closed, %d x %d:\n", size.cx, size.cy);
    const double menuRatio = bench::SideBySide(
        "TSkinMenu.Popup",
        [&] {
            menu.Popup(owner, items, {200, 200});
            UpdateWindow(menu.Levels().front()->Handle());
            menu.CloseAll();
        },
        "plain pop-up + ready DIB",
        [&] {
            HWND plain = MakeWindow("HuecastBenchPlain", PlainProc, WS_POPUP,
                                    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, size.cx, size.cy);
            SetWindowPos(plain, HWND_TOPMOST, 200, 200, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
            UpdateWindow(plain);
            DestroyWindow(plain);
        },
        9, 20);
    return boxRatio > 0 && menuRatio > 0 ? 0 : 1;
}
