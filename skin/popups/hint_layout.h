// Where a hint window goes and how big it is, from the measured text and the skin's hint descriptor.
#pragma once

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

// The hint picture and its descriptor, when the hint draws skinned.
struct HintSkin {
    const TDataSkinHintWindow& look;
    Size picture;  // the whole picture is the skin rect
};

struct HintLayout {
    Size window;
    Rect textArea;  // where the text is centred, in window coordinates
};

// Skinned: the text plus the picture's margins around `clientrect`, never smaller than the picture, with
// `clientrect` grown with the window as a freely resizing control grows it. Plain: the text plus 2 pixels
// on every side.
HintLayout LayOutHint(Size text, const HintSkin* skin);

// The skinned hint's look: the hint picture (24 bits) cut to the size of `target` (24 bits) by the
// nine-piece rule, the whole picture being the skin rect and its client piece tiled.
void ComposeHintPicture(const Bitmap& picture, const TDataSkinHintWindow& look, Bitmap& target);

// Top-left corner of a hint of size `hint` suggested at `suggested` (the corner below the pointer): moved
// left by its width + 2 when it would pass the right edge of `screen`, up by its height + 2 when it would
// pass the bottom, and never pushed past the screen's left or top edge by that move.
Point PlaceHint(Point suggested, Size hint, const Rect& screen);

}  // namespace huecast::skin
