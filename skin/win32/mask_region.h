// A window region from the one-pixel-high runs of a mask (skin/mask_runs.h).
#pragma once

#include <windows.h>

#include <vector>

#include "base/geometry.h"
#include "gui/handles.h"

namespace huecast::skin {

// The union of `runs`, built in chunks so that no single call takes an unbounded record.
gui::GdiPtr<HRGN> RegionFromRuns(const std::vector<Rect>& runs);

// Sets the region of `runs` on `window` (nullptr runs remove any region). True when the window is shaped.
bool ShapeWindow(HWND window, const std::vector<Rect>* runs);

}  // namespace huecast::skin
