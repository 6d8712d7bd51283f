#include "skin/format/skin_choices.h"

#include <algorithm>
#include <system_error>

#include "base/text.h"

namespace huecast::skin {

std::vector<SkinChoice> BuiltInChoices() {
    return {{SkinChoice::Kind::BuiltIn, "Orange", ""}, {SkinChoice::Kind::BuiltIn, "Basalt", "basalt"}};
}

std::vector<SkinChoice> FindSkinFiles(const std::filesystem::path& skinsFolder) {
    std::vector<SkinChoice> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(skinsFolder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& path = it->path();
        std::error_code statError;
        std::string name;
        try {
            if (it->is_directory(statError) && std::filesystem::is_regular_file(path / "skin.ini", statError))
                found.push_back({SkinChoice::Kind::Folder, path.filename().string(), path});
            else if (it->is_regular_file(statError) && AsciiLowered(path.extension().string()) == kSkinFileExtension)
                found.push_back({SkinChoice::Kind::File, path.stem().string(), path});
        } catch (const std::system_error&) {
            // A name the system code page cannot spell cannot be shown in the menu either.
        }
    }
    std::sort(found.begin(), found.end(), [](const SkinChoice& a, const SkinChoice& b) {
        const std::string la = AsciiLowered(a.name), lb = AsciiLowered(b.name);
        return la != lb ? la < lb : a.name < b.name;
    });
    return found;
}

const SkinChoice* FindChoice(const std::vector<SkinChoice>& choices, std::string_view name) {
    const auto it = std::find_if(choices.begin(), choices.end(), [&](const SkinChoice& c) { return c.name == name; });
    return it == choices.end() ? nullptr : &*it;
}

void LoadSkinChoice(const SkinChoice& choice,
                    const std::function<SkinFileSource(const std::filesystem::path&)>& builtIn, TSkinData& into) {
    try {
        TStoredSkin stored;
        if (choice.kind == SkinChoice::Kind::File) {
            TCompressedStoredSkin compressed;
            compressed.LoadFromSkinFile(choice.path);
            if (compressed.Empty()) throw SkinError("it is not a compressed skin of version 1");
            SkinContent content = compressed.Decompress();
            if (content.version != 1)
                throw SkinError("its content has version " + std::to_string(content.version) + ", not 1");
            stored.iniStrings = std::move(content.iniLines);
            stored.pictures = std::move(content.pictures);
        } else {
            stored.LoadFromSource("skin.ini", choice.kind == SkinChoice::Kind::Folder ? FolderSource(choice.path)
                                                                                       : builtIn(choice.path));
        }
        if (!HasRequiredSections(SkinIni(stored.iniStrings)))
            throw SkinError("it lacks one of the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS");
        into.LoadFromStoredSkin(stored);
    } catch (const SkinError& error) {
        throw SkinRefused(choice.name, error.what());
    }
}

}  // namespace huecast::skin
