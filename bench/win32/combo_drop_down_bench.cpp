// Opening and closing the skinned combo box's 8-row drop-down (placing the pop-up, sizing the list, the
// capture, painting the frame, the rows and the bar) against showing and hiding a plain pop-up holding a
// system list box of the same size with the same items, painted likewise, side by side.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/win32/side_by_side.h"
#include "skin/lists/win32/combo_box.h"
#include "tests/support/win32/skinned_host.h"

namespace {

using namespace huecast;

// Paints a window and its children now, as the screen would show them.
void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

}  // namespace

int main() {
    testing::SkinnedHost host(
        {.x = 20, .y = 20, .width = 300, .height = 300, .style = WS_POPUP | WS_VISIBLE});
    skin::TSkinComboBox combo(
        {.parent = host.Handle(), .id = 1, .x = 10, .y = 10, .width = 129, .skinData = &host.Skin()});
    // The plain counterpart: a system list box in a caption-less pop-up of the same size.
    HWND popup =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "STATIC", "",
                        WS_POPUP | WS_BORDER, 0, 0, 10, 10, host.Handle(), nullptr, nullptr, nullptr);
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                0, 0, 10, 10, popup, nullptr, nullptr, nullptr);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, 20);
    for (int i = 0; i < 26; ++i) {
        const std::string item = "item " + std::to_string(i);
        combo.Add(item);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SetFocus(combo.Handle());

    // Measured once open, so the plain list gets exactly the size of the skinned one.
    combo.DropDown();
    PaintNow(combo.Popup().Handle());
    RECT size{};
    GetWindowRect(combo.Popup().Handle(), &size);
    combo.CloseUp(false);
    const int width = size.right - size.left, height = size.bottom - size.top;
    SetWindowPos(popup, HWND_TOPMOST, size.left, size.top, width, height, SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(popup, &client);
    MoveWindow(list, 0, 0, client.right, client.bottom, FALSE);

    std::printf("Opening and closing an 8-row drop-down of 26 items, %d x %d\n", width, height);
    const double ratio = bench::SideBySide(
        "skinned combo drop-down",
        [&] {
            SendMessageA(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
            PaintNow(combo.Popup().Handle());
            SendMessageA(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        },
        "system list box pop-up",
        [&] {
            SetWindowPos(popup, HWND_TOPMOST, size.left, size.top, width, height,
                         SWP_NOACTIVATE | SWP_SHOWWINDOW);
            SetCapture(popup);
            PaintNow(popup);
            ReleaseCapture();
            ShowWindow(popup, SW_HIDE);
        },
        15, 20);
    std::printf("goal: at most 3.0 -> %s\n", ratio <= 3.0 ? "met" : "MISSED");
    DestroyWindow(popup);
    return 0;
}
