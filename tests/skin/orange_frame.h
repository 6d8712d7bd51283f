// The built-in skin loaded once for the frame tests, and the main window's size with it: the 599 × 419
// client area inside the skinned frame.
#pragma once

#include <filesystem>
#include <memory>

#include "base/geometry.h"
#include "skin/skin_data.h"
#include "skin/stored_skin.h"

namespace huecast::skin::testing {

inline const TSkinData& OrangeSkinData() {
    static const auto stored = [] {
        auto s = std::make_unique<TStoredSkin>();
        s->LoadFromFile(std::filesystem::path(HUECAST_SOURCE_DIR) / "app/resources/orange/skin.ini");
        return s;
    }();
    static const auto data = [] {
        auto d = std::make_unique<TSkinData>();
        d->SetStoredSkin(stored.get());
        return d;
    }();
    return *data;
}

inline Size OrangePicture() {
    const Bitmap& p = OrangeSkinData().MainPicture();
    return {p.Width(), p.Height()};
}

// 599 + 8 + 9 wide, 419 + 26 + 8 high.
inline constexpr Size kMainWindow{616, 453};

}  // namespace huecast::skin::testing
