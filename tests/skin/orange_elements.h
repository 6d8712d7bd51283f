// The built-in skin as committed under app/resources/orange, loaded once for every native test that draws
// or lays out with it, and its elements for the tests of the controls.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "skin/format/skin_data.h"
#include "skin/format/stored_skin.h"

namespace huecast::skin::testing {

inline const std::filesystem::path kOrangeSkinFolder =
    std::filesystem::path(HUECAST_SOURCE_DIR) / "app/resources/orange";

inline const TSkinData& OrangeSkinData() {
    static const TStoredSkin* stored = [] {
        auto* s = new TStoredSkin;
        s->LoadFromFile(kOrangeSkinFolder / "skin.ini");
        return s;
    }();
    static const TSkinData* data = [] {
        auto* d = new TSkinData;
        d->SetStoredSkin(stored);
        return d;
    }();
    return *data;
}

// The element `name` of the built-in skin as class T; throws when it is missing or of another class.
template <class T>
const T& OrangeElement(const std::string& name) {
    const T* element = OrangeSkinData().SkinControlAs<T>(name);
    if (!element) throw std::runtime_error("the built-in skin has no element " + name + " of that class");
    return *element;
}

}  // namespace huecast::skin::testing
