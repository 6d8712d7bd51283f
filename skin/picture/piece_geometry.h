// How a skin element's picture follows the size of its control: the resize mode derived from the corner
// points, the fitting of a proposed size to the skin, and the mapping of rectangles given in skin
// coordinates (captions, text areas, check areas) onto the control.
//
// Usage:
//     SkinPieces pieces = PiecesOf(*descriptor);          // a TDataSkinCustomControl
//     PieceMapping m = FitToSkin(pieces, {95, 20});       // m.size is the fitted size (95 × 25 for a
//                                                         // horizontal button 69 × 25 high)
//     Rect caption = MapSkinRect(pieces, m.size, descriptor->textArea);
//
// Every point and the client rect are relative to the skin rect's top-left corner. Nothing here trusts
// the skin: empty or inverted rects, points beyond the skin rect and sizes of 0 give results that the
// picture cutter clips safely; nothing divides or fails.
#pragma once

#include "base/geometry.h"

namespace huecast::skin {

class TDataSkinControl;

enum class ResizeMode {
    None,        // empty skin rect: the size is not fitted and no picture is cut
    Fixed,       // the control takes exactly the skin rect's size
    Free,        // nine pieces, resizes both ways
    Horizontal,  // three pieces side by side; the height stays the skin rect's
    Vertical     // three pieces stacked; the width stays the skin rect's
};

// The cutting points of one element, as its descriptor gives them.
struct SkinPieces {
    Size skinSize;  // SW × SH, the skin rect's size
    Point leftTop, rightTop, leftBottom, rightBottom;
    Rect clientRect;
    ResizeMode mode = ResizeMode::None;
};

// The points and client rect mapped onto a control of one size (the "new" values), in control
// coordinates.
struct PieceMapping {
    Size size;  // the fitted size
    Point leftTop, rightTop, leftBottom, rightBottom;
    Rect clientRect;  // NCL
};

// Empty skin rect → None; RB both non-zero → Free; RT non-zero → Horizontal; LB non-zero → Vertical;
// otherwise Fixed.
ResizeMode ResizeModeOf(Size skinSize, Point rightTop, Point leftBottom, Point rightBottom);
// A descriptor that is not a TDataSkinCustomControl has no corner points: mode None (the plain look).
SkinPieces PiecesOf(const TDataSkinControl& descriptor);
// The whole picture as the skin rect, in free mode (hint and pop-up windows).
SkinPieces WholePicturePieces(Size pictureSize, Point leftTop, Point rightTop, Point leftBottom,
                              Point rightBottom, Rect clientRect);

// Adjusts a proposed size to the skin and maps the points to it. Mode None keeps the proposed size and the
// points as they are.
PieceMapping FitToSkin(const SkinPieces& pieces, Size proposed);

// Moves or widens `r` (skin coordinates) with a control of `controlSize`.
Rect MapSkinRect(const SkinPieces& pieces, Size controlSize, Rect r);

}  // namespace huecast::skin
