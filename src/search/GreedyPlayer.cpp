#include "search/GreedyPlayer.h"

#include <algorithm>
#include <vector>

#include "common/Names.h"
#include "search/SeatKnowledge.h"
#include "search/TrumpSet.h"

namespace search {

namespace {

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

std::optional<state::BidChoice> GreedyPlayer::Bid(const state::SeatView& view) {
    const int colour = LongestColour(view.hand);
    const int count = GreedyCount(view.hand, colour);
    const int worth = count >= 3 ? std::min(14, 6 + count - 3) : 0;
    const std::vector<int> bids = state::LegalBids(view);
    int bid = 0;
    if (view.biggest_bid == 5) {
        bid = bids.front();  // the forced dealer's only bid, however good the hand
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
    const TrumpSet trumps = TrumpsOf(view.hand, view.round.gbFarg);
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
    const TrumpSet winners = static_cast<TrumpSet>(trumps & ~(Bit(best + 1) - 1));
    if (!partner_holds && winners != 0) {
        return state::CardChoice{Lowest(winners), "[Greedy]"};
    }
    int card = Lowest(trumps);
    const TrumpSet blanks = static_cast<TrumpSet>(trumps & ~kPointCards) | (trumps & Bit(kTwo));
    if (!partner_holds && best_seat >= 0 && TrickPoints(card) > 0 && blanks != 0) {
        card = Lowest(blanks);
    }
    return state::CardChoice{card, "[Greedy]"};
}

}  // namespace search
