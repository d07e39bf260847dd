#pragma once

#include "state/SeatPlayer.h"

namespace search {

// The Beginner: count-based bids in its longest colour (6 + count - 3 once the count of A, K,
// Q and fivra cards plus length beyond three reaches 3; a forced dealer bids 6); takes a trick
// with its cheapest winning card when the partner does not hold it, else plays its lowest
// card, and gives no point card to the opponents' trick while it holds a card without points.
class GreedyPlayer : public state::SeatPlayer {
  public:
    std::optional<state::BidChoice> Bid(const state::SeatView& view) override;
    std::optional<int> Trump(const state::SeatView& view) override;
    std::optional<state::CardChoice> Card(const state::SeatView& view) override;
};

}  // namespace search
