// The skin built into the program: skin.ini and its bitmaps as resources of type "SKIN", read into a
// TStoredSkin as a skin folder would be. Each resource is named by its file name upper-cased, with every
// character other than a letter or digit written "_" ("main.bmp" is MAIN_BMP), because a resource script
// takes only such names (see app/resources/orange_skin.rc).
#pragma once

#include <windows.h>

#include "skin/format/stored_skin.h"

namespace huecast::skin {

inline constexpr const char* kSkinResourceType = "SKIN";

std::string SkinResourceName(const std::string& fileName);

// A SkinFileSource over the module's "SKIN" resources.
SkinFileSource ResourceSource(HMODULE module);

// Reads the stored skin whose text is the resource `iniName`. A missing or malformed resource throws
// SkinError naming it.
TStoredSkin LoadStoredSkinResource(HMODULE module, const std::string& iniName = "skin.ini");

}  // namespace huecast::skin
