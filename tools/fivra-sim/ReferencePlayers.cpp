#include "ReferencePlayers.h"

#include <algorithm>
#include <vector>

#include "common/Names.h"
#include "search/GreedyPlayer.h"
#include "search/SearchPlayer.h"
#include "search/SeatKnowledge.h"
#include "search/TrumpSet.h"

namespace sim {

namespace {

int MostHeldColour(const cards::KortHand& hand) {
    int colour = common::kKlover;
    for (int i = 1; i < 4; ++i) {
        if (hand.AntalKortIFarg(common::ColourCode(i)) > hand.AntalKortIFarg(colour)) {
            colour = common::ColourCode(i);
        }
    }
    return colour;
}

search::TrumpSet TrumpsOf(const state::SeatView& view) {
    return search::TrumpsOf(view.hand, view.round.gbFarg);
}

}  // namespace

std::optional<state::BidChoice> RandomPlayer::Bid(const state::SeatView& view) {
    const std::vector<int> bids = state::LegalBids(view);
    const bool forced = view.biggest_bid == 5;
    const int colour = MostHeldColour(view.hand);
    if (!forced && std::uniform_int_distribution<int>(0, 1)(random_) == 0) {
        return state::BidChoice{0, colour, "Random: pass"};
    }
    const std::size_t pick =
        std::uniform_int_distribution<std::size_t>(0, bids.size() - 1)(random_);
    return state::BidChoice{bids[pick], colour, "Random: " + std::to_string(bids[pick])};
}

std::optional<int> RandomPlayer::Trump(const state::SeatView& view) {
    return MostHeldColour(view.hand);
}

std::optional<state::CardChoice> RandomPlayer::Card(const state::SeatView& view) {
    const search::TrumpSet trumps = TrumpsOf(view);
    if (trumps == 0) {
        return std::nullopt;
    }
    int pick = std::uniform_int_distribution<int>(0, search::CountOf(trumps) - 1)(random_);
    search::TrumpSet rest = trumps;
    for (; pick > 0; --pick) {
        rest &= static_cast<search::TrumpSet>(rest - 1);
    }
    return state::CardChoice{search::Lowest(rest), "[Random]"};
}

bool IsPolicy(const std::string& policy) {
    for (const char* name :
         {"rules", "normal", "random", "greedy", "beginner", "search", "expert"}) {
        if (policy == name) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<state::SeatPlayer> MakePlayer(const std::string& policy,
                                              const PlayerOptions& options, std::uint64_t seed,
                                              bool& known) {
    known = true;
    if (policy == "random") {
        return std::make_unique<RandomPlayer>(seed);
    }
    if (policy == "greedy" || policy == "beginner") {
        return std::make_unique<search::GreedyPlayer>();
    }
    if (policy == "search") {
        return std::make_unique<search::SearchPlayer>(options.search_samples, seed,
                                                      options.search_bids);
    }
    if (policy == "expert") {
        search::ExpertOptions expert;
        expert.seed = seed;
        expert.rule_folder = options.rule_folder;
        expert.models = options.models;
        expert.rule_play = options.rule_play;
        expert.card_budget = options.expert_budget;
        return std::make_unique<search::ExpertPlayer>(expert);
    }
    known = policy == "rules" || policy == "normal";
    return nullptr;
}

}  // namespace sim
