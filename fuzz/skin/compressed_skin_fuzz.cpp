// Untrusted compressed skin files: the file form, inflation, the content and the load of the skin it holds.
#include <cstddef>
#include <cstdint>

#include "skin/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huecast::skin;
    TCompressedStoredSkin compressed;
    TSkinData skinData;
    try {
        compressed.LoadFromSkinFileBytes({data, size});
        skinData.SetCompressedStoredSkin(&compressed);
    } catch (const SkinError&) {
    }
    return 0;
}
