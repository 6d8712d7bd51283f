// The conversion reaches the system's code page only through this interface, so that the core stays portable:
// on Windows it is the ANSI code page (936 on the systems Huecast serves), natively a GBK converter stands
// in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace huecast {

class CodePageConverter {
  public:
    virtual ~CodePageConverter() = default;

    // The whole of `bytes` as UTF-16. A byte sequence the code page does not define becomes one replacement
    // character each; nothing is dropped silently and nothing is cut. Like every system code page, the code
    // page takes at most four bytes for one UTF-16 code unit.
    virtual std::u16string ToUtf16(std::string_view bytes) const = 0;

    // `text` in the code page, or nothing when one of its characters (or an unpaired surrogate) has no bytes
    // there. Never a look-alike or a '?' in place of a character: the caller writes those another way.
    virtual std::optional<std::string> FromUtf16(std::u16string_view text) const = 0;

    // Bytes that RTF writes in a font of the character set `charset` (its \fcharset number), as UTF-16:
    // the symbol character set as SymbolCharacter says, the character sets of other code pages through
    // those code pages where known, the rest through this code page.
    virtual std::u16string CharsetToUtf16(std::string_view bytes, int charset) const = 0;
};

// RTF's symbol character set.
inline constexpr int kSymbolCharset = 2;

// A byte of a symbol font as a character: below 0x80 the ASCII character the program inserts and the
// messenger shows in that font, above it the private-use character U+F0xx by which every system addresses
// a symbol font's upper half.
constexpr char16_t SymbolCharacter(unsigned char byte) {
    return byte < 0x80 ? char16_t{byte} : static_cast<char16_t>(0xF000 | byte);
}

// Bytes of a symbol font, each its SymbolCharacter: no code page is involved.
inline std::u16string SymbolBytesToUtf16(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (const char byte : bytes)
        units.push_back(SymbolCharacter(static_cast<unsigned char>(byte)));
    return units;
}

}  // namespace huecast
