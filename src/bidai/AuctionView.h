#pragma once

#include <array>

#include "common/Names.h"
#include "state/RoundState.h"

namespace bidai {

// The auction as the bidding seat sees it when its rules run.
struct AuctionView {
    int seat = 0;     // the bidding seat
    int dealer = 0;   // the seat that bids last
    int highest = 0;  // the highest bid so far; 5 when the dealer is forced
    std::array<int, common::kSeats> bids{-1, -1, -1, -1};  // -1 not spoken, 0 pass
    int score_us = 0;                                      // game score of the seat's partnership
    int score_them = 0;                                    // game score of the other partnership
};

inline AuctionView ViewOfAuction(const state::RoundState& round, int seat) {
    AuctionView view;
    view.seat = seat;
    view.dealer = round.attSaka;
    view.highest = round.gbHogstaBudet;
    for (int s = 0; s < common::kSeats; ++s) {
        view.bids[s] = round.Hand[s].GeBud();
    }
    view.score_us = common::IsVi(seat) ? round.gbVi : round.gbDe;
    view.score_them = common::IsVi(seat) ? round.gbDe : round.gbVi;
    return view;
}

}  // namespace bidai
