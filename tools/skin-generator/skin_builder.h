// Draws a built-in skin from its art: the six sheets and the skin text. Every built-in skin has the same
// elements, the same frame geometry and the same sheet layout; the art gives the colours and shapes.
#pragma once

#include <string>
#include <vector>

#include "base/bitmap.h"
#include "tools/skin-generator/skin_art.h"

namespace huecast::skingen {

struct GeneratedSkin {
    std::vector<std::string> iniLines;
    // File name and 8-bit palette picture, main.bmp first, then the active pictures in index order.
    std::vector<std::pair<std::string, Bitmap>> pictures;
};

GeneratedSkin BuildSkin(const SkinArt& art);

// The built-in skins in the order the program offers them: Orange first.
std::vector<const SkinArt*> BuiltInSkinArts();

// The folder name of a skin under app/resources: its name in lower case.
std::string SkinFolderName(const SkinArt& art);

}  // namespace huecast::skingen
