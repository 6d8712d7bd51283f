#include "skin/frame/frame_layout.h"

#include <algorithm>

namespace huecast::skin {

namespace {

Point Moved(Point p, int dx, int dy) {
    return {p.x + dx, p.y + dy};
}

}  // namespace

FrameLayout ComputeFrameLayout(const TDataSkinFormInfo& info, Size picture, Size window) {
    FrameLayout l;
    l.dx = window.cx - picture.cx;
    l.dy = window.cy - picture.cy;
    l.leftTop = info.leftTopPoint;
    l.rightTop = Moved(info.rightTopPoint, l.dx, 0);
    l.leftBottom = Moved(info.leftBottomPoint, 0, l.dy);
    l.rightBottom = Moved(info.rightBottomPoint, l.dx, l.dy);

    const Rect& c = info.clientRect;
    l.clientRect = {c.left, c.top, c.right + l.dx, c.bottom + l.dy};
    if (!info.captionRect.IsEmpty()) {
        l.captionRect = info.captionRect;
        l.captionRect.right += l.dx;
    }
    l.buttonsRect = info.buttonsRect;
    // A buttons area in the picture's right half belongs to the right edge and travels with it.
    if (l.buttonsRect.left > picture.cx / 2) l.buttonsRect = l.buttonsRect.Offset(l.dx, 0);

    l.hitTestLeftTop = info.hitTestLeftTopPoint;
    l.hitTestRightTop = Moved(info.hitTestRightTopPoint, l.dx, 0);
    l.hitTestLeftBottom = Moved(info.hitTestLeftBottomPoint, 0, l.dy);
    l.hitTestRightBottom = Moved(info.hitTestRightBottomPoint, l.dx, l.dy);

    const Rect& m = info.maskRectArea;
    l.maskArea = {m.left, m.top, m.right + l.dx, m.bottom + l.dy};
    return l;
}

FrameLayout PlainFrameLayout(Size window, bool toolWindow) {
    const int band = UnskinnedCaptionHeight(toolWindow);
    const FrameMargins m = UnskinnedMargins(toolWindow);
    FrameLayout l;
    l.clientRect = ClientRectOf({0, 0, window.cx, window.cy}, m);
    l.captionRect = {3, 3, window.cx - 3, 3 + band};
    const int corner = band + 3;
    l.leftTop = l.hitTestLeftTop = {corner, corner};
    l.rightTop = l.hitTestRightTop = {window.cx - corner, corner};
    l.leftBottom = l.hitTestLeftBottom = {corner, window.cy - corner};
    l.rightBottom = l.hitTestRightBottom = {window.cx - corner, window.cy - corner};
    l.maskArea = l.clientRect;
    return l;
}

FrameMargins SkinnedMargins(const TDataSkinFormInfo& info, Size picture) {
    const Rect& c = info.clientRect;
    return {c.left, c.top, picture.cx - c.right, picture.cy - c.bottom};
}

int UnskinnedCaptionHeight(bool toolWindow) {
    return toolWindow ? 15 : 19;
}

FrameMargins UnskinnedMargins(bool toolWindow) {
    return {3, UnskinnedCaptionHeight(toolWindow) + 3, 3, 3};
}

Rect ClientRectOf(const Rect& window, const FrameMargins& m) {
    Rect r{window.left + m.left, window.top + m.top, window.right - m.right, window.bottom - m.bottom};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

Size WindowSizeFor(Size client, const FrameMargins& m) {
    return {client.cx + m.left + m.right, client.cy + m.top + m.bottom};
}

Size SkinnedMinimumSize(const TDataSkinFormInfo& info, Size picture, int minWidth, int minHeight,
                        FrameSizeState state) {
    Size s{picture.cx, picture.cy - info.clientRect.Height()};
    if (!state.minimized) s.cx = std::max(s.cx, minWidth);
    if (!state.minimized && !state.rolledUp) s.cy = std::max(s.cy, minHeight);
    return s;
}

Size UnskinnedMinimumSize(bool toolWindow, int minWidth, int minHeight) {
    return {minWidth > 0 ? minWidth : 120, std::max(UnskinnedCaptionHeight(toolWindow) + 6, minHeight)};
}

}  // namespace huecast::skin
