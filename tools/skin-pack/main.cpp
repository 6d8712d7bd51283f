// Exchanges skins as single files.
//
//     skin-pack pack FOLDER/skin.ini SKIN_FILE     compresses a skin folder into a skin file
//     skin-pack unpack SKIN_FILE FOLDER            writes skin.ini and the bitmaps back into a folder
//     skin-pack check SKIN_FILE|FOLDER|skin.ini    loads the skin as the program would and describes it
#include <cstdio>
#include <exception>
#include <string>

#include "tools/skin-pack/skin_pack.h"

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const bool valid =
        (command == "pack" || command == "unpack") ? argc == 4 : command == "check" && argc == 3;
    if (!valid) {
        std::fprintf(stderr,
                     "usage: skin-pack pack FOLDER/skin.ini SKIN_FILE\n"
                     "       skin-pack unpack SKIN_FILE FOLDER\n"
                     "       skin-pack check SKIN_FILE|FOLDER|skin.ini\n");
        return 2;
    }
    try {
        if (command == "pack") {
            huecast::skinpack::Pack(argv[2], argv[3]);
            std::printf("packed %s into %s\n", argv[2], argv[3]);
        } else if (command == "unpack") {
            const auto ini = huecast::skinpack::Unpack(argv[2], argv[3]);
            std::printf("unpacked %s into %s\n", argv[2], ini.string().c_str());
        } else {
            std::printf("%s\n", huecast::skinpack::Describe(argv[2]).c_str());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skin-pack: %s\n", error.what());
        return 1;
    }
    return 0;
}
