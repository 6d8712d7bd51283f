// Test helpers for texts in code page 936: the tests write their texts in UTF-8 and convert them here, and
// hand the core the converter it uses natively.
#pragma once

#include <string>
#include <string_view>

#include "convert/posix/iconv_code_page.h"

namespace huecast::test {

// `utf8` in code page 936; fails the test for a character the code page does not have.
std::string Gbk(std::string_view utf8);

inline const IconvCodePageConverter& Cp936() {
    static const IconvCodePageConverter converter;
    return converter;
}

}  // namespace huecast::test
