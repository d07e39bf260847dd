#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "search/ExpertPlayer.h"
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

struct PlayerOptions {
    int search_samples = 40;
    bool search_bids = false;
    // For the expert: the rule files the other seats bid and play by, and how it explains
    // each seat (set by the match for each team).
    std::string rule_folder;
    std::array<search::SeatModel, 4> models{};
    std::array<bool, 4> rule_play{};  // the seats whose cards the rule files choose
    std::int64_t expert_budget = 0;   // 0: the expert's own default
};

// The player of a policy ("random", "greedy" or "beginner", "search", "expert"); nullptr for
// "rules" or "normal", the team's rule files. False in `known` for a name that is no policy.
// Whether MakePlayer knows the name.
bool IsPolicy(const std::string& policy);

std::unique_ptr<state::SeatPlayer> MakePlayer(const std::string& policy,
                                              const PlayerOptions& options, std::uint64_t seed,
                                              bool& known);

}  // namespace sim
