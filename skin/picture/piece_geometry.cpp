#include "skin/picture/piece_geometry.h"

#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

namespace {

bool NonZero(Point p) {
    return p.x != 0 || p.y != 0;
}

// Corner areas of the free mapping. Inside: right and bottom edges excluded. Touching: both included.
bool Inside(const Rect& area, Point p) {
    return p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom;
}
bool Touching(const Rect& area, Point p) {
    return p.x >= area.left && p.x <= area.right && p.y >= area.top && p.y <= area.bottom;
}

Rect MapFree(const SkinPieces& s, int dW, int dH, Rect r) {
    const int sw = s.skinSize.cx, sh = s.skinSize.cy;
    const Rect lta{0, 0, s.leftTop.x, s.leftTop.y};
    const Rect rta{s.rightTop.x, 0, sw, s.rightTop.y};
    const Rect lba{0, s.leftBottom.y, s.leftBottom.x, sh};
    const Rect rba{s.rightBottom.x, s.rightBottom.y, sw, sh};
    const Point tl{r.left, r.top}, br{r.right, r.bottom};
    if (Inside(lta, tl) && Inside(lta, br)) return r;
    if (Inside(rta, tl) && Inside(rta, br)) return r.Offset(dW, 0);
    if (Inside(lba, tl) && Inside(lba, br)) return r.Offset(0, dH);
    if (Inside(rba, tl) && Inside(rba, br)) return r.Offset(dW, dH);
    if (Touching(lta, tl) && Touching(rba, br)) return {r.left, r.top, r.right + dW, r.bottom + dH};
    if (Touching(lta, tl) && Touching(rta, br)) return {r.left, r.top, r.right + dW, r.bottom};
    if (Touching(lba, tl) && Touching(rba, br)) return {r.left, r.top + dH, r.right + dW, r.bottom + dH};
    if (Touching(lta, tl) && Touching(lba, br)) return {r.left, r.top, r.right, r.bottom + dH};
    if (Touching(rta, tl) && Touching(rba, br)) return {r.left + dW, r.top, r.right + dW, r.bottom + dH};
    return r;
}

}  // namespace

ResizeMode ResizeModeOf(Size skinSize, Point rightTop, Point leftBottom, Point rightBottom) {
    if (skinSize.cx < 1 || skinSize.cy < 1) return ResizeMode::None;
    if (rightBottom.x != 0 && rightBottom.y != 0) return ResizeMode::Free;
    if (NonZero(rightTop)) return ResizeMode::Horizontal;
    if (NonZero(leftBottom)) return ResizeMode::Vertical;
    return ResizeMode::Fixed;
}

SkinPieces PiecesOf(const TDataSkinControl& descriptor) {
    SkinPieces p;
    const auto* custom = dynamic_cast<const TDataSkinCustomControl*>(&descriptor);
    if (!custom) return p;
    const TDataSkinCustomControl& d = *custom;
    p.skinSize = {d.skinRect.Width(), d.skinRect.Height()};
    p.leftTop = d.leftTopPoint;
    p.rightTop = d.rightTopPoint;
    p.leftBottom = d.leftBottomPoint;
    p.rightBottom = d.rightBottomPoint;
    p.clientRect = d.clientRect;
    p.mode = ResizeModeOf(p.skinSize, p.rightTop, p.leftBottom, p.rightBottom);
    return p;
}

SkinPieces WholePicturePieces(Size pictureSize, Point leftTop, Point rightTop, Point leftBottom,
                              Point rightBottom, Rect clientRect) {
    SkinPieces p{pictureSize, leftTop, rightTop, leftBottom, rightBottom, clientRect, ResizeMode::Free};
    if (pictureSize.cx < 1 || pictureSize.cy < 1) p.mode = ResizeMode::None;
    return p;
}

PieceMapping FitToSkin(const SkinPieces& s, Size proposed) {
    PieceMapping m{proposed, s.leftTop, s.rightTop, s.leftBottom, s.rightBottom, s.clientRect};
    int dW = proposed.cx - s.skinSize.cx;
    int dH = proposed.cy - s.skinSize.cy;
    switch (s.mode) {
        case ResizeMode::None:
            break;
        case ResizeMode::Fixed:
            m.size = s.skinSize;
            break;
        case ResizeMode::Free:
            m.rightTop.x += dW;
            m.leftBottom.y += dH;
            m.rightBottom = {s.rightBottom.x + dW, s.rightBottom.y + dH};
            m.clientRect.right += dW;
            m.clientRect.bottom += dH;
            break;
        case ResizeMode::Horizontal:
            m.size.cy = s.skinSize.cy;
            m.rightTop.x += dW;
            m.clientRect.right += dW;
            break;
        case ResizeMode::Vertical:
            m.size.cx = s.skinSize.cx;
            m.leftBottom.y += dH;
            m.clientRect.bottom += dH;
            break;
    }
    return m;
}

Rect MapSkinRect(const SkinPieces& s, Size controlSize, Rect r) {
    const int dW = controlSize.cx - s.skinSize.cx;
    const int dH = controlSize.cy - s.skinSize.cy;
    switch (s.mode) {
        case ResizeMode::Free:
            return MapFree(s, dW, dH, r);
        case ResizeMode::Horizontal:
            if (r.left <= s.leftTop.x && r.right >= s.rightTop.x) return {r.left, r.top, r.right + dW, r.bottom};
            if (r.left >= s.rightTop.x && r.right > s.rightTop.x) return r.Offset(dW, 0);
            return r;
        case ResizeMode::Vertical:
            if (r.top <= s.leftTop.y && r.bottom >= s.leftBottom.y) return {r.left, r.top, r.right, r.bottom + dH};
            if (r.top >= s.leftBottom.y && r.bottom > s.leftBottom.y) return r.Offset(0, dH);
            return r;
        case ResizeMode::None:
        case ResizeMode::Fixed:
            return r;
    }
    return r;
}

}  // namespace huecast::skin
