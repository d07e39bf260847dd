#pragma once

#include <cstdint>
#include <random>

namespace common {

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

  private:
    std::mt19937_64 engine_;
};

}  // namespace common
