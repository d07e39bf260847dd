#include "gamelog/LogBlocks.h"
#include "table/Table.h"

namespace table {

namespace {

// The colour prefix of a card in the deal's packet lines; the fives, whose farg is a
// colour pair, get none.
const char* DealPrefix(int farg) {
    switch (farg) {
        case common::kHjarter:
            return "Hj ";
        case common::kRuter:
            return "Ru ";
        case common::kKlover:
            return "Kl ";
        case common::kSpader:
            return "Sp ";
        default:
            return "";
    }
}

std::string PaddedSeatName(int seat) {
    std::string name(common::SeatName(seat));
    name.resize(7, ' ');
    return name;
}

}  // namespace

void Table::DealStart() {
    TomAllaBord();
    TomAllaHander();
    // A replay, and a kept game that goes on with its logged deal, deal the deck unshuffled.
    if (!round_.bReplay && !deal_restored_) {
        deck_.TomPacke();
        if (!stack_deck || !stack_deck(deck_)) {
            deck_.Saka();
        }
    }
    deal_restored_ = false;
    gamelog::LogRoundStart(log_, round_.gbVi, round_.gbDe, deck_);
    LogSeatLevels();
    ctl_.UnloadFargForm();
    for (auto& mark : ctl_.ImgFargChosen) {
        mark.Visible = false;
    }
    for (int i = 0; i < 10; ++i) {
        ctl_.PBBid[i].Visible = ctl_.PBBidDN[i].Visible = false;
    }
    ctl_.PBButtonsBackground.Visible = false;
    for (int s = 0; s < common::kSeats; ++s) {
        round_.Hand[s].ClearHand();
        round_.Hand[s].PutBud(-1);
        ctl_.LabelBud[s].Caption.clear();
        ctl_.Label[s].ForeColor = common::kBlack;
    }
    ctl_.PakkoImageXP[round_.attSaka].Visible = true;
    log_.Log("DELAR UT KORT - (6)=Röd Fivra, (9)=Svart Fivra");
    log_.Log("");
    round_.DealStep = 0;
    round_.DealSeat = common::NextSeat(round_.attSaka);
    timer2_.Tag = WaitStep::Deal;
}

void Table::DealNext() {
    if (round_.DealStep < 3) {
        DealPacket();
    } else {
        DealPause();
        ++round_.DealStep;
    }
}

void Table::DealPacket() {
    const int seat = round_.DealSeat;
    cards::KortHand& hand = round_.Hand[seat];
    hand.SattInKortIHanden();
    std::string line = PaddedSeatName(seat);
    for (int i = 0; i < 3; ++i) {
        cards::Kort* card = deck_.GeKort();
        line += DealPrefix(card->farg);
        if (card->Typ == "5") {
            line += " (" + std::to_string(card->farg) + ") ";
        }
        line += card->Typ + "  ";
        // The newest packet stands out until the next one comes.
        if (round_.DealStep != 0 && !card->IsNoCard()) {
            card->Kop = true;
        }
        hand.AddACardOSort(card);
    }
    log_.Log(line);
    log_.Log("");
    ctl_.Label[seat].Caption = hand.HandNamn;
    hand.refresh();
    round_.DealSeat = common::NextSeat(round_.DealSeat);
    if (seat == round_.attSaka) {
        ++round_.DealStep;
        log_.EndBlock();  // a packet for every seat
    }
}

void Table::DealPause() {
    if (round_.DealStep == 5) {
        for (auto& hand : round_.Hand) {
            hand.SattInKortIHanden();
            hand.refresh();
        }
    } else if (round_.DealStep == 12) {
        round_.Hand[common::kSyd].SortHand();
    } else if (round_.DealStep >= 15) {
        timer2_.Tag = WaitStep::None;
        BjudNext();
    }
}

}  // namespace table
