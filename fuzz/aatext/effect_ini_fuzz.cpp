// Untrusted ini text through the text-effect loader: any bytes must parse without an out-of-bounds read or
// a hang, load within the fields' widths, and survive a save and reload unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "aatext/aa_effect.h"
#include "aatext/effect_ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huecast;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MemEffectIniFile ini(text);
    for (std::string_view section : {"Title", "Line1", ""}) {
        TAAEffect effect;
        effect.LoadFromIni(ini, section);
        if (effect.Gradual().Style() > TGradualStyle::gsCenterToTB) std::abort();
        if (effect.Texture().Mode() > TTextureMode::tmNormal) std::abort();

        MemEffectIniFile saved;
        effect.SaveToIni(saved, section);
        TAAEffect reloaded;
        reloaded.LoadFromIni(MemEffectIniFile(saved.Text()), section);
        MemEffectIniFile again;
        reloaded.SaveToIni(again, section);
        if (again.Text() != saved.Text()) std::abort();
    }
    return 0;
}
