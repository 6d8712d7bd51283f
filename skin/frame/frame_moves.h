// Where a skinned window goes when the user drags it near the work area's edges, and where a minimized
// window that is not the application's main form parks.
#pragma once

#include <span>

#include "base/geometry.h"

namespace huecast::skin {

// The moving rectangle after snapping to `reference` (the work area, or an MDI child's parent client area):
// a left or top edge within `distance` of the reference's, or a right or bottom edge within `distance` of
// its opposite edge, jumps onto it. Comparisons are strict: at exactly `distance` nothing snaps.
Rect SnapToEdges(const Rect& moving, const Rect& reference, int distance);

// The top-left corner for a minimized window of `size` in `area`: the first slot along the bottom row,
// from the left, that no other minimized window (`taken`, their top-left corners) occupies; past the right
// edge the next row up; above the area's top, the bottom-left slot.
Point FindMinimizedSlot(const Rect& area, Size size, std::span<const Point> taken);

}  // namespace huecast::skin
