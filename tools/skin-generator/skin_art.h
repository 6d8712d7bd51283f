// The art of one built-in skin: its name, its colours by what they paint, and the few shapes in which the
// skins differ. skin_builder.cpp draws every skin from one of these, so the skins share all drawing code
// and each differs only in what this holds (orange_art.cpp, basalt_art.cpp).
#pragma once

#include <string>

#include "skin/format/skin_values.h"
#include "tools/skin-generator/canvas.h"

namespace huecast::skingen {

// The caption band, top to bottom: an outline row, a shine row, an upper and a lower gradient, and the row
// where the band meets the frame's sides.
struct CaptionBandArt {
    Color outline, shine, upperTop, upperBottom, lowerTop, lowerBottom, bottom;
};

// One side of the frame from the outer edge inwards: the outline, a shine, a gradient across the middle,
// and the two rows next to the client area.
struct BorderArt {
    Color outline, shine, middleOuter, middleInner, innerShade, inner;
    Color captionLeftLight;  // blended into the caption's second column from the left
    Color captionRule;       // the line where the caption band meets the client area
};

enum class CaptionButtonShape {
    Square,  // a box with one-pixel rounded corners
    Round,   // a disc
};

struct CaptionButtonArt {
    CaptionButtonShape shape = CaptionButtonShape::Square;
    BoxStyle hot, hotClose, down, downClose;
    Color glyph, glyphShadow, hotGlyph, hotCloseGlyph, downGlyph;
    Color ring;  // Round only: the outline of the plain look; drawn when it differs from the band
};

struct SkinArt {
    std::string name;      // [VERSION] skinname and, lower-cased, the folder under app/resources
    std::string comments;  // [VERSION] skincomments

    // Surfaces.
    Color client, panelBody, field, fieldHotBackground;
    // Text: on surfaces, hot, disabled, on a selection (strong and strongest), headings of groups.
    Color text, textHot, textDisabled, textStrong, textStrongest, heading, tabHotText, accentText;
    // Highlights and edges: the first row inside a box, borders of panels, grooves, the accent.
    Color highlight, edge, groove, accent, marker;

    // Push faces (buttons, scroll buttons, thumbs), their text and glyphs.
    BoxStyle faceNormal, faceHot, faceDown, faceDisabled;
    Color faceText, faceTextDown, faceTextDisabled;
    Color faceGlyph, faceGlyphShadow, faceGlyphDown, faceGlyphDisabled;
    // Fields (edits, lists), selections, caption strips.
    BoxStyle fieldNormal, fieldHot, fieldDisabled, selection, selectionFocus, strip;
    Color stripRule, checkMark, radioDot;
    BoxStyle checkHot;  // the hot look of a check box's row

    // Bars: menu bar, tool bars, tool buttons; the grid's fixed cells.
    Color barTop, barBottom, barRule, panelBarTop;
    BoxStyle statusPanel;
    // Menus and the hint.
    Color popupOutline, popupInner, menuBandLeft, menuBandRight, menuBandEdge, dividerDark, dividerLight;
    Color menuScrollMarker, menuScrollMarkerActive;
    BoxStyle hint;
    // Value controls.
    Color progressTop, progressBottom, progressStripe, progressShine;
    BoxStyle grooveStyle;
    Color scrollTrack, scrollTrackEdge, sizeGrip, thumbGrip, thumbGripDown;
    // Containers.
    Color gridLines, tabActiveShine, controlBarBottom, controlBarDots, splitterLight, splitterDark,
        smallButtonBack;
    BoxStyle tab, tabHot, controlBarItem;

    // The frame, its caption and caption buttons.
    CaptionBandArt captionBand;
    BorderArt border;
    CaptionButtonArt captionButtons;
    Color captionText, captionTextInactive, captionShadow, captionShadowInactive;
    skin::Alignment captionAlignment = skin::Alignment::LeftJustify;

    // How a push button moves between its looks.
    skin::MorphKind buttonMorph = skin::MorphKind::Push;
};

const SkinArt& OrangeArt();
const SkinArt& BasaltArt();

}  // namespace huecast::skingen
