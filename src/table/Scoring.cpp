#include "persistence/Statistics.h"
#include "table/Table.h"

namespace table {

void Table::Aftermath() {
    timer1_.SetInterval(1000);
    timer1_.SetEnabled(true);
    if (timer1_.Tag == WaitStep::None) {
        timer1_.Tag = WaitStep::AftermathAfterOne;
        return;
    }
    timer1_.Tag = WaitStep::None;
    ctl_.LblClickVidare.Visible = true;
    ctl_.EndTrickDisplay();
    ScoreRound();
    ctl_.LblScore.Caption =
        std::to_string(round_.PointsVi) + " : " + std::to_string(round_.PointsDe);
    ctl_.LblScore.Visible = true;
    round_.myGameStatus = 1;
    timer1_.Tag = WaitStep::RoundOver;
    animation_.Start();
    timer3_.Tag = WaitStep::Animate;
    ctl_.ImgReplayUp.Visible = true;
    ctl_.ImgReplayUp.Enabled = ctl_.ImgReplayDn.Enabled = true;
}

void Table::ScoreRound() {
    const int bid = round_.gbHogstaBudet;
    const bool vi_bid = common::IsVi(round_.gbBjuditHogst);
    int& bidders = vi_bid ? round_.PointsVi : round_.PointsDe;
    const bool made = bidders >= bid;
    Announce(Announcer().RoundResult(vi_bid, bid, bidders));
    if (!made) {
        bidders = -bid;  // the defenders always keep what they took
    }
    if (round_.bReplay) {
        return;  // a replayed round changes no totals, statistics or scoreboard
    }
    round_.gbVi += round_.PointsVi;
    round_.gbDe += round_.PointsDe;
    presentation::RoundResult result;
    result.vi_total = round_.gbVi;
    result.de_total = round_.gbDe;
    result.bidder = round_.gbBjuditHogst;
    result.bid_result = made ? bid : -bid;
    const bool vi_over = round_.gbVi > 61;
    const bool de_over = round_.gbDe > 61;
    if (vi_over || de_over) {
        // Both past 61 in the same round: the bidding side wins.
        const bool vi_won = vi_over && de_over ? vi_bid : vi_over;
        (vi_won ? result.vi_won : result.de_won) = true;
        ctl_.LblGameOver.Visible = true;
        ticker_.StartTicker(texts_.news_line, ctl_.LblTicker, timer_ad_);
        CountGameWon(vi_won);
        Announce(Announcer().GameWon(vi_won, round_.gbVi, round_.gbDe));
    }
    scoreboard_.ScoreboardAddRound(result);
    // A finished game leaves nothing to continue; otherwise the next start deals afresh.
    if (vi_over || de_over) {
        ForgetResumeRecord();
    } else {
        KeepResumeRecord(false);
    }
}

void Table::CountGameWon(bool vi_won) {
    const int count = persistence::CountGameWon(
        settings_, vi_won ? persistence::Team::Vi : persistence::Team::De);
    (vi_won ? ctl_.LblStatisticVi : ctl_.LblStatisticDe).Caption = std::to_string(count);
}

}  // namespace table
