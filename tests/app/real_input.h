// Input as a user gives it: keys and mouse through the system's input queue (SendInput, SetCursorPos), so
// they reach whichever window the system routes them to, exactly as a person's would.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>

namespace huecast::testing {

// Presses the keys in order and releases them in reverse ({VK_MENU, VK_F4} is Alt+F4).
void PressKeys(std::initializer_list<WORD> keys);
// Moves the pointer to `at` (screen) and clicks the left button there.
void ClickAt(POINT at);
void RightClickAt(POINT at);
void MoveTo(POINT at);
// The left button alone, at the pointer's place: for holding, dragging and releasing.
void PressLeft();
void ReleaseLeft();
// Turns the wheel by `notches` at the pointer's place (positive: away from the user, as scrolling up).
void Wheel(int notches);
// The centre of a window on the screen.
POINT CentreOf(HWND window);
// A screen point of `window` where it answers WM_NCHITTEST with `hitTest` (HTCLOSE, HTCAPTION...).
std::optional<POINT> FindHitTest(HWND window, LRESULT hitTest);
// A screen point on the close button of `window`'s caption, the system's or a skinned frame's.
std::optional<POINT> FindCloseButton(HWND window);
// Brings a window of another process to the front so that keys reach it; true when it is there.
bool BringToFront(HWND window);

}  // namespace huecast::testing
