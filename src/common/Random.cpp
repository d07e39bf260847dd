#include "common/Random.h"

#include <chrono>

namespace common {

Random::Random() : Random(FreshSeed()) {}

Random::Random(std::uint64_t seed) : seed_(seed), engine_(seed) {}

void Random::Reseed(std::uint64_t seed) {
    seed_ = seed;
    draws_ = 0;
    engine_.seed(seed);
}

void Random::GoTo(const RandomPosition& position) {
    Reseed(position.seed);
    engine_.discard(position.draws);
    draws_ = position.draws;
}

std::uint64_t Random::FreshSeed() {
    std::random_device device;
    const auto now = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now;
}

double Random::Uniform() {
    ++draws_;
    // 53 random bits give every double in [0, 1) on the grid of 2^-53, never 1.0.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int Random::Draw(int n) {
    if (n < 1) {
        return 1;
    }
    return static_cast<int>(Uniform() * n) + 1;
}

}  // namespace common
