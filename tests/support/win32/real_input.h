// Input as a user gives it: keys and mouse through the system's input queue (SendInput, SetCursorPos), so
// they reach whichever window the system routes them to, exactly as a person's would. Each call waits a
// moment for a window of another process to take the input; a test whose windows live on its own thread
// pumps its messages afterwards (message_pump.h).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>

#include "base/geometry.h"

namespace huecast::testing {

// Presses the keys in order and releases them in reverse ({VK_MENU, VK_F4} is Alt+F4).
void PressKeys(std::initializer_list<WORD> keys);
// One key down or up alone: for keys held while others are pressed or messages handled.
void PressKey(WORD key);
void ReleaseKey(WORD key);
// Moves the pointer to `at` (screen) and clicks the left button there.
void ClickAt(POINT at);
void RightClickAt(POINT at);
void MoveTo(POINT at);
// The pointer over a point of `window`'s client area (its centre by default), and a click there.
void HoverOver(HWND window, std::optional<Point> client = std::nullopt);
void ClickOn(HWND window, std::optional<Point> client = std::nullopt);
// The pointer to a corner of the screen that no test window covers.
void MoveAway();
// The left button alone, at the pointer's place: for holding, dragging and releasing.
void PressLeft();
void ReleaseLeft();
// Turns the wheel by `notches` at the pointer's place (positive: away from the user, as scrolling up), one
// report per notch, as a wheel's clicks come one by one.
void Wheel(int notches);
// The same turn in a single report, as a fast spin or a free-running wheel gives it.
void FastWheel(int notches);
// Presses the left button at `from` (screen), moves to `to` in steps and releases it there, from another
// thread, while this one runs its windows (and a sizing or moving loop the press starts).
void DragWhilePumping(POINT from, POINT to);
// Where a window stands on the screen, and its centre there.
Rect ScreenRect(HWND window);
POINT CentreOf(HWND window);
// A screen point of `window` where it answers WM_NCHITTEST with `hitTest` (HTCLOSE, HTCAPTION...).
std::optional<POINT> FindHitTest(HWND window, LRESULT hitTest);
// A screen point on the close button of `window`'s caption, the system's or a skinned frame's.
std::optional<POINT> FindCloseButton(HWND window);
// Brings a window to the front so that keys reach it; true when it is there.
bool BringToFront(HWND window);

}  // namespace huecast::testing
