#pragma once

#include <array>
#include <random>
#include <vector>

#include "search/SeatKnowledge.h"

namespace search {

// Deals the trumps a seat has not seen to the other three seats, each deal as likely as the
// shuffle makes it given what the seat has seen: how many trumps each seat holds follows the
// buying (a seat that bought more cards more likely drew trumps) and the cards it has played;
// which trumps, given the counts, is uniform.
class DealSampler {
  public:
    explicit DealSampler(const SeatKnowledge& knowledge);

    // The four hands of one deal: the seat's own trumps and a draw for the others.
    std::array<TrumpSet, 4> Draw(std::mt19937_64& random) const;
    // Whether a deal in which each seat holds `counts` trumps now can be drawn.
    bool Allows(const std::array<int, 4>& counts) const;

  private:
    struct Split {
        std::array<int, 4> counts{};  // trumps each seat holds now
        double weight = 0;            // running total of the weights up to this split
    };
    void Enumerate(const std::array<int, 4>& low, const std::array<int, 4>& high, bool weighted);

    SeatKnowledge knowledge_;
    std::vector<int> unseen_;
    std::vector<Split> splits_;
};

}  // namespace search
