#include "gamelog/LogBlocks.h"
#include "table/Table.h"

namespace table {

void Table::BjudNext() {
    timer1_.SetInterval(static_cast<int>(random_.Uniform() * 300) + 1200);
    if (timer1_.Tag == WaitStep::None) {
        timer1_.Tag = WaitStep::BidNext;
        return;
    }
    timer1_.Tag = WaitStep::None;
    round_.attBjuda = common::NextSeat(round_.attBjuda);
    // The three seats before the dealer have all passed: the dealer may not pass.
    if (round_.attBjuda == round_.attSaka && round_.gbHogstaBudet == 0) {
        round_.gbHogstaBudet = 5;
        Announce(Announcer().ForcedBid(round_.attSaka));
    }
    ctl_.Label[round_.attBjuda].ForeColor = common::kYellow;
    SeatBids(round_.attBjuda);
}

void Table::SeatBids(int seat) {
    const int biggest_bid = round_.gbHogstaBudet;
    const bidai::BidDecision decision = DecideBid(seat);
    log_.EndBlock();
    min_farg_[seat] = decision.MinFarg;
    cards::KortHand& hand = round_.Hand[seat];
    hand.PutBud(decision.bid);
    if (hand.HandSpelarTyp() == 1) {
        if (biggest_bid != 5 && decision.bid != 0 && round_.bSuggest) {
            hand.StickOutAllCardsOfFarg(decision.MinFarg);
        }
        LoadBjudform(decision.bid);
        return;
    }
    ComputerBid(seat, decision);
}

void Table::ComputerBid(int seat, const bidai::BidDecision& decision) {
    TellDecision(seat, state::Decision::Bid, decision.bid, round_.gbHogstaBudet);
    if (decision.bid > round_.gbHogstaBudet) {
        round_.gbHogstaBudet = decision.bid;
    }
    ctl_.LabelBud[seat].Caption = decision.bid > 0 ? std::to_string(decision.bid) : "Pass";
    ctl_.LabelBud[seat].Visible = true;
    ctl_.Label[seat].ForeColor = common::kBlack;
    round_.myGameStatus = 2;
    Run();
}

const std::string& Table::RulesFolder(int seat) const {
    if (!config_.team_folders) {
        return config_.folder;
    }
    return config_.team_folders->at(common::IsVi(seat) ? 0 : 1);
}

bidai::BidContext Table::MakeBidContext(int seat) {
    return bidai::BidContext{
        round_, round_.Hand[seat], deck_,  seat, round_.gbHogstaBudet, RulesFolder(seat), log_,
        *this,  dialogs_,          random_};
}

void Table::HittaHogBud() {
    int seat = common::NextSeat(round_.attSaka);
    int best = 0;
    if (round_.Hand[seat].GeBud() >= 0) {
        round_.gbBjuditHogst = seat;
        best = round_.Hand[seat].GeBud();
    }
    for (int i = 0; i < 3; ++i) {
        seat = common::NextSeat(seat);
        // A tie goes to the seat that spoke later.
        if (round_.Hand[seat].GeBud() >= best) {
            round_.gbBjuditHogst = seat;
            best = round_.Hand[seat].GeBud();
        }
    }
    if (best == 0) {
        round_.gbHogstaBudet = 6;
        PutBud(round_.gbBjuditHogst, 6);
    }
    gamelog::LogAuctionBlock(log_, round_.gbBjuditHogst, round_.gbHogstaBudet, round_.harPacko);
    Announce(Announcer().AuctionWon(round_.gbBjuditHogst, round_.gbHogstaBudet, 0));
    for (int s = 0; s < common::kSeats; ++s) {
        if (s != round_.gbBjuditHogst) {
            ctl_.LabelBud[s].Caption.clear();
        }
    }
}

void Table::PutBud(int seat, int bid) {
    round_.Hand[seat].PutBud(bid);
    if (bid >= 1) {
        ctl_.LabelBud[seat].Caption = std::to_string(bid);
        log_.Log("HUMAN Bids: " + std::to_string(bid));
    } else if (bid == 0) {
        ctl_.LabelBud[seat].Caption = "Pass";
        log_.Log("HUMAN Bids: PASS");
    }
    log_.EndBlock();
    ctl_.LabelBud[seat].Visible = true;
}

void Table::LoadBjudform(int suggested) {
    const int highest = round_.gbHogstaBudet;
    const bool dealer = round_.attBjuda == round_.attSaka;
    if (highest == 5 && dealer) {
        // The forced bid: the dealer is given 6 without being asked.
        TellDecision(round_.attBjuda, state::Decision::Bid, 6, highest);
        round_.gbHogstaBudet = 6;
        PutBud(round_.attBjuda, 6);
        UnloadBjudform();
        return;
    }
    ctl_.PBButtonsBackground.Visible = true;
    ctl_.PBBidChosen = -1;
    const int last_shown = dealer ? std::min(highest - 4, 9) : 9;
    const int last_inactive = std::min(highest - 5, 8);
    for (int i = 0; i < 10; ++i) {
        ctl_.PBBid[i].Visible = i <= last_shown;
        ctl_.PBBidDN[i].Visible = false;
        ctl_.PBBidLook[i] = i >= 1 && i <= last_inactive ? BidLook::Inactive : BidLook::Active;
        ctl_.PBBid[i].Tag.clear();
    }
    const int suggested_index = suggested >= 6 ? std::min(suggested - 5, 9) : 0;
    ctl_.PBBid[suggested_index].Tag = "Suggest";
    if (round_.bSuggest) {
        ShowBjudSuggestButton();
    }
}

void Table::ShowBjudSuggestButton() {
    for (int i = 0; i < 10; ++i) {
        if (ctl_.PBBid[i].Tag == "Suggest") {
            ctl_.PBBidLook[i] = BidLook::Suggested;
            return;
        }
    }
}

void Table::UnloadBjudform() {
    HideBidPanel();
    ctl_.Label[round_.attBjuda].ForeColor = common::kBlack;
    round_.myGameStatus = 2;
    Run();
}

void Table::HideBidPanel() {
    round_.Hand[common::kSyd].SattInKortIHanden();
    ctl_.LblSuggest.Caption.clear();
    ctl_.LblSuggest.Visible = false;
    for (int i = 0; i < 10; ++i) {
        ctl_.PBBid[i].Visible = ctl_.PBBidDN[i].Visible = false;
        ctl_.PBBid[i].Tag.clear();
        ctl_.PBBidDN[i].Tag.clear();
    }
    ctl_.PBButtonsBackground.Visible = false;
    ctl_.PBBidChosen = -1;
}

void Table::PBBid_MouseDown(int index) {
    if (BidAllowed(index)) {
        ctl_.PBBidDN[index].Visible = true;
        ctl_.PBBidLook[index] = BidLook::Pressed;
    }
}

void Table::PBBid_MouseUp(int index) {
    if (!BidAllowed(index)) {
        return;
    }
    ctl_.PBBidDN[index].Visible = false;
    TellDecision(round_.attBjuda, state::Decision::Bid, index > 0 ? index + 5 : 0,
                 round_.gbHogstaBudet);
    int bid = 0;
    if (index > 0) {
        round_.gbHogstaBudet = index + 5;
        bid = index + 5;
    }
    PutBud(round_.attBjuda, bid);
    timer1_.SetEnabled(false);
    timer1_.SetEnabled(true);
    UnloadBjudform();
}

}  // namespace table
