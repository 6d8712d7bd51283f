// Untrusted skin text: parsed into the ini object and read into a skin data object, every descriptor
// included. Malformed values may only end in SkinError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/format/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huecast::skin;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TStoredSkin stored;
    stored.iniStrings = huecast::SplitLines(text);
    TSkinData skinData;
    try {
        skinData.SetStoredSkin(&stored);
        for (const auto& control : skinData.Controls()) {
            skinData.ActivePicture(control->pictureIndex);
            skinData.FindSkinControl(control->Name());
        }
        SkinIni written;
        for (const auto& object : skinData.Objects())
            object->WriteTo(written);
    } catch (const SkinError&) {
    }
    return 0;
}
