// Draws the built-in skins, each into a folder of its own under the given one: skin.ini and its six 8-bit
// palette bitmaps.
//
//     skin-generator app/resources                        writes app/resources/orange, app/resources/basalt
//     skin-generator --preview FOLDER/skin.ini OUT.bmp    a sample window drawn from a skin folder
//
// The output depends on nothing but this program, so running it again gives the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "skin/format/bmp.h"
#include "skin/format/skin_ini.h"
#include "skin/format/stored_skin.h"
#include "tools/skin-generator/skin_builder.h"
#include "tools/skin-generator/preview.h"

int main(int argc, char** argv) {
    const bool preview = argc == 4 && std::string(argv[1]) == "--preview";
    if (argc != 2 && !preview) {
        std::fprintf(
            stderr,
            "usage: skin-generator RESOURCES_FOLDER\n       skin-generator --preview SKIN_INI OUT_BMP\n");
        return 2;
    }
    try {
        if (preview) {
            huecast::skin::TStoredSkin stored;
            stored.LoadFromFile(argv[2]);
            huecast::skin::TSkinData data;
            data.SetStoredSkin(&stored);
            huecast::skin::WriteWholeFile(argv[3],
                                          huecast::skin::WriteBmp(huecast::skingen::DrawPreview(data)));
            return 0;
        }
        for (const huecast::skingen::SkinArt* art : huecast::skingen::BuiltInSkinArts()) {
            const std::filesystem::path folder =
                std::filesystem::path(argv[1]) / huecast::skingen::SkinFolderName(*art);
            std::filesystem::create_directories(folder);
            const huecast::skingen::GeneratedSkin skin = huecast::skingen::BuildSkin(*art);
            const std::string text = huecast::JoinLines(skin.iniLines);
            huecast::skin::WriteWholeFile(folder / "skin.ini",
                                          {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
            for (const auto& [name, bitmap] : skin.pictures)
                huecast::skin::WriteWholeFile(folder / name, huecast::skin::WriteBmp(bitmap));
            std::printf("wrote skin.ini (%zu lines) and %zu pictures to %s\n", skin.iniLines.size(),
                        skin.pictures.size(), folder.string().c_str());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skin-generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
