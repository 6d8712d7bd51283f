// The bitmap on the clipboard, read back for tests that the clipboard keeps or gets back a picture.
#pragma once

#include <cstdint>
#include <vector>

namespace huecast::testing {

// The pixels of the clipboard's bitmap (CF_BITMAP), row by row from the top, as 32-bit values; empty when
// the clipboard holds none or cannot be opened.
std::vector<std::uint32_t> ClipboardBitmapPixels();

}  // namespace huecast::testing
