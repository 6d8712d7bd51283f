// The conversion reaches the system's code page only through this interface, so that the core stays portable:
// on Windows it is the ANSI code page (936 on the systems Huecast serves), natively a GBK converter stands
// in.
#pragma once

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
};

}  // namespace huecast
