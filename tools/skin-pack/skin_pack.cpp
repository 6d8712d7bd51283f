#include "tools/skin-pack/skin_pack.h"

#include "skin/format/bmp.h"
#include "skin/format/skin_data.h"
#include "skin/format/skin_ini.h"
#include "skin/format/stored_skin.h"

namespace huecast::skinpack {

using namespace skin;

namespace {

void WritePicture(const std::filesystem::path& folder, const Bitmap& bitmap, const std::string& name,
                  const std::string& key) {
    if (bitmap.Empty()) {
        if (!name.empty())
            throw SkinError("[PICTURES] " + key + ": \"" + name + "\" has no picture in the file");
        return;
    }
    CheckSkinFileName(name, "[PICTURES] " + key);
    const std::filesystem::path path = SkinFilePath(folder, name);
    std::filesystem::create_directories(path.parent_path());
    WriteWholeFile(path, WriteBmp(bitmap));
}

}  // namespace

void Pack(const std::filesystem::path& iniPath, const std::filesystem::path& skinFile) {
    TCompressedStoredSkin compressed;
    if (!compressed.LoadFromSkinFolder(iniPath))
        throw SkinError(iniPath.string() +
                        " is not a skin: it needs the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and "
                        "SKINCONTROLS");
    compressed.SaveToSkinFile(skinFile);
}

std::filesystem::path Unpack(const std::filesystem::path& skinFile, const std::filesystem::path& folder) {
    TCompressedStoredSkin compressed;
    compressed.LoadFromSkinFile(skinFile);
    if (compressed.Empty()) throw SkinError(skinFile.string() + ": not a compressed skin of version 1");
    const SkinContent content = compressed.Decompress();
    if (content.version != 1)
        throw SkinError(skinFile.string() + ": the content has version " + std::to_string(content.version) +
                        ", not 1");
    const SkinIni ini(content.iniLines);
    const std::vector<std::string> names = ReadActivePictureNames(ini);
    if (names.size() != content.pictures.active.size())
        throw SkinError("[PICTURES] activepicturescount: the text names " + std::to_string(names.size()) +
                        " active pictures, the file holds " + std::to_string(content.pictures.active.size()));
    std::filesystem::create_directories(folder);
    WritePicture(folder, content.pictures.main, ini.ReadString("PICTURES", "picture", ""), "picture");
    WritePicture(folder, content.pictures.inactive, ini.ReadString("PICTURES", "inactivepicture", ""),
                 "inactivepicture");
    WritePicture(folder, content.pictures.mask, ini.ReadString("PICTURES", "mask", ""), "mask");
    for (std::size_t i = 0; i < names.size(); ++i)
        WritePicture(folder, content.pictures.active[i], names[i], std::to_string(i));
    const std::string text = JoinLines(content.iniLines);
    const std::filesystem::path iniPath = folder / "skin.ini";
    WriteWholeFile(iniPath, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return iniPath;
}

std::string Describe(const std::filesystem::path& path) {
    TSkinData data;
    TStoredSkin stored;
    TCompressedStoredSkin compressed;
    if (std::filesystem::is_directory(path) || path.extension() == ".ini") {
        stored.LoadFromFile(std::filesystem::is_directory(path) ? path / "skin.ini" : path);
        data.SetStoredSkin(&stored);
    } else {
        compressed.LoadFromSkinFile(path);
        if (compressed.Empty()) throw SkinError(path.string() + ": not a compressed skin of version 1");
        data.SetCompressedStoredSkin(&compressed);
    }
    if (data.Empty()) throw SkinError(path.string() + ": not a skin (a required section is missing)");
    std::size_t unresolved = 0;
    for (const auto& control : data.Controls())
        if (control->pictureIndex != -1 && !data.ActivePicture(control->pictureIndex)) ++unresolved;
    return "skin \"" + data.SkinName() + "\" by \"" + data.SkinAuthor() +
           "\": " + std::to_string(data.ActivePictures().size()) + " active pictures, " +
           std::to_string(data.Objects().size()) + " objects, " + std::to_string(data.Controls().size()) +
           " controls" +
           (unresolved ? ", " + std::to_string(unresolved) + " controls name a missing picture" : "");
}

}  // namespace huecast::skinpack
