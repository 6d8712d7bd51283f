// Builds the built-in skin "Orange": its six sheets and its skin text.
#pragma once

#include <string>
#include <vector>

#include "base/bitmap.h"

namespace huecast::skingen {

struct GeneratedSkin {
    std::vector<std::string> iniLines;
    // File name and 8-bit palette picture, main.bmp first, then the active pictures in index order.
    std::vector<std::pair<std::string, Bitmap>> pictures;
};

GeneratedSkin BuildOrangeSkin();

}  // namespace huecast::skingen
