#include "skin/controls/shorten_text.h"

namespace huecast::skin {

namespace {

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace

std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    starts.reserve(text.size() + 1);
    std::size_t i = 0;
    while (i < text.size()) {
        starts.push_back(i);
        // GBK cannot be walked backwards (trail bytes overlap ASCII), so boundaries come from the front.
        i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    starts.push_back(text.size());
    return starts;
}

std::string ShortenToWidth(std::string_view text, int width, const TextMeasure& measure,
                           std::string_view ellipsis) {
    if (measure(text) <= width) return std::string(text);
    const std::vector<std::size_t> starts = CharacterStarts(text);
    const auto fits = [&](std::size_t characters) {
        std::string candidate(text.substr(0, starts[characters]));
        candidate += ellipsis;
        return measure(candidate) <= width;
    };
    // Widths grow with every character, so the longest fitting beginning is found by halving.
    const std::size_t characters = starts.size() - 1;  // all of them together did not fit
    std::size_t low = 0, high = characters == 0 ? 0 : characters - 1;
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    std::string result(text.substr(0, starts[low]));
    result += ellipsis;
    return result;
}

}  // namespace huecast::skin
