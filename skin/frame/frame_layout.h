// The skinned window frame at one window size: where the frame points, the client rect, the caption, the
// buttons area, the resize corners and the mask area lie, computed from the skin's [FORMINFO] values; the
// non-client margins; and the smallest size the frame can be drawn at.
//
// Everything here is in window coordinates (0, 0 = the window's top-left corner). The main picture is
// drawn at its own size plus dx = window width − picture width and dy = window height − picture height:
// whatever lies right of the frame's corners moves by dx, whatever lies below them by dy.
#pragma once

#include "base/geometry.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

struct FrameLayout {
    int dx = 0, dy = 0;
    Point leftTop, rightTop, leftBottom, rightBottom;  // the nine-piece cut, moved with the size
    Rect clientRect;
    Rect captionRect;  // empty when the skin has none
    Rect buttonsRect;  // empty when the skin has none
    Point hitTestLeftTop, hitTestRightTop, hitTestLeftBottom, hitTestRightBottom;
    Rect maskArea;
};

FrameLayout ComputeFrameLayout(const TDataSkinFormInfo& info, Size picture, Size window);

// The plain frame's layout (no skin): a 3-pixel border, the caption band below it as the caption, and
// resize corners as deep as the band.
FrameLayout PlainFrameLayout(Size window, bool toolWindow);

// Widths of the frame around the client area.
struct FrameMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const FrameMargins&, const FrameMargins&) = default;
};

// The skinned frame keeps the parts of the main picture outside its client rect.
FrameMargins SkinnedMargins(const TDataSkinFormInfo& info, Size picture);
// The plain frame: a 3-pixel border and a caption band.
FrameMargins UnskinnedMargins(bool toolWindow);
// Height of the plain caption band: 15 for a tool window, 19 otherwise.
int UnskinnedCaptionHeight(bool toolWindow);

// The client rect of a window rect; right and bottom never end up left of or above left and top.
Rect ClientRectOf(const Rect& window, const FrameMargins& margins);
// The window size that holds a client area of `client`.
Size WindowSizeFor(Size client, const FrameMargins& margins);

// What the smallest size depends on.
struct FrameSizeState {
    bool minimized = false;
    bool rolledUp = false;
};

// The smallest size the user can give the window. Skinned: the main picture's width and its frame height
// (picture height − client rect height), or MinWidth / MinHeight when larger (MinWidth not while
// minimized, MinHeight not while rolled up or minimized). Plain: MinWidth when above 0, else 120, and the
// caption height + 6, or MinHeight when larger.
Size SkinnedMinimumSize(const TDataSkinFormInfo& info, Size picture, int minWidth, int minHeight,
                        FrameSizeState state);
Size UnskinnedMinimumSize(bool toolWindow, int minWidth, int minHeight);

}  // namespace huecast::skin
