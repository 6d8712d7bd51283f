// Untrusted rtf.ini text: any bytes parse; the names found read back, a write lands where it is read again,
// and the written text parses to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    huecast::ProfileText ini(text);
    for (const std::string& section : ini.SectionNames()) {
        ini.Read(section, "name");
        if (!ini.HasSection(section)) std::abort();
    }
    ini.Write("1", "rtf", text.substr(0, 64));
    const auto first = ini.Read("1", "rtf");
    if (!first) std::abort();
    if (huecast::ProfileText(ini.Text()).Read("1", "rtf") != first) std::abort();
    return 0;
}
