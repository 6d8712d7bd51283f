// The system's ANSI code page (936 on the systems Huecast serves), through the system's own conversions.
#pragma once

#include "convert/code_page.h"

namespace huecast {

class AnsiCodePageConverter final : public CodePageConverter {
  public:
    // Each throws std::length_error for more than INT_MAX bytes or code units, which the system calls
    // cannot take.
    std::u16string ToUtf16(std::string_view bytes) const override;
    std::optional<std::string> FromUtf16(std::u16string_view text) const override;
    std::u16string CharsetToUtf16(std::string_view bytes, int charset) const override;
};

}  // namespace huecast
