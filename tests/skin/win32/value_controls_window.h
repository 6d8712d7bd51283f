// A host window wearing the built-in skin for the skinned value controls' tests, with real input: the
// pointer moved and pressed through the system's input queue, and the screen read back as pixels.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/win32/form_skin.h"

namespace huecast::skin::testing {

class HostWindow {
  public:
    HostWindow(int width = 640, int height = 480);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return window_; }
    TSkinData& Skin() { return skin_.Data(); }

  private:
    HWND window_ = nullptr;
    FormSkin skin_;
};

// Handles messages for `ms` milliseconds.
void Pump(int ms);
// Handles messages until `done` holds or `ms` pass; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, int ms);

// Real input at a point of a window's client area.
void MoveMouse(HWND window, Point client);
void PressLeft();
void ReleaseLeft();
void Wheel(int notches);  // positive: away from the user

// What the screen shows of a window's client area (24 bits, top-down).
Bitmap Capture(HWND window);

}  // namespace huecast::skin::testing
