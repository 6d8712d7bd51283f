#include "convert/posix/iconv_code_page.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace huecast {

namespace {

constexpr int kWesternCharset = 0;

iconv_t Open(const char* to, const std::string& from) {
    const iconv_t descriptor = iconv_open(to, from.c_str());
    if (descriptor == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("Code page conversion from \"" + from + "\" to \"" + to +
                                 "\" is not available: " + std::strerror(errno));
    }
    return descriptor;
}

std::u16string ToUtf16With(iconv_t descriptor, std::string_view bytes) {
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);  // forget any state of an earlier call
    std::u16string units;
    units.reserve(bytes.size());
    char* in = const_cast<char*>(bytes.data());  // iconv's signature; it does not write the input
    std::size_t inLeft = bytes.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        for (const char* unit = buffer; unit + 1 < out; unit += 2) {
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(unit[0]) |
                                                  static_cast<unsigned char>(unit[1]) << 8));
        }
        if (result == static_cast<std::size_t>(-1) && error != E2BIG) {
            // An invalid or incomplete sequence: one replacement character for its first byte, as the
            // system's own conversion does, and go on with the next byte.
            units.push_back(u'?');
            ++in;
            --inLeft;
        }
    }
    return units;
}

}  // namespace

IconvCodePageConverter::IconvCodePageConverter(const std::string& codePage)
    : toUtf16_(Open("UTF-16LE", codePage)),
      fromUtf16_(Open(codePage.c_str(), "UTF-16LE")),
      westernToUtf16_(Open("UTF-16LE", "CP1252")) {}

IconvCodePageConverter::~IconvCodePageConverter() {
    iconv_close(toUtf16_);
    iconv_close(fromUtf16_);
    iconv_close(westernToUtf16_);
}

std::u16string IconvCodePageConverter::ToUtf16(std::string_view bytes) const {
    return ToUtf16With(toUtf16_, bytes);
}

std::optional<std::string> IconvCodePageConverter::FromUtf16(std::u16string_view text) const {
    iconv(fromUtf16_, nullptr, nullptr, nullptr, nullptr);
    std::string little;  // iconv reads bytes: the code units as UTF-16LE
    little.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        little.push_back(static_cast<char>(unit & 0xFF));
        little.push_back(static_cast<char>(unit >> 8));
    }
    std::string bytes;
    bytes.reserve(text.size() * 2);
    char* in = little.data();
    std::size_t inLeft = little.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(fromUtf16_, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        bytes.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result == static_cast<std::size_t>(-1) && error != E2BIG) return std::nullopt;
    }
    // The C library may write a character the code page only has a look-alike of; the system's converter
    // is told not to, so this one refuses what does not come back the same.
    if (ToUtf16(bytes) != text) return std::nullopt;
    return bytes;
}

std::u16string IconvCodePageConverter::CharsetToUtf16(std::string_view bytes, int charset) const {
    if (charset == kSymbolCharset) return SymbolBytesToUtf16(bytes);
    return ToUtf16With(charset == kWesternCharset ? westernToUtf16_ : toUtf16_, bytes);
}

}  // namespace huecast
