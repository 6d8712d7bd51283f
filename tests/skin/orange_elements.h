// The built-in skins as committed under app/resources, each loaded once for every native test that draws or
// lays out with it, and the elements of "Orange" for the tests of the controls.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "skin/format/skin_data.h"
#include "skin/format/stored_skin.h"

namespace huecast::skin::testing {

inline const std::filesystem::path kBuiltInSkinsFolder = std::filesystem::path(HUECAST_SOURCE_DIR) / "app/resources";
inline const std::filesystem::path kOrangeSkinFolder = kBuiltInSkinsFolder / "orange";

// The built-in skin in app/resources/`folder`, loaded from its skin.ini once per test program.
inline const TSkinData& BuiltInSkinData(const std::string& folder) {
    struct Loaded {
        TStoredSkin stored;
        TSkinData data;
    };
    static std::map<std::string, std::unique_ptr<Loaded>> loaded;
    std::unique_ptr<Loaded>& skin = loaded[folder];
    if (!skin) {
        skin = std::make_unique<Loaded>();
        skin->stored.LoadFromFile(kBuiltInSkinsFolder / folder / "skin.ini");
        skin->data.SetStoredSkin(&skin->stored);
    }
    return skin->data;
}

inline const TSkinData& OrangeSkinData() {
    return BuiltInSkinData("orange");
}

// The element `name` of the built-in skin as class T; throws when it is missing or of another class.
template <class T>
const T& OrangeElement(const std::string& name) {
    const T* element = OrangeSkinData().SkinControlAs<T>(name);
    if (!element) throw std::runtime_error("the built-in skin has no element " + name + " of that class");
    return *element;
}

}  // namespace huecast::skin::testing
