// The skins built into the program: skin.ini and its bitmaps as resources of type "SKIN", read into a
// TStoredSkin as a skin folder would be. Each resource is named by its path under app/resources upper-cased,
// with every character other than a letter or digit written "_" ("main.bmp" of Orange, whose files lie at
// the top, is MAIN_BMP; "basalt/main.bmp" is BASALT_MAIN_BMP), because a resource script takes only such
// names (see app/resources/orange_skin.rc and basalt_skin.rc).
#pragma once

#include <windows.h>

#include "skin/format/stored_skin.h"

namespace huecast::skin {

inline constexpr const char* kSkinResourceType = "SKIN";

std::string SkinResourceName(const std::string& fileName);

// A SkinFileSource over the module's "SKIN" resources of the skin in `folder` ("" for the top).
SkinFileSource ResourceSource(HMODULE module, const std::string& folder = {});

// Reads the stored skin whose text is the resource `iniName` in `folder`. A missing or malformed resource
// throws SkinError naming it.
TStoredSkin LoadStoredSkinResource(HMODULE module, const std::string& iniName = "skin.ini",
                                   const std::string& folder = {});

}  // namespace huecast::skin
