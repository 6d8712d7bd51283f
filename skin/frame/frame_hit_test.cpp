#include "skin/frame/frame_hit_test.h"

#include <algorithm>
#include <cassert>

namespace huecast::skin {

namespace {

bool InAny(std::span<const Rect> rects, Point p) {
    return std::any_of(rects.begin(), rects.end(), [p](const Rect& r) { return r.Contains(p); });
}

// Inside the client rect, on a caption, or on the frame's own picture (where objects live).
HitCode Inner(const FrameHitInput& in) {
    if (in.layout->clientRect.Contains(in.point)) return HitCode::Client;
    if (InAny(in.captionRects, in.point)) return HitCode::Caption;
    return HitCode::Object;
}

bool NearEdge(const FrameHitInput& in) {
    const Rect window{0, 0, in.window.cx, in.window.cy};
    const Point p = in.point;
    const int b = in.borderWidth;
    const Point probes[4] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
    const bool masked = static_cast<bool>(in.insideShape) && !in.layout->maskArea.Contains(p);
    for (const Point& probe : probes) {
        const bool inside = masked ? in.insideShape(probe) : window.Contains(probe);
        if (!inside) return true;
    }
    return false;
}

HitCode EdgeCode(const FrameHitInput& in) {
    const FrameLayout& l = *in.layout;
    const Point p = in.point;
    const Rect& c = l.clientRect;
    if (p.x <= l.hitTestLeftTop.x && p.y <= l.hitTestLeftTop.y) return HitCode::TopLeft;
    if (p.x >= l.hitTestRightTop.x && p.y <= l.hitTestRightTop.y) return HitCode::TopRight;
    if (p.x <= l.hitTestLeftBottom.x && p.y >= l.hitTestLeftBottom.y) return HitCode::BottomLeft;
    if (p.x >= l.hitTestRightBottom.x && p.y >= l.hitTestRightBottom.y) return HitCode::BottomRight;
    if (Rect{l.hitTestLeftTop.x, 0, l.hitTestRightTop.x, c.top}.Contains(p)) return HitCode::Top;
    if (Rect{l.hitTestLeftBottom.x, c.bottom, l.hitTestRightBottom.x, in.window.cy}.Contains(p))
        return HitCode::Bottom;
    if (Rect{0, l.hitTestLeftTop.y, c.left, l.hitTestLeftBottom.y}.Contains(p)) return HitCode::Left;
    if (Rect{c.right, l.hitTestRightTop.y, in.window.cx, l.hitTestRightBottom.y}.Contains(p))
        return HitCode::Right;
    // Near the edge but between the zones (a skin whose points leave gaps): the frame itself.
    return Inner(in);
}

}  // namespace

HitCode FrameHitTest(const FrameHitInput& in) {
    assert(in.layout && "FrameHitTest needs the frame layout of the current size");
    const Point p = in.point;
    if (in.overObject && !InAny(in.captionRects, p) && !in.layout->clientRect.Contains(p) &&
        !in.moveOrSizeInProgress)
        return HitCode::Object;
    if (in.rolledUpOrMinimized) return InAny(in.captionRects, p) ? HitCode::Caption : HitCode::Object;
    if (in.resizable && !in.maximized) return NearEdge(in) ? EdgeCode(in) : Inner(in);
    return Inner(in);
}

}  // namespace huecast::skin
