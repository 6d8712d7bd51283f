// The skins a user may choose from: the built-in ones first, in the program's order, then those found in the
// folder "skins" beside the program (folders holding skin.ini, and compressed skin files "*.skn") sorted by
// name. Listing reads only names, so a broken skin is listed and refused when it is chosen.
//
//     std::vector<SkinChoice> choices = BuiltInChoices();                      // the program's own
//     std::ranges::move(FindSkinFiles(exeFolder / kSkinsFolderName), std::back_inserter(choices));
//     TSkinData candidate;                                                    // nothing draws from it yet
//     LoadSkinChoice(choices[i], builtInSource, candidate);                   // throws SkinError
//     live.TakeSkinFrom(candidate);                                           // the whole skin at once
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "skin/format/skin_data.h"
#include "skin/format/stored_skin.h"

namespace huecast::skin {

inline constexpr const char* kSkinsFolderName = "skins";
inline constexpr const char* kSkinFileExtension = ".skn";

struct SkinChoice {
    enum class Kind { BuiltIn, Folder, File };
    Kind kind = Kind::BuiltIn;
    std::string name;            // as the menu shows it: a built-in skin's name, a folder's or file's name
    std::filesystem::path path;  // the folder holding skin.ini, or the file; a built-in skin's resource folder
};

// Orange, whose files lie at the top of the resources, then Basalt in "basalt".
std::vector<SkinChoice> BuiltInChoices();

// The skins in `skinsFolder`, sorted by name without regard to ASCII case; nothing when it does not exist.
// A folder without skin.ini and a file of another extension are not skins.
std::vector<SkinChoice> FindSkinFiles(const std::filesystem::path& skinsFolder);

// A chosen skin that cannot be used: its what() is "skin \"NAME\": REASON".
class SkinRefused : public SkinError {
  public:
    SkinRefused(std::string skin, std::string reason)
        : SkinError("skin \"" + skin + "\": " + reason), skin_(std::move(skin)), reason_(std::move(reason)) {}
    const std::string& Skin() const { return skin_; }
    const std::string& Reason() const { return reason_; }

  private:
    std::string skin_, reason_;
};

// The choice named exactly `name`, or nullptr.
const SkinChoice* FindChoice(const std::vector<SkinChoice>& choices, std::string_view name);

// Loads the chosen skin into `into`, a skin data that nothing draws from, so that a skin that fails leaves
// the one in use untouched. `builtIn(folder)` reads the files of a built-in skin. Every failure (a text
// without the required sections, a missing or corrupt picture, a file cut short) throws SkinRefused.
void LoadSkinChoice(const SkinChoice& choice,
                    const std::function<SkinFileSource(const std::filesystem::path&)>& builtIn, TSkinData& into);

}  // namespace huecast::skin
