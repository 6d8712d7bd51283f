// The check and radio box apart from any window: which box image a state shows (with the skin's
// fallbacks), where box, image and text go in the flat and the non-flat look, the built-in check mark, and
// what setting `Checked` and toggling do.
#pragma once

#include <array>

#include "base/geometry.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

enum class CheckImage { HotChecked, HotUnchecked, Checked, Unchecked, DisabledChecked, DisabledUnchecked };

// Hot counts only while enabled; the focus alone never lights the box.
CheckImage ChooseCheckImage(bool checked, bool enabled, bool hot);

// The rect of `image` in the element's picture: a hot or disabled image the skin leaves empty falls back to
// the plain checked or unchecked one.
Rect CheckImageRect(const TDataSkinCheckRadioControl& element, CheckImage image);

// Where a flat box puts its parts in a control of `control` size.
struct FlatCheckLayout {
    Rect box;    // the box image (or the plain 14 × 14 box frame)
    Rect image;  // the image list's image; empty without one
    Rect text;   // the caption, one line, vertically centred
    Rect focus;  // the focus rectangle; empty when there is nothing to surround
};

struct FlatCheckParts {
    Size control{};
    Size box{};      // checkimagerect's size, or 14 × 14 for the plain look
    int textLeft{};  // box width + 7 with an element, 22 for the plain look
    Size text{};     // the caption's measured size (0 × 0 for an empty caption)
    Size image{};    // the image list's image size; 0 × 0 without one
};
FlatCheckLayout LayOutFlatCheck(const FlatCheckParts& parts);

// The skinned flat box: the box image's size for every state, text after it.
FlatCheckParts SkinnedFlatParts(Size control, const TDataSkinCheckRadioControl& element, Size text,
                                Size image);
// The plain flat box: a 14 × 14 box, text at x = 22.
FlatCheckParts PlainFlatParts(Size control, Size text, Size image);

// The non-flat look with an element: the text and check areas follow a control dW wider than the skin
// rect, and the box image is centred in the check area.
struct NonFlatCheckLayout {
    Rect text;
    Rect box;
};
NonFlatCheckLayout LayOutNonFlatCheck(const TDataSkinCheckRadioControl& element, int dW);

// The built-in check mark: three strokes of two segments each, whose top-left anchor is `at`.
using CheckMarkStroke = std::array<Point, 3>;
std::array<CheckMarkStroke, 3> CheckMarkStrokes(Point at);
// The built-in radio mark: a 6 × 6 square.
Rect RadioMark(Size control);
// The anchor of the built-in check mark in a control (the plain box at (3, H div 2 − 7)).
Point PlainCheckMarkAt(Size control);

// What assigning `Checked` or toggling asks of the window.
struct CheckEffects {
    bool repaint = false;
    bool uncheckSiblings = false;  // every checked sibling box with the same GroupIndex
    bool runOnClick = false;
};

class CheckState {
  public:
    CheckState(bool radio, int groupIndex) : radio_(radio), groupIndex_(groupIndex) {}

    bool Checked() const { return checked_; }
    bool Radio() const { return radio_; }
    int GroupIndex() const { return groupIndex_; }
    void SetRadio(bool radio) { radio_ = radio; }
    void SetGroupIndex(int groupIndex) { groupIndex_ = groupIndex; }

    // Every assignment runs OnClick for a check box; a radio box only when it is now checked.
    CheckEffects SetChecked(bool checked);
    // A check box inverts; a radio box is only ever checked by the user.
    CheckEffects Toggle();
    // True when this sibling must be unchecked because `checked` became checked in its group.
    bool UncheckedBy(const CheckState& checked) const {
        return &checked != this && checked_ && groupIndex_ != 0 && groupIndex_ == checked.groupIndex_;
    }

  private:
    bool radio_;
    int groupIndex_;
    bool checked_ = false;
};

}  // namespace huecast::skin
