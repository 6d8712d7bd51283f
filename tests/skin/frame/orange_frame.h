// The built-in skin loaded once for the frame tests, and the main window's size with it: the 599 × 419
// client area inside the skinned frame.
#pragma once

#include "base/geometry.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"

namespace huecast::skin::testing {

inline Size OrangePicture() {
    const Bitmap& p = OrangeSkinData().MainPicture();
    return {p.Width(), p.Height()};
}

// 599 + 8 + 9 wide, 419 + 26 + 8 high.
inline constexpr Size kMainWindow{616, 453};

}  // namespace huecast::skin::testing
