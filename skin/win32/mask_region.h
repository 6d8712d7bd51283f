// A window's shape from the one-pixel-high runs of a mask (skin/mask_runs.h), through the drawing kit.
#pragma once

#include <windows.h>

#include <vector>

#include "base/geometry.h"

namespace huecast::skin {

// Sets the region of `runs` on `window` (nullptr removes any region). True when the window is shaped.
bool ShapeWindow(HWND window, const std::vector<Rect>* runs);

}  // namespace huecast::skin
