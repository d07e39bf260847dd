#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/Random.h"

namespace sim {

// Replaces the rule and table files of a program folder by random mutations of what they held
// at the start (bytes changed, dropped or repeated, lines swapped, keywords inserted, the file
// cut short, emptied or removed), or puts the original back. The files are read anew at every
// decision, so a rule author saving while a game runs is a real case: each round must still
// finish and keep every rule of the game.
class RuleMutator {
  public:
    RuleMutator(std::string folder, std::uint64_t seed);
    // Mutates one of the files now and then; called between the table's steps.
    void Step();

  private:
    std::string Mutated(std::string text);

    std::string folder_;
    common::Random random_;
    std::array<std::string, 3> originals_;
};

}  // namespace sim
