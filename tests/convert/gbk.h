// Test helpers for texts in code page 936: the tests write their texts in UTF-8 and convert them here.
#pragma once

#include <string>
#include <string_view>

namespace huecast::test {

// `utf8` in code page 936; fails the test for a character the code page does not have.
std::string Gbk(std::string_view utf8);

}  // namespace huecast::test
