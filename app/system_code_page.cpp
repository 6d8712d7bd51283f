#include "app/system_code_page.h"

#include <windows.h>

namespace huecast {

namespace {

class AnsiCodePage final : public CodePageConverter {
public:
    std::u16string ToUtf16(std::string_view bytes) const override {
        if (bytes.empty()) return {};
        const int size = static_cast<int>(bytes.size());
        const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
        std::u16string text(static_cast<std::size_t>(units), u'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()), units);
        return text;
    }
};

}  // namespace

const CodePageConverter& SystemCodePage() {
    static const AnsiCodePage converter;
    return converter;
}

}  // namespace huecast
