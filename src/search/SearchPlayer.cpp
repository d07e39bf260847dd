#include "search/SearchPlayer.h"

#include "search/CardJudge.h"
#include "search/SearchBid.h"

namespace search {

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
