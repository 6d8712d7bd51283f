#include "colour/colour_steps.h"

#include "colour/oklab.h"

namespace huecast {
namespace {

// The lightness of the rainbow: dark enough to read on the editor's white, light enough for yellow.
constexpr double kRainbowLightness = 0.68;
// The hue of pure red, where the rainbow starts.
constexpr double kRedHue = 29.2;

// The step of each cell, and how many steps there are.
std::vector<std::size_t> Steps(std::span<const TextCell> cells, bool perWord, std::size_t& count) {
    std::vector<std::size_t> steps;
    steps.reserve(cells.size());
    count = 0;
    for (const TextCell& cell : cells) {
        if (!cell.blank && (!perWord || cell.startsWord || count == 0)) ++count;
        steps.push_back(count == 0 ? 0 : count - 1);
    }
    return steps;
}

OkLab Mix(const OkLab& from, const OkLab& to, double t) {
    return {from.L + (to.L - from.L) * t, from.a + (to.a - from.a) * t, from.b + (to.b - from.b) * t};
}

// The most chroma sRGB can show at this lightness and hue.
double MaxChroma(double lightness, double hue) {
    double inside = 0, outside = 0.5;
    for (int i = 0; i < 24; ++i) {  // to 3e-8, far below a step of 8 bits
        const double chroma = (inside + outside) / 2;
        (InSrgbGamut(FromOkLch({lightness, chroma, hue})) ? inside : outside) = chroma;
    }
    return inside;
}

std::vector<TextRun> WithColours(std::span<const TextRun> runs, std::span<const TextCell> cells,
                                 const std::vector<std::uint32_t>& colours) {
    const std::vector<std::optional<std::uint32_t>> given(colours.begin(), colours.end());
    return Recoloured(runs, cells, given);
}

}  // namespace

std::vector<std::uint32_t> GradientColours(std::span<const TextCell> cells, const Gradient& gradient) {
    std::size_t count = 0;
    const std::vector<std::size_t> steps = Steps(cells, gradient.perWord, count);
    const OkLab start = SrgbToOkLab(gradient.start);
    const OkLab end = SrgbToOkLab(gradient.end);
    const OkLab middle = gradient.middle ? SrgbToOkLab(*gradient.middle) : Mix(start, end, 0.5);
    std::vector<std::uint32_t> stepColours(count);
    for (std::size_t k = 0; k < count; ++k) {
        // Twice the way along, so that the middle falls on 1 exactly.
        const double along = count == 1 ? 0 : 2.0 * static_cast<double>(k) / static_cast<double>(count - 1);
        if (gradient.middle && 2 * k == count - 1) {
            stepColours[k] = *gradient.middle;
        } else {
            stepColours[k] =
                OkLabToSrgb(along <= 1 ? Mix(start, middle, along) : Mix(middle, end, along - 1));
        }
    }
    if (count > 0) {
        stepColours.front() = gradient.start;
        if (count > 1) stepColours.back() = gradient.end;
    }
    std::vector<std::uint32_t> colours;
    colours.reserve(cells.size());
    for (const std::size_t step : steps)
        colours.push_back(count == 0 ? gradient.start : stepColours[step]);
    return colours;
}

std::vector<std::uint32_t> RainbowColours(std::span<const TextCell> cells) {
    std::size_t count = 0;
    const std::vector<std::size_t> steps = Steps(cells, false, count);
    std::vector<std::uint32_t> stepColours(count);
    for (std::size_t k = 0; k < count; ++k) {
        double hue = kRedHue + 360.0 * static_cast<double>(k) / static_cast<double>(count);
        if (hue >= 360) hue -= 360;
        stepColours[k] = OkLabToSrgb(FromOkLch({kRainbowLightness, MaxChroma(kRainbowLightness, hue), hue}));
    }
    std::vector<std::uint32_t> colours;
    colours.reserve(cells.size());
    for (const std::size_t step : steps)
        colours.push_back(count == 0 ? 0 : stepColours[step]);
    return colours;
}

std::vector<TextRun> WithGradient(std::span<const TextRun> runs, const Gradient& gradient) {
    const std::vector<TextCell> cells = TextCells(runs);
    return WithColours(runs, cells, GradientColours(cells, gradient));
}

std::vector<TextRun> WithRainbow(std::span<const TextRun> runs) {
    const std::vector<TextCell> cells = TextCells(runs);
    return WithColours(runs, cells, RainbowColours(cells));
}

}  // namespace huecast
