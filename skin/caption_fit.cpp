#include "skin/caption_fit.h"

#include <vector>

namespace huecast::skin {

namespace {

constexpr std::string_view kEllipsis = "...";

// Byte offsets at which the characters of `text` end.
std::vector<std::size_t> CharacterEnds(std::string_view text, const IsLeadByte& isLeadByte) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < text.size();) {
        // A lead byte at the very end has no trail byte; it counts as a character of its own.
        i += isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
        ends.push_back(i);
    }
    return ends;
}

}  // namespace

bool IsGbkLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x81 && b <= 0xFE;
}

std::string FitCaption(std::string_view text, int width, const MeasureText& measure,
                       const IsLeadByte& isLeadByte) {
    if (measure(text) <= width) return std::string(text);
    const std::vector<std::size_t> ends = CharacterEnds(text, isLeadByte);
    // Whole characters are dropped from the end: the longest prefix that fits with the ellipsis wins.
    for (std::size_t n = ends.size(); n-- > 0;) {
        const std::size_t length = n == 0 ? 0 : ends[n - 1];
        std::string candidate(text.substr(0, length));
        candidate += kEllipsis;
        if (length == 0 || measure(candidate) <= width) return candidate;
    }
    return std::string(kEllipsis);
}

}  // namespace huecast::skin
