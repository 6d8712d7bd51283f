// The skin the user chose, remembered in a settings file of its own beside rtf.ini (whose format other
// programs rely on, so nothing is added to it): "settings.ini", section "Skin", key "name".
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace huecast::skin {

inline constexpr const char* kSettingsFileName = "settings.ini";

// The remembered skin's name; nothing when the file, the key or its value is missing or unreadable.
std::optional<std::string> ReadChosenSkin(const std::filesystem::path& settingsFile);

// Remembers `name`, keeping every other line of the file. The new text is written whole to a file beside
// the old one and then put in its place, so a write cut off at any point leaves the previous setting whole.
// Throws std::runtime_error naming the file when it cannot be written.
void WriteChosenSkin(const std::filesystem::path& settingsFile, const std::string& name);

}  // namespace huecast::skin
