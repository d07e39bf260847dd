#pragma once

#include <array>

#include "cards/Kort.h"
#include "state/RoundState.h"
#include "state/SeatPlayer.h"

namespace coach {

// What a seat saw at one decision, kept after the round moves on: a copy of the round's state
// whose hands hold copies of the cards, so that neither the next deal (which ranks the cards
// anew) nor another thread can change it.
class ViewSnapshot {
  public:
    explicit ViewSnapshot(const state::SeatView& view);
    ViewSnapshot(const ViewSnapshot&) = delete;
    ViewSnapshot& operator=(const ViewSnapshot&) = delete;

    state::SeatView View() const { return {round_, round_.Hand[seat_], seat_, biggest_bid_}; }
    // The card of a trump rank in the seat's hand; nullptr when it holds none.
    const cards::Kort* CardOfRank(int rank) const;

  private:
    void CopyCards(cards::KortHand& hand);

    std::array<cards::Kort, cards::kDeckSize> cards_{};
    state::RoundState round_;
    int seat_ = 0;
    int biggest_bid_ = 0;
};

}  // namespace coach
