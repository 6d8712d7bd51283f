// Colour that flows across a text: a gradient from a start colour, through an optional middle colour, to
// an end colour, and a rainbow. The colours are spread in OKLab (colour/oklab.h), so that the steps look
// even and a gradient between two hues passes through clear colours, not grey or brown.
//
// A step is a visible character (a cell, colour/text_cells.h) or, for a gradient by words, a word. White
// space takes no step: it keeps the colour of the step before it (the first step's colour when it leads).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "colour/text_cells.h"
#include "convert/editor_rtf.h"

namespace huecast {

struct Gradient {
    std::uint32_t start = 0x0000FF;       // 0x00BBGGRR
    std::optional<std::uint32_t> middle;  // reached half-way
    std::uint32_t end = 0xFF0000;
    bool perWord = false;  // a step per word instead of a step per character
};

// One colour per cell. The first step has exactly the start colour, the last step exactly the end colour
// and, with an odd number of steps, the middle step exactly the middle colour.
std::vector<std::uint32_t> GradientColours(std::span<const TextCell> cells, const Gradient& gradient);

// One colour per cell: a step per visible character, the hues spread evenly once around the colour wheel
// from red, all at one perceptual lightness, each as vivid as sRGB can show it there.
std::vector<std::uint32_t> RainbowColours(std::span<const TextCell> cells);

// `runs` in the gradient's or the rainbow's colours; text, fonts, sizes and styles stay.
std::vector<TextRun> WithGradient(std::span<const TextRun> runs, const Gradient& gradient);
std::vector<TextRun> WithRainbow(std::span<const TextRun> runs);

}  // namespace huecast
