// Shortening a caption to a width by whole characters of the system code page (GBK), so a double-byte
// character is never split into a stray lead byte that the system would draw as garbage.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace huecast::skin {

// Width in pixels of a text in the font it will be drawn in.
using TextMeasure = std::function<int(std::string_view text)>;

// Byte offsets at which the characters of a GBK text begin, followed by the text's length. A lead byte
// (0x81..0xFE) with a trail byte after it makes one character; a lead byte at the very end stands alone.
std::vector<std::size_t> CharacterStarts(std::string_view text);

// The text when it fits `width`; otherwise its longest whole-character beginning that fits with `ellipsis`
// appended, followed by `ellipsis` (just `ellipsis` when no character fits).
std::string ShortenToWidth(std::string_view text, int width, const TextMeasure& measure,
                           std::string_view ellipsis = "...");

}  // namespace huecast::skin
