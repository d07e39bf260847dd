#pragma once

#include <cstdint>
#include <random>

namespace common {

// One step of splitmix64: a well-mixed 64-bit number from any 64-bit value, so that seeds which
// differ by one give unrelated streams. Derived seeds (one for each use of a run's seed, one for
// each decision of a reference player) are made with it.
constexpr std::uint64_t SplitMix64(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Where a random source stands: its seed and the number of draws since it was seeded. Going
// back to a position repeats every draw that followed it, so a kept game can go on exactly.
struct RandomPosition {
    std::uint64_t seed = 0;
    std::uint64_t draws = 0;

    bool operator==(const RandomPosition&) const = default;
};

// The one source of randomness of a table: the shuffle, the timer jitter and the chances of
// the rule files all draw from it. Seeded once; a fixed seed replays a whole game.
class Random {
  public:
    // Seeds from a high-resolution, non-repeating source.
    Random();
    explicit Random(std::uint64_t seed);

    void Reseed(std::uint64_t seed);
    // A fresh seed from the same source as the default constructor.
    static std::uint64_t FreshSeed();

    // Uniform in [0, 1).
    double Uniform();
    // Uniform whole number from 1 to n (the integer part of Uniform() * n, plus 1); 1 when n < 1.
    int Draw(int n);

    RandomPosition Position() const { return {seed_, draws_}; }
    void GoTo(const RandomPosition& position);

  private:
    std::uint64_t seed_;
    std::uint64_t draws_ = 0;
    std::mt19937_64 engine_;
};

}  // namespace common
