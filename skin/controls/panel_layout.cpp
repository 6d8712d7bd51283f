#include "skin/controls/panel_layout.h"

namespace huecast::skin {

namespace {

constexpr int kSkinArrowSpace = 12;  // taken from the caption's right for the roll-up arrow
constexpr int kPlainArrowSpace = 10;
constexpr int kArrowWidth = 10;
constexpr int kArrowHeight = 5;
constexpr int kSkinCheckGap = 2;      // between the caption's check image and its text
constexpr int kPlainCheckSpace = 20;  // the plain caption's room for its box
constexpr int kPlainBox = 14;

int Middle(const Rect& r) {
    return r.top + r.Height() / 2;
}

Rect Sized(int left, int top, Size size) {
    return {left, top, left + size.cx, top + size.cy};
}

// Glyph and text side by side at `x`, each vertically centred in `area`.
void PlaceGlyphAndText(CaptionLayout& out, const CaptionParts& p, int x) {
    const Rect& area = out.clip;
    if (p.glyph.cx > 0) {
        out.glyph = Sized(x, Middle(area) - p.glyph.cy / 2, p.glyph);
        x += p.glyph.cx + p.spacing;
    }
    out.text = Sized(x, Middle(area) - p.text.cy / 2, p.text);
}

int CaptionWidth(const CaptionParts& p) {
    return p.text.cx + (p.glyph.cx > 0 ? p.glyph.cx + p.spacing : 0);
}

Rect ArrowBox(const Rect& area, int left) {
    const int top = Middle(area) - kArrowHeight / 2;
    return {left, top, left + kArrowWidth, top + kArrowHeight};
}

}  // namespace

PanelFill ChoosePanelFill(const PanelShape& s) {
    if (s.hasBackgroundPicture) return PanelFill::Background;
    if (s.borderStyle == TSkinBorderStyle::bvNone && !s.captionMode && s.freeResize)
        return PanelFill::ClientTile;
    return PanelFill::Cut;
}

Rect PanelClientRect(const PanelShape& s) {
    const Rect whole{0, 0, s.control.cx, s.control.cy};
    if (s.hasElement) return ChoosePanelFill(s) == PanelFill::Cut ? s.ncl : whole;
    Rect r =
        s.borderStyle == TSkinBorderStyle::bvNone ? whole : Rect{1, 1, whole.right - 1, whole.bottom - 1};
    if (s.captionMode) r.top += s.defaultCaptionHeight;
    return r;
}

CaptionLayout LayOutSkinCaption(const CaptionParts& p) {
    CaptionLayout out;
    out.clip = p.area;
    if (p.rollUpMode) {
        out.clip.right -= kSkinArrowSpace;
        out.arrow = ArrowBox(out.clip, out.clip.right + 1);
    }
    if (p.checkedMode) {
        out.check = Sized(out.clip.left, Middle(out.clip) - p.checkImage.cy / 2, p.checkImage);
        out.clip.left += p.checkImage.cx + kSkinCheckGap;
    }
    const int w = CaptionWidth(p);
    int x = out.clip.left;
    if (p.alignment == Alignment::RightJustify)
        x = out.clip.right - w;
    else if (p.alignment == Alignment::Center)
        x = out.clip.left + out.clip.Width() / 2 - w / 2;
    PlaceGlyphAndText(out, p, x);
    return out;
}

Rect PlainCaptionBar(Size control, TSkinBorderStyle borderStyle, int defaultCaptionHeight) {
    if (borderStyle == TSkinBorderStyle::bvFrame) return {0, 0, control.cx, defaultCaptionHeight};
    return {1, 1, control.cx - 1, defaultCaptionHeight};
}

CaptionLayout LayOutPlainCaption(const CaptionParts& p) {
    CaptionLayout out;
    out.clip = p.area;
    if (p.checkedMode) {
        out.clip.left += kPlainCheckSpace;
        out.check = Sized(5, Middle(out.clip) - kPlainBox / 2, {kPlainBox, kPlainBox});
    }
    if (p.rollUpMode) {
        out.clip.right -= kPlainArrowSpace;
        out.arrow = ArrowBox(out.clip, out.clip.right);
    }
    const int w = CaptionWidth(p);
    int x = out.clip.left + 2;
    if (p.alignment == Alignment::RightJustify)
        x = out.clip.right - w;
    else if (p.alignment == Alignment::Center)
        x = out.clip.left + 2 + out.clip.Width() / 2 - w / 2;
    PlaceGlyphAndText(out, p, x);
    return out;
}

Rect CaptionHitArea(Size control, bool hasElement, const Rect& mappedCaption, int defaultCaptionHeight) {
    if (hasElement) return mappedCaption;
    return {1, 1, control.cx - 1, defaultCaptionHeight};
}

int RolledUpHeight(Size control, bool hasElement, const Rect& ncl, int defaultCaptionHeight) {
    if (!hasElement) return defaultCaptionHeight + 1;
    return control.cy - ncl.bottom + ncl.top;
}

}  // namespace huecast::skin
