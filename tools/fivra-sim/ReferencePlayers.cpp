#include "ReferencePlayers.h"

#include <algorithm>
#include <vector>

#include "common/Names.h"
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

// A's, K's, Q's of the colour and its fivra cards, plus the length beyond three.
int GreedyCount(const cards::KortHand& hand, int colour) {
    int count = std::max(0, hand.AntalKortIFarg(colour) - 3);
    for (const cards::Kort* card : hand.Cards()) {
        const bool honour =
            card->farg == colour && (card->Typ == "A" || card->Typ == "K" || card->Typ == "Q");
        const bool fivra = card->Typ == "5" && card->IsOfColour(colour);
        count += honour || fivra ? 1 : 0;
    }
    return count;
}

int LongestColour(const cards::KortHand& hand) {
    int best = common::kKlover;
    for (int i = 1; i < 4; ++i) {
        const int colour = common::ColourCode(i);
        const int length = hand.AntalKortIFarg(colour);
        const int best_length = hand.AntalKortIFarg(best);
        if (length > best_length ||
            (length == best_length && GreedyCount(hand, colour) > GreedyCount(hand, best))) {
            best = colour;
        }
    }
    return best;
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

std::optional<state::BidChoice> GreedyPlayer::Bid(const state::SeatView& view) {
    const int colour = LongestColour(view.hand);
    const int count = GreedyCount(view.hand, colour);
    const int worth = count >= 3 ? std::min(14, 6 + count - 3) : 0;
    const std::vector<int> bids = state::LegalBids(view);
    int bid = 0;
    if (view.biggest_bid == 5) {
        bid = std::max(6, worth);
    } else if (view.seat == view.round.attSaka) {
        bid = worth >= bids.front() ? bids.front() : 0;
    } else if (std::find(bids.begin(), bids.end(), worth) != bids.end()) {
        bid = worth;
    }
    return state::BidChoice{bid, colour, "Greedy: " + std::to_string(bid)};
}

std::optional<int> GreedyPlayer::Trump(const state::SeatView& view) {
    return LongestColour(view.hand);
}

std::optional<state::CardChoice> GreedyPlayer::Card(const state::SeatView& view) {
    using search::TrumpSet;
    const TrumpSet trumps = TrumpsOf(view);
    if (trumps == 0) {
        return std::nullopt;
    }
    int best = 0;
    int best_seat = -1;
    for (int s = 0; s < 4; ++s) {
        if (view.round.TrickCards[s] > best) {
            best = view.round.TrickCards[s];
            best_seat = s;
        }
    }
    const bool partner_holds = best_seat == common::SeatAfter(view.seat, 2);
    const TrumpSet winners = static_cast<TrumpSet>(trumps & ~(search::Bit(best + 1) - 1));
    if (!partner_holds && winners != 0) {
        return state::CardChoice{search::Lowest(winners), "[Greedy]"};
    }
    int card = search::Lowest(trumps);
    const TrumpSet blanks =
        static_cast<TrumpSet>(trumps & ~search::kPointCards) | (trumps & search::Bit(search::kTwo));
    if (!partner_holds && best_seat >= 0 && search::TrickPoints(card) > 0 && blanks != 0) {
        card = search::Lowest(blanks);
    }
    return state::CardChoice{card, "[Greedy]"};
}

std::unique_ptr<state::SeatPlayer> MakePlayer(const std::string& policy,
                                              const PlayerOptions& options, std::uint64_t seed,
                                              bool& known) {
    known = true;
    if (policy == "random") {
        return std::make_unique<RandomPlayer>(seed);
    }
    if (policy == "greedy") {
        return std::make_unique<GreedyPlayer>();
    }
    if (policy == "search") {
        return std::make_unique<search::SearchPlayer>(options.search_samples, seed,
                                                      options.search_bids);
    }
    known = policy == "rules";
    return nullptr;
}

}  // namespace sim
