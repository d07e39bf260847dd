#include "table/Table.h"

namespace table {

namespace {

// Position (1-based) of the first raised card, 0 when none stands out.
int RaisedPosition(const cards::KortHand& hand) {
    for (int i = 1; i <= hand.AntalKort(); ++i) {
        if (hand.CardAt(i)->Kop) {
            return i;
        }
    }
    return 0;
}

}  // namespace

void Table::KeyChooseCard(int step) {
    cards::KortHand& hand = round_.Hand[common::kSyd];
    const int count = hand.AntalKort();
    if (hand.HandAktivitat != 1 || count == 0 || step == 0) {
        return;
    }
    // The walk starts from the raised card (the suggestion raises its card), else beyond an
    // end, runs round from one end to the other, and passes over the grey cards that cannot be
    // played.
    const int direction = step > 0 ? 1 : -1;
    const int from = RaisedPosition(hand);
    int position = from == 0 ? (direction > 0 ? 0 : count + 1) : from;
    for (int tried = 0; tried < count; ++tried) {
        position += direction;
        position = position < 1 ? count : (position > count ? 1 : position);
        if (hand.CardAt(position)->IsOfColour(round_.gbFarg)) {
            hand.SattInKortIHanden();
            hand.StickOut(position);
            hand.refresh();
            return;
        }
    }
}

void Table::KeyChooseEndCard(bool last) {
    cards::KortHand& hand = round_.Hand[common::kSyd];
    if (hand.HandAktivitat != 1) {
        return;
    }
    // From beyond the other end, one step lands on the first playable card from this end.
    hand.SattInKortIHanden();
    KeyChooseCard(last ? -1 : 1);
}

bool Table::BidAllowed(int index) const {
    if (index < 0 || index > 9 || !ctl_.PBBid[index].Visible) {
        return false;
    }
    return index + 5 > round_.gbHogstaBudet || index == 0 || index == 9;
}

void Table::KeyChooseBid(int bid) {
    if (ctl_.PBButtonsBackground.Visible && bid >= 6 && BidAllowed(bid - 5)) {
        ctl_.PBBidChosen = bid - 5;
    }
}

void Table::KeyStepBid(int step) {
    if (!ctl_.PBButtonsBackground.Visible || step == 0) {
        return;
    }
    int index = ctl_.PBBidChosen;
    if (index < 0) {
        // The first step lands on the suggested bid when there is one.
        for (int i = 0; i < 10 && index < 0; ++i) {
            index = ctl_.PBBidLook[i] == BidLook::Suggested ? i : -1;
        }
        if (index >= 0) {
            ctl_.PBBidChosen = index;
            return;
        }
        index = step > 0 ? -1 : 10;
    }
    for (int i = index + step; i >= 0 && i <= 9; i += step) {
        if (BidAllowed(i)) {
            ctl_.PBBidChosen = i;
            return;
        }
    }
}

void Table::KeyPass() {
    if (ctl_.PBButtonsBackground.Visible && BidAllowed(0)) {
        PBBid_MouseDown(0);
        PBBid_MouseUp(0);
    }
}

void Table::KeyColour(int colour_index) {
    if (colour_index >= 0 && colour_index < 4 && ctl_.ImgFargUp[colour_index].Visible) {
        ImgFargUp_MouseDown(colour_index);
        ImgFargUp_MouseUp(colour_index);
    }
}

void Table::KeyEnter() {
    if (ctl_.PBButtonsBackground.Visible) {
        // Nothing chosen by the keys: the hinted bid is the one Enter makes.
        int chosen = ctl_.PBBidChosen;
        for (int i = 0; i < 10 && chosen < 0; ++i) {
            chosen = ctl_.PBBidLook[i] == BidLook::Suggested ? i : -1;
        }
        if (BidAllowed(chosen)) {
            PBBid_MouseDown(chosen);
            PBBid_MouseUp(chosen);
        }
        return;
    }
    const cards::KortHand& syd = round_.Hand[common::kSyd];
    if (syd.HandAktivitat == 1) {
        if (const int chosen = RaisedPosition(syd); chosen > 0) {
            PressHumanCard(chosen);
        }
        return;
    }
    TableClick();
}

void Table::KeyHint() {
    ctl_.ImgSuggestUp.Visible ? ImgSuggestUp_MouseDown() : ImgSuggestDn_MouseDown();
}

}  // namespace table
