// Untrusted compressed skin files: the file form, inflation, the content and the load of the skin it holds.
// Mutations rarely survive zlib's checksum, so an input whose first byte is odd is taken as the inflated
// content itself and compressed here first; that way the content reader is fuzzed as deeply as the rest.
#include <zlib.h>
#include <cstddef>
#include <cstdint>

#include "skin/format/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huecast::skin;
    if (size == 0) return 0;
    TCompressedStoredSkin compressed;
    TSkinData skinData;
    try {
        if (data[0] & 1) {
            uLongf bound = compressBound(static_cast<uLong>(size - 1));
            compressed.compressedData.resize(bound);
            compress2(compressed.compressedData.data(), &bound, data + 1, static_cast<uLong>(size - 1), 1);
            compressed.compressedData.resize(bound);
        } else {
            compressed.LoadFromSkinFileBytes({data + 1, size - 1});
        }
        skinData.SetCompressedStoredSkin(&compressed);
    } catch (const SkinError&) {
    }
    return 0;
}
