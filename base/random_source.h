// A uniform source of pseudo-random integers. Effects that scatter or add noise take one, so that tests can
// fix the sequence and the program can share one generator seeded from the clock.
#pragma once

#include <cstdint>

namespace huecast {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniform integer in 0 .. n - 1; 0 when n <= 0.
    virtual int Random(int n) = 0;
};

// A fast generator (xorshift with a 32-bit output) that maps its output onto 0 .. n - 1 by multiplication,
// so every n up to 2^31 is served without a division.
class UniformRandom final : public RandomSource {
  public:
    explicit UniformRandom(std::uint64_t seed = 0) { Seed(seed); }

    void Seed(std::uint64_t seed) {
        state_ = seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull;
        if (state_ == 0) state_ = 1;  // xorshift never leaves zero
    }
    // Out of line: <chrono> does not compile for the GBK execution character set of the Win32 front end.
    void SeedFromClock();

    int Random(int n) override {
        if (n <= 0) return 0;
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        const auto bits = static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
        return static_cast<int>((static_cast<std::uint64_t>(bits) * static_cast<std::uint32_t>(n)) >> 32);
    }

  private:
    std::uint64_t state_ = 0;
};

// The program's shared generator (user-interface thread only). It starts from a fixed seed, like the
// run-time library's; whoever wants varying patterns seeds it from the clock.
inline UniformRandom& ProcessRandom() {
    static UniformRandom generator;
    return generator;
}

}  // namespace huecast
