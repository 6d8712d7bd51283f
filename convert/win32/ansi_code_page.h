// The system's ANSI code page (936 on the systems Huecast serves), through MultiByteToWideChar.
#pragma once

#include "convert/code_page.h"

namespace huecast {

class AnsiCodePageConverter final : public CodePageConverter {
  public:
    // Throws std::length_error for more than INT_MAX bytes, which the system call cannot take.
    std::u16string ToUtf16(std::string_view bytes) const override;
};

}  // namespace huecast
