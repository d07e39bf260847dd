#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "state/SeatPlayer.h"

namespace sim {

// A uniformly random legal card; passes half the time, else a uniformly random legal bid;
// names the colour it holds most of.
class RandomPlayer : public state::SeatPlayer {
  public:
    explicit RandomPlayer(std::uint64_t seed) : random_(seed) {}
    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;

  private:
    std::mt19937_64 random_;
};

// Count-based bids in its longest colour (6 + count - 3 once the count of A, K, Q and fivra
// cards plus length beyond three reaches 3); takes a trick with its cheapest winning card when
// the partner does not hold it, else plays its lowest card, and gives no point card to the
// opponents' trick while it holds a card without points.
class GreedyPlayer : public state::SeatPlayer {
  public:
    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;
};

struct PlayerOptions {
    int search_samples = 40;
    bool search_bids = false;
};

// The player of a policy ("random", "greedy", "search"); nullptr for "rules", the team's rule
// files. False in `known` for a name that is no policy.
std::unique_ptr<state::SeatPlayer> MakePlayer(const std::string& policy,
                                              const PlayerOptions& options, std::uint64_t seed,
                                              bool& known);

}  // namespace sim
