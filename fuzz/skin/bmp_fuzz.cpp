// Untrusted BMP files: read, and written back when they were read.
#include <cstddef>
#include <cstdint>

#include "skin/format/bmp.h"
#include "skin/format/skin_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huecast::skin;
    try {
        const BmpRead read = ReadBmp({data, size}, "fuzz.bmp");
        if (read.size > size) __builtin_trap();
        const std::vector<std::uint8_t> again = WriteBmp(read.bitmap);
        ReadBmp(again, "again.bmp");
    } catch (const SkinError&) {
    }
    return 0;
}
