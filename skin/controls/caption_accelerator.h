// The accelerator of a caption: the character after a single "&" ("复制(&C)" has C). Captions are in the
// system code page (GBK), so the second byte of a double-byte character is never taken for an "&".
#pragma once

#include <string_view>

namespace huecast::skin {

// The accelerator, upper-cased when it is a Latin letter; 0 when there is none ("&&" is a literal "&").
char CaptionAccelerator(std::string_view caption);

}  // namespace huecast::skin
