#include "convert/win32/ansi_code_page.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace huecast {

namespace {

int CheckedLength(std::size_t size) {
    if (size > INT_MAX) throw std::length_error("Text too long for the code page conversion");
    return static_cast<int>(size);
}

std::u16string ToUtf16In(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = CheckedLength(bytes.size());
    const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::u16string units(static_cast<std::size_t>(needed), u'\0');
    if (needed > 0) {
        MultiByteToWideChar(codePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(units.data()),
                            needed);
    }
    return units;
}

}  // namespace

std::u16string AnsiCodePageConverter::ToUtf16(std::string_view bytes) const {
    return ToUtf16In(CP_ACP, bytes);
}

std::optional<std::string> AnsiCodePageConverter::FromUtf16(std::u16string_view text) const {
    if (text.empty()) return std::string();
    const int length = CheckedLength(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    // No best fit: the system would otherwise write a look-alike (a plain 'a' for 'ā') without saying so.
    BOOL usedDefault = FALSE;
    const int needed =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &usedDefault);
    if (needed <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::u16string AnsiCodePageConverter::CharsetToUtf16(std::string_view bytes, int charset) const {
    if (charset == kSymbolCharset) return SymbolBytesToUtf16(bytes);
    CHARSETINFO info{};
    const bool known =
        charset >= 0 &&
        TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(charset)), &info, TCI_SRCCHARSET);
    return ToUtf16In(known ? info.ciACP : CP_ACP, bytes);
}

}  // namespace huecast
