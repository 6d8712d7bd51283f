// The built-in skin's elements for tests of the controls: loaded once from app/resources/orange.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "skin/skin_data.h"
#include "skin/stored_skin.h"

namespace huecast::skin::testing {

inline const TSkinData& OrangeSkinData() {
    static const TStoredSkin* stored = [] {
        auto* s = new TStoredSkin;
        s->LoadFromFile(std::filesystem::path(HUECAST_SOURCE_DIR) / "app/resources/orange/skin.ini");
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
