// Turns a skin folder (skin.ini and the bitmaps it names) into a compressed skin file and back, so that
// skins can be exchanged as one file.
#pragma once

#include <filesystem>
#include <string>

namespace huecast::skinpack {

// Reads the folder's skin text at `iniPath` and its pictures and writes the compressed skin file. Throws
// skin::SkinError when the text is not a skin or a picture is missing or unreadable.
void Pack(const std::filesystem::path& iniPath, const std::filesystem::path& skinFile);

// Writes the skin text as skin.ini and every picture under the name the text gives it. Names that would
// leave the folder are refused (skin::CheckSkinFileName), and so is a file of another version. Returns the skin.ini path.
std::filesystem::path Unpack(const std::filesystem::path& skinFile, const std::filesystem::path& folder);

// Loads a skin folder or a compressed skin file the way the program does and describes what it holds.
std::string Describe(const std::filesystem::path& path);

}  // namespace huecast::skinpack
