// Panels and group boxes apart from any window: how the look is made, where the client area and the
// caption lie, where the caption's check box, glyph, text and roll-up arrow go, with a skin element and
// without one, and the height of a rolled-up panel.
#pragma once

#include "base/geometry.h"
#include "skin/format/skin_values.h"

namespace huecast::skin {

enum class TSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// How a skinned panel composes its look.
enum class PanelFill {
    Background,  // the descriptor's background picture tiled over the whole control
    ClientTile,  // the element's client piece tiled over the whole control, no frame
    Cut          // the control picture cut to size; the client area is NCL
};

struct PanelShape {
    Size control;
    bool hasElement = false;
    bool hasBackgroundPicture = false;  // a panel descriptor whose bgpictureindex names a picture
    bool freeResize = false;            // the element resizes freely
    Rect ncl{};                         // the element's mapped client rect
    TSkinBorderStyle borderStyle = TSkinBorderStyle::bvFrame;
    bool captionMode = false;
    int defaultCaptionHeight = 22;
};

PanelFill ChoosePanelFill(const PanelShape& shape);
// Where the children go.
Rect PanelClientRect(const PanelShape& shape);

// What the caption shows.
struct CaptionParts {
    Rect area{};  // the mapped captionrect (element), or the plain caption bar
    bool checkedMode = false;
    bool rollUpMode = false;
    Size checkImage{};  // checkimagerect's size (element only)
    Alignment alignment = Alignment::LeftJustify;
    Size text{};      // the caption's measured size
    Size glyph{};     // one image of the glyph strip; 0 × 0 without a glyph
    int spacing = 2;  // between glyph and text
};

struct CaptionLayout {
    Rect check;  // the caption's check box; empty without checked mode
    Rect glyph;  // empty without a glyph
    Rect text;   // where the text starts, measured size; drawn clipped to `clip`
    Rect clip;   // the area left for glyph and text
    Rect arrow;  // the roll-up triangle's box; empty without roll-up mode
};

// With a skin element: the caption drawn into the mapped captionrect.
CaptionLayout LayOutSkinCaption(const CaptionParts& parts);

// Without one: the caption bar by border style (see PlainCaptionBar) with the built-in 14 × 14 box.
Rect PlainCaptionBar(Size control, TSkinBorderStyle borderStyle, int defaultCaptionHeight);
CaptionLayout LayOutPlainCaption(const CaptionParts& parts);

// Where a left-button release toggles Checked or RollUpState.
Rect CaptionHitArea(Size control, bool hasElement, const Rect& mappedCaption, int defaultCaptionHeight);

// The height a panel folds to: its caption (and frame) only.
int RolledUpHeight(Size control, bool hasElement, const Rect& ncl, int defaultCaptionHeight);

}  // namespace huecast::skin
