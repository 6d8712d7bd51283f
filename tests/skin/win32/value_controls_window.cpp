#include "tests/skin/win32/value_controls_window.h"

#include <stdexcept>

#include "gui/control.h"

namespace huecast::skin::testing {

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Children's notifications go back to the controls that raised them, as the form does it.
    if (LRESULT result = 0; gui::ReflectToControl(message, wParam, lParam, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* HostClass() {
    static const char* const name = [] {
        WNDCLASSA c{};
        c.lpfnWndProc = HostProc;
        c.hInstance = GetModuleHandleA(nullptr);
        c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        c.lpszClassName = "HuecastValueControlsHost";
        RegisterClassA(&c);
        return c.lpszClassName;
    }();
    return name;
}

void SendMouse(DWORD flags, int data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = static_cast<DWORD>(data);
    SendInput(1, &input, sizeof input);
}

}  // namespace

HostWindow::HostWindow(int width, int height) {
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, HostClass(), "Value controls",
                              WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, width, height, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window_) throw std::runtime_error("cannot create the host window");
    skin_.Load(window_, GetModuleHandleA(nullptr));
    SetForegroundWindow(window_);
    Pump(50);
}

HostWindow::~HostWindow() {
    DestroyWindow(window_);
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

void MoveMouse(HWND window, Point client) {
    POINT p{client.x, client.y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
    // A move through the input queue, so the window under the pointer hears of it.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    SendInput(1, &input, sizeof input);
    Pump(20);
}

void PressLeft() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump(10);
}

void ReleaseLeft() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(20);
}

void Wheel(int notches) {
    SendMouse(MOUSEEVENTF_WHEEL, notches * WHEEL_DELTA);
    Pump(20);
}

Bitmap Capture(HWND window) {
    UpdateWindow(window);
    RECT rc{};
    GetClientRect(window, &rc);
    const int w = rc.right, h = rc.bottom;
    Bitmap out(w, h, 24);
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, source, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    if (w > 0 && h > 0) GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), out.Row(0), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return out;
}

}  // namespace huecast::skin::testing
