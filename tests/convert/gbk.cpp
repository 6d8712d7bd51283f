#include "tests/convert/gbk.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace huecast::test {

std::string Gbk(std::string_view utf8) {
    iconv_t descriptor = iconv_open("CP936", "UTF-8");
    if (descriptor == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "no CP936 in iconv";
        return {};
    }
    std::string out(utf8.size() * 2 + 1, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(descriptor, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        ADD_FAILURE() << "cannot write \"" << utf8 << "\" in CP936";
    }
    iconv_close(descriptor);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace huecast::test
