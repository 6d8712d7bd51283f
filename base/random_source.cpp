#include "base/random_source.h"

#include <chrono>

namespace huecast {

void UniformRandom::SeedFromClock() {
    Seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

}  // namespace huecast
