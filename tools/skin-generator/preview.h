// A sample window drawn from a loaded skin (frame, caption buttons and a few controls in their looks), so
// the artwork can be judged as it comes together. Pieces are cut by the corner points the way the skinned
// frame and controls cut them: corners copied, edges and centre tiled.
#pragma once

#include "base/bitmap.h"
#include "skin/format/skin_data.h"

namespace huecast::skingen {

// A 24-bit picture of the sample window.
Bitmap DrawPreview(const skin::TSkinData& skinData);

}  // namespace huecast::skingen
