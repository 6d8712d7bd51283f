// ConvertToUrtf on any bytes: the input is the editor's document, then a zero byte, then the plain text.
// Besides the sanitizers' checks: the result begins "{\urtf" and is never longer than the document plus that
// prefix (an escape pair of eight bytes becomes "\u", at most five digits and "?"), which also bounds the
// time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/posix/iconv_code_page.h"
#include "convert/urtf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const huecast::IconvCodePageConverter cp936;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view rtf = input.substr(0, split);
    const std::string_view plain =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    const std::string converted = huecast::ConvertToUrtf(rtf, plain, cp936);
    if (!converted.starts_with("{\\urtf") || converted.size() > 3 * rtf.size() + 16) std::abort();
    return 0;
}
