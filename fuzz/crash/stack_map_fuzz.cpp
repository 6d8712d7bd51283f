// The call-stack table is read from the end of the executable file, which anyone can alter.
#include <cstdint>
#include <span>

#include "crash/stack_map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    (void)huecast::crash::StackMap::PayloadSize(bytes);
    if (auto map = huecast::crash::StackMap::Parse(bytes)) {
        for (std::uint32_t rva :
             {0u, 1u, 0x1000u, 0x7fffffffu, 0xffffffffu, static_cast<std::uint32_t>(size)}) {
            if (auto entry = map->Find(rva)) {
                const auto name = huecast::crash::SplitQualifiedName(entry->function);
                (void)name;
            }
        }
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto name = huecast::crash::SplitQualifiedName(text);
    (void)name;
    return 0;
}
