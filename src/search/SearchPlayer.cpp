#include "search/SearchPlayer.h"

#include "common/Random.h"
#include "search/CardJudge.h"
#include "search/SearchBid.h"

namespace search {

namespace {

// Folds one value into a running seed.
std::uint64_t Fold(std::uint64_t seed, std::uint64_t value) {
    return common::SplitMix64(seed + value);
}

// The samples of a card decision are drawn from a seed of the player's seed and everything the
// seat sees, so the same position always gets the same samples. Two rule sets matched against
// this player on the same deals then meet the same answers wherever they play alike, and a
// difference in one round does not change the player's draws in every later round.
std::uint64_t DecisionSeed(std::uint64_t seed, const SeatKnowledge& k) {
    std::uint64_t z = Fold(seed, static_cast<std::uint64_t>(k.seat));
    for (const std::uint64_t value :
         {std::uint64_t{k.own}, std::uint64_t{k.unseen}, static_cast<std::uint64_t>(k.leader),
          static_cast<std::uint64_t>(k.points_vi), static_cast<std::uint64_t>(k.points_de),
          static_cast<std::uint64_t>(k.bid), static_cast<std::uint64_t>(k.bidder)}) {
        z = Fold(z, value);
    }
    for (int s = 0; s < 4; ++s) {
        const SeatShown& shown = k.shown[static_cast<std::size_t>(s)];
        z = Fold(z, static_cast<std::uint64_t>(k.trick[static_cast<std::size_t>(s)]));
        z = Fold(z, static_cast<std::uint64_t>(shown.played * 64 + shown.cards_held * 2 +
                                               (shown.out ? 1 : 0)));
    }
    return z;
}

}  // namespace

std::optional<state::BidChoice> SearchPlayer::Bid(const state::SeatView& view) {
    if (!search_bids_) {
        return std::nullopt;
    }
    const std::array<ColourOutlook, 4> outlooks =
        JudgeColours(view.hand, view.seat, view.round.attSaka, samples_, random_);
    // The lowest bid allowed now: bidding higher only risks more, a made bid scores the points.
    const int bid = state::LegalBids(view).front();
    const ColourOutlook* best = &outlooks[0];
    for (const ColourOutlook& outlook : outlooks) {
        if (outlook.at_bid[bid] > best->at_bid[bid]) {
            best = &outlook;
        }
    }
    colour_[view.seat] = best->colour;
    const bool worth_it = best->at_bid[bid] > 0 || view.biggest_bid == 5;
    const int made = worth_it ? bid : 0;
    return state::BidChoice{made, best->colour, "Search bid: " + std::to_string(made)};
}

std::optional<int> SearchPlayer::Trump(const state::SeatView& view) {
    if (!search_bids_) {
        return std::nullopt;
    }
    return colour_[view.seat];
}

std::optional<state::CardChoice> SearchPlayer::Card(const state::SeatView& view) {
    const SeatKnowledge knowledge = KnowledgeOf(view.round, view.hand, view.seat);
    if (knowledge.own == 0) {
        return std::nullopt;
    }
    std::mt19937_64 random(DecisionSeed(seed_, knowledge));
    const std::vector<CardValue> values =
        JudgeCards(knowledge, samples_, Measure::kScoreDifference, random);
    return state::CardChoice{BestCard(values).rank, "[Search]"};
}

}  // namespace search
