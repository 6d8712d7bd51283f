#include "skin/controls/caption_accelerator.h"

namespace huecast::skin {

char CaptionAccelerator(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        const auto c = static_cast<unsigned char>(caption[i]);
        if (c >= 0x81) {  // a lead byte: its trail byte may be anything, "&" included
            ++i;
            continue;
        }
        if (c != '&') continue;
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        return next >= 'a' && next <= 'z' ? static_cast<char>(next - 'a' + 'A') : next;
    }
    return 0;
}

}  // namespace huecast::skin
