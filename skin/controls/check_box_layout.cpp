#include "skin/controls/check_box_layout.h"

#include <algorithm>

namespace huecast::skin {

namespace {

constexpr int kBoxLeft = 3;
constexpr int kPlainBox = 14;
constexpr int kPlainTextLeft = 22;
constexpr int kImageGap = 5;  // between the image list's image and the text

Size SizeOf(const Rect& r) {
    return {r.Width(), r.Height()};
}

Rect Sized(int left, int top, Size size) {
    return {left, top, left + size.cx, top + size.cy};
}

Rect OrElse(const Rect& r, const Rect& fallback) {
    return r.IsEmpty() ? fallback : r;
}

}  // namespace

CheckImage ChooseCheckImage(bool checked, bool enabled, bool hot) {
    if (!enabled) return checked ? CheckImage::DisabledChecked : CheckImage::DisabledUnchecked;
    if (hot) return checked ? CheckImage::HotChecked : CheckImage::HotUnchecked;
    return checked ? CheckImage::Checked : CheckImage::Unchecked;
}

Rect CheckImageRect(const TDataSkinCheckRadioControl& e, CheckImage image) {
    switch (image) {
        case CheckImage::HotChecked:
            return OrElse(e.activeCheckImageRect, e.checkImageRect);
        case CheckImage::HotUnchecked:
            return OrElse(e.activeUnCheckImageRect, e.unCheckImageRect);
        case CheckImage::Checked:
            return e.checkImageRect;
        case CheckImage::Unchecked:
            return e.unCheckImageRect;
        case CheckImage::DisabledChecked:
            return OrElse(e.unEnabledCheckImageRect, e.checkImageRect);
        case CheckImage::DisabledUnchecked:
            return OrElse(e.unEnabledUnCheckImageRect, e.unCheckImageRect);
    }
    return e.unCheckImageRect;
}

FlatCheckLayout LayOutFlatCheck(const FlatCheckParts& p) {
    const int h = p.control.cy;
    FlatCheckLayout out;
    out.box = Sized(kBoxLeft, h / 2 - p.box.cy / 2, p.box);
    out.text = Sized(p.textLeft, h / 2 - p.text.cy / 2, p.text);
    const bool hasImage = p.image.cx > 0 && p.image.cy > 0;
    if (hasImage) {
        out.image = Sized(out.text.left, h / 2 - p.image.cy / 2, p.image);
        out.text = out.text.Offset(p.image.cx + kImageGap, 0);
    }
    out.text.right = std::min(out.text.right, p.control.cx - 2);
    if (p.text.cx > 0)
        out.focus = {out.text.left - 2, out.text.top - 1, out.text.right + 3, out.text.bottom + 1};
    else if (hasImage)
        out.focus = {out.image.left - 2, out.image.top - 1, out.image.right + 3, out.image.bottom + 1};
    return out;
}

FlatCheckParts SkinnedFlatParts(Size control, const TDataSkinCheckRadioControl& element, Size text,
                                Size image) {
    const Size box = SizeOf(element.checkImageRect);
    return {control, box, box.cx + kBoxLeft + 4, text, image};
}

FlatCheckParts PlainFlatParts(Size control, Size text, Size image) {
    return {control, {kPlainBox, kPlainBox}, kPlainTextLeft, text, image};
}

NonFlatCheckLayout LayOutNonFlatCheck(const TDataSkinCheckRadioControl& e, int dW) {
    NonFlatCheckLayout out;
    out.text = e.textArea;
    out.text.right += dW;
    Rect area = e.checkImageArea;
    // A check area right of the text follows the control's right edge.
    if (e.textArea.right < e.checkImageArea.right) area = area.Offset(dW, 0);
    const Size box = SizeOf(e.checkImageRect);
    out.box = Sized(area.left + (area.Width() - box.cx) / 2, area.top + (area.Height() - box.cy) / 2, box);
    return out;
}

std::array<CheckMarkStroke, 3> CheckMarkStrokes(Point at) {
    std::array<CheckMarkStroke, 3> strokes;
    for (int i = 0; i < 3; ++i)
        strokes[static_cast<std::size_t>(i)] = {Point{at.x, at.y + 5 - i}, Point{at.x + 2, at.y + 7 - i},
                                                Point{at.x + 7, at.y + 2 - i}};
    return strokes;
}

Rect RadioMark(Size control) {
    return Sized(7, control.cy / 2 - 3, {6, 6});
}

Point PlainCheckMarkAt(Size control) {
    return {7, control.cy / 2 - 4};
}

CheckEffects CheckState::SetChecked(bool checked) {
    checked_ = checked;
    return {
        .repaint = true, .uncheckSiblings = checked && groupIndex_ != 0, .runOnClick = !radio_ || checked};
}

CheckEffects CheckState::Toggle() {
    if (!radio_) return SetChecked(!checked_);
    if (checked_) return {};
    return SetChecked(true);
}

}  // namespace huecast::skin
