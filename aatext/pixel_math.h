// Byte arithmetic shared by the mask blur and the compositor, written in 16-bit lanes so that loops over
// rows vectorize (eight or sixteen pixels per instruction) while giving exactly the integer results of the
// plain formulas.
#pragma once

#include <cstdint>

namespace huecast::pixel {

// d + floor((s − d) × a / 256) for bytes d, s and a weight a in 0..255. That equals
// floor((d × (256 − a) + s × a) / 256), whose terms are never negative and whose sum is at most 255 × 256,
// so it is computed in unsigned 16-bit lanes.
inline std::uint8_t MixToward(std::uint8_t d, std::uint8_t s, std::uint8_t a) {
    const auto sum = static_cast<std::uint16_t>(static_cast<std::uint16_t>(d * (256 - a)) +
                                                static_cast<std::uint16_t>(s * a));
    return static_cast<std::uint8_t>(sum >> 8);
}

// round(sum / 25) for a sum of 25 bytes (0..6375), as (sum + 12) div 25 (a tie cannot occur): the high
// half of (sum + 12) × 10486, shifted by 2, is (sum + 12) × 10486 div 2^18, and 10486 / 2^18 exceeds 1 / 25
// by 6 / (25 × 2^18), too little to reach the next integer below a numerator of 43690.
inline std::uint8_t DivideBy25Rounded(std::uint16_t sum) {
    const auto x = static_cast<std::uint16_t>(sum + 12);
    return static_cast<std::uint8_t>(
        static_cast<std::uint16_t>((static_cast<std::uint32_t>(x) * 10486u) >> 16) >> 2);
}

}  // namespace huecast::pixel
