#include "table/Table.h"

// What the game menu asks of the table beyond the table's own buttons: a new game, and the
// computer at the human's seat.
namespace table {

bool Table::NewGame() {
    if (round_.GamePlaying &&
        !dialogs_.AskYesNo(texts_.new_game_question, "Fivra", common::AskIcon::Question)) {
        return false;
    }
    // Whatever the round was waiting for goes with it: the dealing, a pending step, the score
    // count, the panels open for the human.
    for (StepTimer* timer : {&timer1_, &timer2_, &timer3_}) {
        timer->Tag = WaitStep::None;
    }
    HideBidPanel();
    ctl_.UnloadFargForm();
    round_.Hand[common::kSyd].HandAktivitat = 0;
    ticker_.StopTicker(ctl_.LblTicker, timer_ad_);
    Announce("");
    ctl_.LblClickVidare.Visible = false;
    round_.bReplay = false;
    round_.gbVi = 0;
    round_.gbDe = 0;
    scoreboard_.ScoreboardClear();
    game_tally_ = {};
    ForgetResumeRecord();
    round_.myGameStatus = 1;
    Run();
    return true;
}

void Table::SetComputerPlaysSyd(bool on, int auto_continue_ms) {
    config_.computer_plays_syd = on;
    config_.auto_continue_ms = on ? auto_continue_ms : 0;
    waiting_since_ = -1;
    cards::KortHand& syd = round_.Hand[common::kSyd];
    syd.SetHandSpelarTyp(on ? 0 : 1);
    syd.VisaHanden = 0;  // the player watches the own cards being played
    syd.refresh();
    if (on) {
        DecideForSyd();
    }
}

void Table::DecideForSyd() {
    if (ctl_.PBButtonsBackground.Visible) {
        int bid = 0;  // a pass, unless the hint marks a bid
        for (int i = 0; i < 10; ++i) {
            bid = ctl_.PBBidLook[i] == BidLook::Suggested ? i : bid;
        }
        PBBid_MouseDown(bid);
        PBBid_MouseUp(bid);
    } else if (ctl_.ImgFargUp[0].Visible) {
        // The colour the bid was made in, else the colour SYD holds most of.
        int best = common::ColourIndex(min_farg_[common::kSyd]);
        if (best < 0) {
            const cards::KortHand& hand = round_.Hand[common::kSyd];
            best = 0;
            for (int c = 1; c < 4; ++c) {
                if (hand.AntalKortIFarg(common::ColourCode(c)) >
                    hand.AntalKortIFarg(common::ColourCode(best))) {
                    best = c;
                }
            }
        }
        ImgFargUp_MouseDown(best);
        ImgFargUp_MouseUp(best);
    } else if (round_.Hand[common::kSyd].HandAktivitat == 1) {
        // The card the rules chose for SYD when the turn came, as the hint shows it.
        const cards::KortHand& hand = round_.Hand[common::kSyd];
        int position = suggest_position_;
        const auto playable = [&](int p) {
            return p >= 1 && p <= hand.AntalKort() && hand.CardAt(p)->IsOfColour(round_.gbFarg);
        };
        for (int p = 1; !playable(position) && p <= hand.AntalKort(); ++p) {
            position = p;
        }
        PressHumanCard(position);
    }
}

}  // namespace table
