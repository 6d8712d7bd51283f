#include "skin/frame/frame_moves.h"

#include <algorithm>

namespace huecast::skin {

namespace {

bool Within(int value, int target, int distance) {
    return target - distance < value && value < target + distance;
}

}  // namespace

Rect SnapToEdges(const Rect& moving, const Rect& reference, int distance) {
    const int w = moving.Width();
    const int h = moving.Height();
    int left = moving.left;
    int top = moving.top;
    if (Within(left, reference.left, distance)) left = reference.left;
    if (Within(top, reference.top, distance)) top = reference.top;
    if (Within(left + w, reference.right, distance)) left = reference.right - w;
    if (Within(top + h, reference.bottom, distance)) top = reference.bottom - h;
    return {left, top, left + w, top + h};
}

Point FindMinimizedSlot(const Rect& area, Size size, std::span<const Point> taken) {
    const Point bottomLeft{area.left, area.bottom - size.cy};
    // A window wider than the area, or one with no height, would scan forever; it parks bottom-left.
    if (size.cx <= 0 || size.cy <= 0) return bottomLeft;
    Point slot = bottomLeft;
    while (slot.y >= area.top) {
        if (std::find(taken.begin(), taken.end(), slot) == taken.end()) return slot;
        slot.x += size.cx;
        if (slot.x + size.cx > area.right) {
            slot.x = area.left;
            slot.y -= size.cy;
        }
    }
    return bottomLeft;
}

}  // namespace huecast::skin
