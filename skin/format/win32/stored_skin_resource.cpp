#include "skin/format/win32/stored_skin_resource.h"

#include "base/text.h"

namespace huecast::skin {

std::string SkinResourceName(const std::string& fileName) {
    std::string name = fileName;
    for (char& c : name) {
        c = AsciiUpper(c);
        if (!(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9')) c = '_';
    }
    return name;
}

SkinFileSource ResourceSource(HMODULE module, const std::string& folder) {
    return [module, folder](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
        const std::string path = folder.empty() ? name : folder + "/" + name;
        HRSRC info = FindResourceA(module, SkinResourceName(path).c_str(), kSkinResourceType);
        if (!info) return std::nullopt;
        HGLOBAL handle = LoadResource(module, info);
        const void* bytes = handle ? LockResource(handle) : nullptr;
        if (!bytes) return std::nullopt;
        const auto* first = static_cast<const std::uint8_t*>(bytes);
        return std::vector<std::uint8_t>(first, first + SizeofResource(module, info));
    };
}

TStoredSkin LoadStoredSkinResource(HMODULE module, const std::string& iniName, const std::string& folder) {
    TStoredSkin stored;
    stored.LoadFromSource(iniName, ResourceSource(module, folder));
    return stored;
}

}  // namespace huecast::skin
