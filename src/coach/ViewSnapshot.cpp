#include "coach/ViewSnapshot.h"

#include <vector>

namespace coach {

ViewSnapshot::ViewSnapshot(const state::SeatView& view)
    : round_(view.round), seat_(view.seat), biggest_bid_(view.biggest_bid) {
    for (int s = 0; s < common::kSeats; ++s) {
        CopyCards(round_.Hand[s]);
        CopyCards(round_.Bord[s]);
    }
    CopyCards(round_.KortKilled);
}

void ViewSnapshot::CopyCards(cards::KortHand& hand) {
    const std::vector<cards::Kort*> held = hand.Cards();
    hand.ClearHand();
    for (const cards::Kort* card : held) {
        cards::Kort& copy = cards_.at(static_cast<std::size_t>(card->Nr));
        copy = *card;
        hand.AddACardOSort(&copy);  // in the same order
    }
}

const cards::Kort* ViewSnapshot::CardOfRank(int rank) const {
    const cards::KortHand& hand = round_.Hand[seat_];
    const int position = hand.FindCardIDXofRang(rank, round_.gbFarg);
    return position > 0 ? hand.CardAt(position) : nullptr;
}

}  // namespace coach
