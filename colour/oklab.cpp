#include "colour/oklab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace huecast {
namespace {

struct Linear {
    double r, g, b;
};

double Decode(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// Linear light of each 8-bit value.
const std::array<double, 256>& DecodedChannel() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int v = 0; v < 256; ++v)
            values[static_cast<std::size_t>(v)] = Decode(v / 255.0);
        return values;
    }();
    return table;
}

// The linear light half-way between neighbouring 8-bit values: a value is rounded by counting the
// thresholds below it, which needs no power function and gives every 8-bit value back exactly.
const std::array<double, 255>& ChannelThresholds() {
    static const std::array<double, 255> table = [] {
        std::array<double, 255> values{};
        for (int v = 0; v < 255; ++v)
            values[static_cast<std::size_t>(v)] = Decode((v + 0.5) / 255.0);
        return values;
    }();
    return table;
}

// The 8-bit value at the start of each of kBuckets equal slices of linear light: a value's own is that one
// or one of the few after it whose thresholds lie in the slice too.
constexpr int kBuckets = 2048;
const std::array<std::uint8_t, kBuckets>& BucketStarts() {
    static const std::array<std::uint8_t, kBuckets> table = [] {
        const auto& thresholds = ChannelThresholds();
        std::array<std::uint8_t, kBuckets> starts{};
        for (int k = 0; k < kBuckets; ++k) {
            const double low = static_cast<double>(k) / kBuckets;
            starts[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(
                std::upper_bound(thresholds.begin(), thresholds.end(), low) - thresholds.begin());
        }
        return starts;
    }();
    return table;
}

std::uint32_t EncodeChannel(double linear) {
    if (!(linear > 0)) return 0;  // NaN too
    if (linear >= 1) return 255;
    const auto& thresholds = ChannelThresholds();
    std::uint32_t value = BucketStarts()[static_cast<std::size_t>(linear * kBuckets)];
    while (value < 255 && thresholds[value] <= linear)
        ++value;
    return value;
}

Linear ToLinear(const OkLab& c) {
    const double l_ = c.L + 0.3963377774 * c.a + 0.2158037573 * c.b;
    const double m_ = c.L - 0.1055613458 * c.a - 0.0638541728 * c.b;
    const double s_ = c.L - 0.0894841775 * c.a - 1.2914855480 * c.b;
    const double l = l_ * l_ * l_, m = m_ * m_ * m_, s = s_ * s_ * s_;
    return {+4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

}  // namespace

OkLab SrgbToOkLab(std::uint32_t colour) {
    const auto& decoded = DecodedChannel();
    const double r = decoded[colour & 0xFF], g = decoded[(colour >> 8) & 0xFF],
                 b = decoded[(colour >> 16) & 0xFF];
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

std::uint32_t OkLabToSrgb(const OkLab& colour) {
    const Linear linear = ToLinear(colour);
    return EncodeChannel(linear.r) | EncodeChannel(linear.g) << 8 | EncodeChannel(linear.b) << 16;
}

bool InSrgbGamut(const OkLab& colour) {
    constexpr double kSlack = 1e-6;  // the published matrices invert each other to about 3e-7
    const Linear linear = ToLinear(colour);
    return std::min({linear.r, linear.g, linear.b}) >= -kSlack &&
           std::max({linear.r, linear.g, linear.b}) <= 1 + kSlack;
}

OkLch ToOkLch(const OkLab& colour) {
    double h = std::atan2(colour.b, colour.a) * 180 / std::numbers::pi;
    if (h < 0) h += 360;
    return {colour.L, std::hypot(colour.a, colour.b), h};
}

OkLab FromOkLch(const OkLch& colour) {
    const double h = colour.h * std::numbers::pi / 180;
    return {colour.L, colour.C * std::cos(h), colour.C * std::sin(h)};
}

}  // namespace huecast
