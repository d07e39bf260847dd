#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "state/SeatPlayer.h"

namespace search {

// A reference player for measuring the rule files: at each card it samples deals of the
// trumps it has not seen, solves each sample to the end of the round and plays the card with
// the best mean score difference for its side. It bids and names trump by the team's rule
// files, or, with `search_bids`, by sampling whole deals and solving them (SearchBid).
class SearchPlayer : public state::SeatPlayer {
  public:
    SearchPlayer(int samples, std::uint64_t seed, bool search_bids)
        : samples_(samples), search_bids_(search_bids), seed_(seed), random_(seed) {}

    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;

  private:
    int samples_;
    bool search_bids_;
    std::uint64_t seed_;
    std::mt19937_64 random_;       // the bidding's samples
    std::array<int, 4> colour_{};  // the colour each seat chose when it bid
};

}  // namespace search
