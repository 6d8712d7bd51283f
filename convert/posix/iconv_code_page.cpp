#include "convert/posix/iconv_code_page.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace huecast {

IconvCodePageConverter::IconvCodePageConverter(const std::string& codePage)
    : descriptor_(iconv_open("UTF-16LE", codePage.c_str())) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("Code page \"" + codePage + "\" is not available: " + std::strerror(errno));
    }
}

IconvCodePageConverter::~IconvCodePageConverter() {
    iconv_close(descriptor_);
}

std::u16string IconvCodePageConverter::ToUtf16(std::string_view bytes) const {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);  // forget any state of an earlier call
    std::u16string units;
    units.reserve(bytes.size());
    char* in = const_cast<char*>(bytes.data());  // iconv's signature; it does not write the input
    std::size_t inLeft = bytes.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
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

}  // namespace huecast
