#include "tests/support/win32/real_input.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/win32/message_pump.h"

namespace huecast::testing {

namespace {

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(50);  // the target handles input in its own time
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT Mouse(DWORD flags, DWORD data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    return input;
}

LRESULT HitTestAt(HWND window, int x, int y) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 2000, &answer);
    return static_cast<LRESULT>(answer);
}

POINT ScreenPoint(HWND window, std::optional<Point> client) {
    RECT r{};
    GetClientRect(window, &r);
    POINT p = client ? POINT{client->x, client->y} : POINT{r.right / 2, r.bottom / 2};
    ClientToScreen(window, &p);
    return p;
}

}  // namespace

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(Key(key, false));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        inputs.push_back(Key(*it, true));
    Send(std::move(inputs));
}

void PressKey(WORD key) {
    Send({Key(key, false)});
}

void ReleaseKey(WORD key) {
    Send({Key(key, true)});
}

void MoveTo(POINT at) {
    SetCursorPos(at.x, at.y);
    Send({Mouse(MOUSEEVENTF_MOVE)});  // a move of 0: the pointer's new place is news
}

void ClickAt(POINT at) {
    MoveTo(at);
    Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

void RightClickAt(POINT at) {
    MoveTo(at);
    Send({Mouse(MOUSEEVENTF_RIGHTDOWN), Mouse(MOUSEEVENTF_RIGHTUP)});
}

void HoverOver(HWND window, std::optional<Point> client) {
    MoveTo(ScreenPoint(window, client));
}

void ClickOn(HWND window, std::optional<Point> client) {
    ClickAt(ScreenPoint(window, client));
}

void MoveAway() {
    MoveTo({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

void PressLeft() {
    Send({Mouse(MOUSEEVENTF_LEFTDOWN)});
}

void ReleaseLeft() {
    Send({Mouse(MOUSEEVENTF_LEFTUP)});
}

void Wheel(int notches) {
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i)
        FastWheel(notches < 0 ? -1 : 1);
}

void FastWheel(int notches) {
    Send({Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(notches * WHEEL_DELTA))});
}

void DragWhilePumping(POINT from, POINT to) {
    SetCursorPos(from.x, from.y);
    PumpFor(150);
    std::atomic<bool> done{false};
    std::thread user([&] {
        PressLeft();
        Sleep(100);
        for (int step = 1; step <= 5; ++step) {
            MoveTo({from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
            Sleep(10);
        }
        ReleaseLeft();
        Sleep(50);
        done = true;
    });
    while (!done)
        PumpFor(20);
    user.join();
    PumpFor(200);
}

Rect ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

POINT CentreOf(HWND window) {
    const Rect r = ScreenRect(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::optional<POINT> FindHitTest(HWND window, LRESULT hitTest) {
    RECT r{};
    GetWindowRect(window, &r);
    // Caption buttons lie in the top 40 pixels of a frame, the close button within 100 of its right edge.
    for (int y = r.top + 1; y < std::min(r.bottom, r.top + 40); y += 3)
        for (int x = r.right - 2; x > std::max(r.left, r.right - 100); x -= 2) {
            if (HitTestAt(window, x, y) == hitTest) return POINT{x, y};
        }
    return std::nullopt;
}

std::optional<POINT> FindCloseButton(HWND window) {
    if (auto close = FindHitTest(window, HTCLOSE)) return close;
    // A skinned frame answers HTOBJECT for its caption buttons and for the frame around them alike: the
    // close button is the object that begins where the caption ends, in a row that crosses the caption.
    RECT r{};
    GetWindowRect(window, &r);
    for (int y = r.top + 1; y < std::min(r.bottom, r.top + 40); y += 2) {
        int x = r.left;
        while (x < r.right && HitTestAt(window, x, y) != HTCAPTION)
            ++x;
        while (x < r.right && HitTestAt(window, x, y) == HTCAPTION)
            ++x;
        if (x >= r.right || HitTestAt(window, x, y) != HTOBJECT) continue;
        int end = x;
        while (end < r.right && HitTestAt(window, end, y) == HTOBJECT)
            ++end;
        // The run holds the button and the frame's edge beyond it: a third of the way lies in the button.
        return POINT{x + (end - x) / 3, y};
    }
    return std::nullopt;
}

bool BringToFront(HWND window) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        Sleep(20);
    }
    return GetForegroundWindow() == window;
}

}  // namespace huecast::testing
