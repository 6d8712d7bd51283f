// Helpers for the tests of skinned controls, shared by every skinned-UI test:
//
//     SkinTestHost host;                               // a top-level window wearing the built-in skin
//     TSkinThing thing({.parent = host.Handle(), .width = 200, .height = 120, .skinDataName = "groupbox",
//                       .skinData = &host.Skin()});
//     Bitmap shown = CapturePrintClient(thing.Handle());       // what the control paints (WM_PRINTCLIENT)
//     Bitmap screen = CaptureScreen(thing.Handle());           // what the screen shows of it
//     Bitmap expected = ExpectedLook(host.Skin(), "groupbox", {200, 120});   // the portable cut
//     EXPECT_EQ(CountDifferentPixels(shown, expected, {captionRect}), 0);     // text areas masked out
//     HoverOver(thing.Handle());  ClickOn(thing.Handle());  MoveAway();      // real pointer input
//
// The test executable must carry the built-in skin in its resources (add skin_win32_test.rc to its
// sources and ${CMAKE_SOURCE_DIR}/app to its include directories).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "gui/window.h"
#include "skin/format/win32/form_skin.h"

namespace huecast::skin::testing {

class SkinTestHost : public gui::Window {
  public:
    // At (x, y) of the screen; with `skinned`, the built-in skin is loaded once the window exists.
    explicit SkinTestHost(int width = 420, int height = 320, bool skinned = true, int x = 30, int y = 30);
    ~SkinTestHost() override;
    TSkinData& Skin() { return skin_.Data(); }
    // Called with every skin notice this window receives, after the walk passed it to its controls.
    std::function<void(SkinNotice)> onNotice;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    FormSkin skin_;
};

// The control's client area as it paints it into a DIB (WM_PRINTCLIENT): 24 bits, top-down.
Bitmap CapturePrintClient(HWND window);
// The control's client area as the screen shows it.
Bitmap CaptureScreen(HWND window);
// The element `name` of `skin` cut to `size` by the portable cutter from `lookRect` (the skin rect when
// empty): what a control of that element must show where it draws no text.
Bitmap ExpectedLook(const TSkinData& skin, const char* name, Size size, Rect lookRect = {});
// Pixels that differ between two bitmaps of the same size, outside the `masked` rects (text areas). A size
// mismatch counts every pixel of the larger one.
int CountDifferentPixels(const Bitmap& a, const Bitmap& b, const std::vector<Rect>& masked = {});
// Pixels of `bitmap` (outside `masked`) that are not `color` (0x00BBGGRR).
int CountPixelsNot(const Bitmap& bitmap, std::uint32_t color, const std::vector<Rect>& masked = {});

// Real pointer input through the system's queue.
void HoverOver(HWND window, std::optional<Point> client = std::nullopt);  // the centre by default
void ClickOn(HWND window, std::optional<Point> client = std::nullopt);
void MoveAway();  // to a corner of the screen no test window covers

// Runs this thread's messages until `done` or `ms` pass; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 3000);
void PumpFor(DWORD ms);

}  // namespace huecast::skin::testing
