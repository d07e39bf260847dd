#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cards/KortHand.h"
#include "state/RoundState.h"

namespace state {

// What a computer seat is shown when it decides: the round's public state and its own hand.
// The round state also holds the other hands, because the table owns them there; a player
// reads only what its seat can see.
struct SeatView {
    const RoundState& round;
    const cards::KortHand& hand;
    int seat = 0;
    int biggest_bid = 0;  // when bidding: the highest bid so far, or 5 for the forced bid
};

struct BidChoice {
    int bid = 0;     // 0 pass, 6..14
    int colour = 0;  // colour code the seat would name as trump
    std::string explanation;
};

struct CardChoice {
    int rank_code = 0;  // Rang of a trump card in the seat's hand
    std::string trace;  // shown and logged where a rule's trace would be
};

// The three kinds of decision a seat takes in a round.
enum class Decision { Bid, Trump, Card };

// The bids a seat may make over the highest bid so far (5: the dealer's forced bid), lowest
// first; besides these it may pass unless the bid is forced. The dealer may only go one above
// the highest bid (or match 14); the others may bid anything above it, and 14 at any time.
inline std::vector<int> LegalBids(int highest, bool dealer) {
    if (highest == 5) {
        return {6};
    }
    if (dealer) {
        return {highest < 14 ? highest + 1 : 14};
    }
    std::vector<int> bids;
    for (int bid = highest < 6 ? 6 : highest + 1; bid <= 14; ++bid) {
        bids.push_back(bid);
    }
    if (bids.empty()) {
        bids.push_back(14);
    }
    return bids;
}

inline std::vector<int> LegalBids(const SeatView& view) {
    return LegalBids(view.biggest_bid, view.seat == view.round.attSaka);
}

// A pass (unless the bid is forced) or one of the legal bids.
inline bool IsLegalBid(int highest, bool dealer, int bid) {
    if (bid == 0) {
        return highest != 5;
    }
    const std::vector<int> bids = LegalBids(highest, dealer);
    return std::find(bids.begin(), bids.end(), bid) != bids.end();
}

// Another player at a seat, in place of the seat's rule files: the game's levels, and the
// players tools measure the rule files against. Each decision may be left to the rule files by
// returning nothing; the table treats a player's decision exactly as it treats a rule-file
// decision.
class SeatPlayer {
  public:
    virtual ~SeatPlayer() = default;
    virtual std::optional<BidChoice> Bid(const SeatView& view) = 0;
    virtual std::optional<int> Trump(const SeatView& view) = 0;
    virtual std::optional<CardChoice> Card(const SeatView& view) = 0;
    // Every decision taken at the table, by any seat, with the view at that moment (a card
    // still in the hand): a player that reads the round from the other seats' decisions keeps
    // what its seat could see of them. A player reads nothing of the other hands here either.
    virtual void Seen(const SeatView& /*view*/, Decision /*decision*/, int /*choice*/) {}
};

}  // namespace state
