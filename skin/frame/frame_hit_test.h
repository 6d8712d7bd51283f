// Which part of a skinned window a point is over: the answer to the system's non-client hit test.
#pragma once

#include <functional>
#include <span>

#include "base/geometry.h"
#include "skin/frame/frame_layout.h"

namespace huecast::skin {

// The system's hit-test values. Object is the value the system does nothing with by itself: the frame
// handles the mouse over its objects on its own.
enum class HitCode {
    Nowhere = 0,
    Client = 1,
    Caption = 2,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
    Object = 19,
};

struct FrameHitInput {
    Point point;  // window coordinates
    Size window;
    const FrameLayout* layout = nullptr;
    std::span<const Rect> captionRects;  // window rects of the visible caption objects
    bool overObject = false;             // an enabled, visible object other than a caption holds the point
    bool moveOrSizeInProgress = false;
    bool rolledUpOrMinimized = false;
    bool resizable = false;  // a sizeable border
    bool maximized = false;
    int borderWidth = 0;
    // With a mask: whether a point lies inside the window's shape. Without: the window rectangle counts.
    std::function<bool(Point)> insideShape;
};

HitCode FrameHitTest(const FrameHitInput& in);

}  // namespace huecast::skin
