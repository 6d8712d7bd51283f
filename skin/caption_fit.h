// Shortening a caption to a width: a text that does not fit loses whole characters from its end until it
// and "..." fit, and then ends with "...". A double-byte character (GBK) is never split, and a width too
// narrow even for "..." leaves "..." alone, which the caller draws clipped.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace huecast::skin {

// Width of a text in pixels, in the font it will be drawn with.
using MeasureText = std::function<int(std::string_view)>;
// Whether a byte starts a double-byte character in the code page of the text.
using IsLeadByte = std::function<bool(char)>;

bool IsGbkLeadByte(char c);

std::string FitCaption(std::string_view text, int width, const MeasureText& measure,
                       const IsLeadByte& isLeadByte = IsGbkLeadByte);

}  // namespace huecast::skin
