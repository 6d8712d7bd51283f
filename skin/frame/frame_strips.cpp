#include "skin/frame/frame_strips.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "skin/picture/picture_cut.h"

namespace huecast::skin {

namespace {

Rect Bounds(Size s) {
    return {0, 0, s.cx, s.cy};
}

Rect Bounds(const Bitmap& b) {
    return {0, 0, b.Width(), b.Height()};
}

struct Cut {
    Point leftTop, rightTop, leftBottom, rightBottom;
    Rect inner;  // the client rect, or the mask area
    bool leftStretch, rightStretch, topStretch, bottomStretch;
};

// One horizontal strip: rows [top, bottom) of the picture, corners [0, leftX) and [rightX, picture width),
// the middle [leftX, rightX) tiled over the whole strip first, or stretched to [leftX, rightX + dx).
StripPlan HorizontalStrip(Size picture, int top, int bottom, int leftX, int rightX, int dx, bool stretch,
                          int windowWidth) {
    StripPlan plan;
    plan.size = {std::max(windowWidth, 0), std::max(bottom - top, 0)};
    if (plan.size.cx == 0 || plan.size.cy == 0) return plan;
    const int h = plan.size.cy;
    const Rect middle{leftX, top, rightX, bottom};
    if (!middle.IsEmpty()) {
        if (stretch)
            plan.pieces.push_back({middle, {leftX, 0, rightX + dx, h}, PieceFill::Stretch});
        else
            plan.pieces.push_back({middle, {0, 0, plan.size.cx, h}, PieceFill::Tile});
    }
    plan.pieces.push_back({{0, top, leftX, bottom}, {0, 0, leftX, h}, PieceFill::Copy});
    plan.pieces.push_back(
        {{rightX, top, picture.cx, bottom}, {rightX + dx, 0, picture.cx + dx, h}, PieceFill::Copy});
    return plan;
}

// One vertical strip: columns [left, right), top piece rows [top, topY) at the strip's top, bottom piece
// rows [bottomY, bottom) at its bottom, the middle rows [topY, bottomY) tiled or stretched.
StripPlan VerticalStrip(int left, int right, int top, int bottom, int topY, int bottomY, int dy, bool stretch,
                        int height) {
    StripPlan plan;
    plan.size = {std::max(right - left, 0), std::max(height, 0)};
    if (plan.size.cx == 0 || plan.size.cy == 0) return plan;
    const int w = plan.size.cx;
    const Rect middle{left, topY, right, bottomY};
    if (!middle.IsEmpty()) {
        if (stretch)
            plan.pieces.push_back({middle, {0, topY - top, w, bottomY + dy - top}, PieceFill::Stretch});
        else
            plan.pieces.push_back({middle, {0, 0, w, plan.size.cy}, PieceFill::Tile});
    }
    plan.pieces.push_back({{left, top, right, topY}, {0, 0, w, topY - top}, PieceFill::Copy});
    const int bottomHeight = bottom - bottomY;
    plan.pieces.push_back(
        {{left, bottomY, right, bottom}, {0, plan.size.cy - bottomHeight, w, plan.size.cy}, PieceFill::Copy});
    return plan;
}

FrameStrips Plan(const Cut& c, Size picture, Size window) {
    const int dx = window.cx - picture.cx;
    const int dy = window.cy - picture.cy;
    // The cut lies in the picture whatever the skin says.
    const Rect k = c.inner.Intersect(Bounds(picture));
    FrameStrips s;
    s.top = HorizontalStrip(picture, 0, k.top, c.leftTop.x, c.rightTop.x, dx, c.topStretch, window.cx);
    s.top.at = {0, 0};
    s.bottom = HorizontalStrip(picture, k.bottom, picture.cy, c.leftBottom.x, c.rightBottom.x, dx,
                               c.bottomStretch, window.cx);
    s.bottom.at = {0, window.cy - s.bottom.size.cy};
    const int sideHeight = k.bottom + dy - k.top;
    s.left =
        VerticalStrip(0, k.left, k.top, k.bottom, c.leftTop.y, c.leftBottom.y, dy, c.leftStretch, sideHeight);
    s.left.at = {0, k.top};
    s.right = VerticalStrip(k.right, picture.cx, k.top, k.bottom, c.rightTop.y, c.rightBottom.y, dy,
                            c.rightStretch, sideHeight);
    s.right.at = {window.cx - s.right.size.cx, k.top};
    return s;
}

Cut CutOf(const TDataSkinFormInfo& f, const Rect& inner) {
    return {f.leftTopPoint, f.rightTopPoint, f.leftBottomPoint, f.rightBottomPoint, inner,
            f.leftStretch,  f.rightStretch,  f.topStretch,      f.bottomStretch};
}

}  // namespace

FrameStrips PlanFrameStrips(const TDataSkinFormInfo& info, Size picture, Size window) {
    return Plan(CutOf(info, info.clientRect), picture, window);
}

FrameStrips PlanMaskStrips(const TDataSkinFormInfo& info, Size picture, Size window) {
    FrameStrips s = Plan(CutOf(info, info.maskRectArea), picture, window);
    // The mask's bottom and right strips sit at the mask area's moved edges.
    const Rect area = ComputeFrameLayout(info, picture, window).maskArea;
    s.bottom.at = {0, area.bottom};
    s.right.at = {area.right, s.right.at.y};
    return s;
}

void StretchPiece(const Bitmap& from, Rect source, Bitmap& to, Rect target) {
    if (from.BitsPerPixel() != 24 || to.BitsPerPixel() != 24)
        throw std::invalid_argument("StretchPiece: source and target must be 24-bit bitmaps");
    source = source.Intersect(Bounds(from));
    const Rect t = target.Intersect(Bounds(to));
    if (source.IsEmpty() || t.IsEmpty()) return;
    const long long sw = source.Width(), sh = source.Height();
    const long long tw = target.Width(), th = target.Height();
    for (int y = t.top; y < t.bottom; ++y) {
        const std::uint8_t* src = from.Row(source.top + static_cast<int>((y - target.top) * sh / th));
        std::uint8_t* dst = to.Row(y);
        for (int x = t.left; x < t.right; ++x) {
            const int sx = source.left + static_cast<int>((x - target.left) * sw / tw);
            std::memcpy(dst + 3 * static_cast<std::size_t>(x), src + 3 * static_cast<std::size_t>(sx), 3);
        }
    }
}

void DrawStrip(const Bitmap& picture, const StripPlan& plan, Bitmap& to) {
    for (const StripPiece& p : plan.pieces) {
        switch (p.fill) {
            case PieceFill::Copy:
                CopyPiece(picture, p.source, to, {p.target.left, p.target.top});
                break;
            case PieceFill::Tile:
                TilePiece(picture, p.source, to, p.target);
                break;
            case PieceFill::Stretch:
                StretchPiece(picture, p.source, to, p.target);
                break;
        }
    }
}

}  // namespace huecast::skin
