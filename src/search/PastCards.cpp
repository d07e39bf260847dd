#include "search/PastCards.h"

#include "common/Random.h"

namespace search {

namespace {

// The weight a deal keeps for each card seen that the rules would not have played there.
// Chosen by measurement (docs/ai.md).
constexpr double kMiss = 0.05;

// The trumps `seat` has played this round up to `round`.
TrumpSet PlayedBy(const state::RoundState& round, int seat) {
    TrumpSet played = 0;
    for (int trick = 1; trick < state::kTricks; ++trick) {
        const int rank = round.TrickHistory[static_cast<std::size_t>(trick)][seat];
        played |= rank > 0 && rank < state::kRanks ? Bit(rank) : 0;
    }
    return played;
}

// The round's state as every seat sees it: the hands and the cards on the table left out.
state::RoundState PublicPart(const state::RoundState& round) {
    state::RoundState moment = round;
    for (cards::KortHand& hand : moment.Hand) {
        hand = cards::KortHand{};
    }
    for (cards::KortHand& spot : moment.Bord) {
        spot = cards::KortHand{};
    }
    moment.KortKilled = cards::KortHand{};
    return moment;
}

}  // namespace

PastCards::PastCards(const std::filesystem::path& rule_folder, std::uint64_t seed)
    : replay_(rule_folder), seed_(seed) {}

void PastCards::Saw(const state::SeatView& view, state::Decision decision, int choice,
                    bool by_rules) {
    if (decision != state::Decision::Card) {
        cards_.clear();
        answers_.clear();
        return;
    }
    if (!cards_.empty() && cards_.back().moment.CardsPlayed >= view.round.CardsPlayed) {
        cards_.clear();
        answers_.clear();
    }
    if (by_rules && replay_.Usable()) {
        cards_.push_back(Past{PublicPart(view.round), view.seat, choice});
    }
}

void PastCards::Prepare(const state::RoundState& now, int seat) {
    const bool stale = !cards_.empty() && (cards_.back().moment.CardsPlayed >= now.CardsPlayed ||
                                           cards_.back().moment.gbFarg != now.gbFarg ||
                                           now.PlayedTrump[cards_.back().card] == 0);
    if (stale) {
        cards_.clear();
        answers_.clear();
    }
    for (Past& past : cards_) {
        past.since =
            static_cast<TrumpSet>(PlayedBy(now, past.seat) & ~PlayedBy(past.moment, past.seat));
        past.weighed = past.seat != seat;
    }
}

int PastCards::Answer(std::size_t index, TrumpSet hand) {
    const std::uint64_t key = (static_cast<std::uint64_t>(index) << 16) | hand;
    const auto known = answers_.find(key);
    if (known != answers_.end()) {
        return known->second;
    }
    const Past& past = cards_[index];
    const int card = replay_.Card(past.moment, past.seat, hand, common::SplitMix64(seed_ + key));
    answers_.emplace(key, card);
    return card;
}

double PastCards::Weight(const std::array<TrumpSet, 4>& hands) {
    double weight = 1;
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        const Past& past = cards_[i];
        if (!past.weighed) {
            continue;
        }
        const TrumpSet then = hands[static_cast<std::size_t>(past.seat)] | past.since;
        if (CountOf(then) >= 2 && Answer(i, then) != past.card) {
            weight *= kMiss;
        }
    }
    return weight;
}

}  // namespace search
