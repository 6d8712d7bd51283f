// Untrusted `Pictures` streams of a stored skin.
#include <cstddef>
#include <cstdint>

#include "skin/format/skin_ini.h"
#include "skin/format/stored_skin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huecast::skin;
    SkinPictures pictures;
    try {
        if (ReadPicturesStream({data, size}, pictures, "Pictures") > size) __builtin_trap();
    } catch (const SkinError&) {
    }
    return 0;
}
