// A code page converter on the C library's iconv, for native builds: the tests and the command-line tool
// use it with "CP936", the code page of the systems Huecast serves.
#pragma once

#include <iconv.h>

#include <string>

#include "convert/code_page.h"

namespace huecast {

class IconvCodePageConverter final : public CodePageConverter {
  public:
    // Throws std::runtime_error naming the code page when the C library does not know it.
    explicit IconvCodePageConverter(const std::string& codePage = "CP936");
    ~IconvCodePageConverter() override;
    IconvCodePageConverter(const IconvCodePageConverter&) = delete;
    IconvCodePageConverter& operator=(const IconvCodePageConverter&) = delete;

    // Not safe to call from two threads at once on the same object: the iconv descriptors have state.
    std::u16string ToUtf16(std::string_view bytes) const override;
    std::optional<std::string> FromUtf16(std::u16string_view text) const override;
    // Knows the Western character set (code page 1252) besides the symbol one and its own.
    std::u16string CharsetToUtf16(std::string_view bytes, int charset) const override;

  private:
    iconv_t toUtf16_;
    iconv_t fromUtf16_;
    iconv_t westernToUtf16_;
};

}  // namespace huecast
