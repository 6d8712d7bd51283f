// The four strips a skinned frame is drawn from (top, bottom, left, right), cut out of the main picture (or
// the mask) for one window size: corner pieces copied, the middle of each edge tiled or stretched. The same
// plan, cut at the mask area instead of the client rect, gives the window's shape from the mask.
//
//     FrameStrips strips = PlanFrameStrips(info, picture, windowSize);      // cut at clientrect
//     Bitmap top(strips.top.size.cx, strips.top.size.cy, 24);
//     DrawStrip(picture24, strips.top, top);                                // at strips.top.at on the window
//
// The skin is untrusted: pieces are clipped to the picture and to their strip, a piece of length 0 is
// skipped, and no value divides by zero.
#pragma once

#include <vector>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/frame/frame_layout.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

enum class PieceFill { Copy, Tile, Stretch };

struct StripPiece {
    Rect source;  // in the picture
    Rect target;  // in the strip; Copy uses its top-left corner, Tile repeats from it
    PieceFill fill = PieceFill::Copy;
    friend bool operator==(const StripPiece&, const StripPiece&) = default;
};

struct StripPlan {
    Size size;                       // the strip's size (0 × 0 when the skin leaves no strip there)
    Point at;                        // where it goes on the window
    std::vector<StripPiece> pieces;  // in drawing order: later pieces cover earlier ones
};

struct FrameStrips {
    StripPlan top, bottom, left, right;
};

// The frame strips, cut at the skin's client rect.
FrameStrips PlanFrameStrips(const TDataSkinFormInfo& info, Size picture, Size window);
// The mask strips, cut at the mask area.
FrameStrips PlanMaskStrips(const TDataSkinFormInfo& info, Size picture, Size window);

// Draws `plan` from `picture` into `to`, a bitmap of the strip's size. Both 24-bit.
void DrawStrip(const Bitmap& picture, const StripPlan& plan, Bitmap& to);

// Scales `source` of `from` into `target` of `to`, nearest pixel (the piece of a stretched edge).
void StretchPiece(const Bitmap& from, Rect source, Bitmap& to, Rect target);

}  // namespace huecast::skin
