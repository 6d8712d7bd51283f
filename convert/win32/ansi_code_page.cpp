#include "convert/win32/ansi_code_page.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace huecast {

std::u16string AnsiCodePageConverter::ToUtf16(std::string_view bytes) const {
    if (bytes.empty()) return {};
    if (bytes.size() > INT_MAX) throw std::length_error("Text too long for the code page conversion");
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::u16string units(static_cast<std::size_t>(needed), u'\0');
    if (needed > 0) {
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(units.data()),
                            needed);
    }
    return units;
}

}  // namespace huecast
