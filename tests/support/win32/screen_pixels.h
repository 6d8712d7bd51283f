// What a window shows, read back as pixels (0x00BBGGRR), and counts over them:
//
//     Bitmap shown = CapturePrintClient(control.Handle());   // what the control paints (WM_PRINTCLIENT)
//     Bitmap screen = CaptureScreen(control.Handle());       // what the screen shows of it
//     EXPECT_EQ(CountDifferentPixels(shown, expected, {captionRect}), 0);   // text areas masked out
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/bitmap.h"
#include "base/geometry.h"

namespace huecast::testing {

// The window's client area as it paints it into a DIB (WM_PRINTCLIENT): 24 bits, top-down.
Bitmap CapturePrintClient(HWND window);
// The window's client area as the screen shows it, once what is due has been painted.
Bitmap CaptureScreen(HWND window);
// A rectangle of the screen as it shows now.
Bitmap CaptureScreen(const RECT& screenRect);
// One pixel of the screen.
COLORREF ScreenPixel(POINT at);

// Pixels that differ between two bitmaps of the same size, outside the `masked` rects (text areas). A size
// mismatch counts every pixel of the larger one.
int CountDifferentPixels(const Bitmap& a, const Bitmap& b, const std::vector<Rect>& masked = {});
// Pixels of `bitmap` (outside `masked`) that are not `color`.
int CountPixelsNot(const Bitmap& bitmap, std::uint32_t color, const std::vector<Rect>& masked = {});
// The smallest rect that holds every pixel in which two bitmaps of the same size differ.
Rect DifferenceBox(const Bitmap& a, const Bitmap& b);

}  // namespace huecast::testing
