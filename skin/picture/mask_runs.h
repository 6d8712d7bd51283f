// Window shapes from mask pictures: black pixels are inside. A mask is scanned into one-pixel-high runs,
// which the Win32 layer turns into a region in bounded chunks (there is no cap on the number of runs: a
// mask of any size is bounded by its picture).
//
//     std::vector<Rect> runs = MaskRuns(mask24);                       // the whole mask
//     std::optional<std::vector<Rect>> shape = ShapeRuns(mask24, d.skinRect, pieces, mapping);
//     // nullopt: no region (mode None, or a control smaller than its corner pieces)
#pragma once

#include <optional>
#include <vector>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/picture/piece_geometry.h"

namespace huecast::skin {

// Runs of black pixels of a 24-bit mask, row by row from the top, left to right, each one pixel high.
std::vector<Rect> MaskRuns(const Bitmap& mask);

// The shape of a control of mapping.size: the mask's `source` rect cut by the piece rule, its black pixels,
// and (for every mode but fixed) the mapped client rect NCL.
std::optional<std::vector<Rect>> ShapeRuns(const Bitmap& mask, Rect source, const SkinPieces& pieces,
                                           const PieceMapping& mapping);

}  // namespace huecast::skin
