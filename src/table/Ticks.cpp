#include "table/Table.h"

namespace table {

std::optional<long long> Table::NextDue() const {
    return clock_.NextDue();
}

bool Table::StepClock(long long limit) {
    if (!clock_.Step(limit, [this](TableClock::TimerId timer) { Fire(timer); })) {
        return false;
    }
    AutoContinue();
    return true;
}

void Table::AdvanceTo(long long time) {
    while (StepClock(time)) {
    }
    clock_.MoveTo(time);
}

void Table::Fire(TableClock::TimerId timer) {
    switch (timer) {
        case TableClock::TimerId::Timer1:
            Timer1_Timer();
            break;
        case TableClock::TimerId::Timer2:
            Timer2_Timer();
            break;
        case TableClock::TimerId::Timer3:
            Timer3_Timer();
            break;
        case TableClock::TimerId::TimerAD:
            TimerAD_Timer();
            break;
    }
}

void Table::Timer1_Timer() {
    for (const WaitStep step : kTimer1Order) {
        if (timer1_.Tag == step) {
            TakeTimer1Step(step);
        }
    }
}

void Table::TakeTimer1Step(WaitStep step) {
    WaitStep& tag = timer1_.Tag;
    switch (step) {
        case WaitStep::BidNext:
            BjudNext();
            break;
        case WaitStep::TrumpChosen:
        case WaitStep::FindHighestBid:
            Run();
            break;
        case WaitStep::FindHighestBidAfterOne:
            tag = WaitStep::FindHighestBid;
            break;
        case WaitStep::Play:
            Play();
            break;
        case WaitStep::StartPlay:
            tag = WaitStep::None;
            Run();
            break;
        case WaitStep::StartPlayAfterOne:
            tag = WaitStep::StartPlay;
            break;
        case WaitStep::Aftermath:
            Aftermath();
            break;
        case WaitStep::AftermathAfterOne:
            tag = WaitStep::Aftermath;
            break;
        case WaitStep::Suggest:
            tag = WaitStep::None;
            SuggestSYD();
            break;
        case WaitStep::SuggestAfterOne:
            tag = WaitStep::Suggest;
            break;
        case WaitStep::SuggestAfterTwo:
            tag = WaitStep::SuggestAfterOne;
            break;
        case WaitStep::WaitToBuy:
            ctl_.LblClickVidare.Visible = !ctl_.LblClickVidare.Visible;
            break;
        default:
            break;
    }
}

void Table::Timer2_Timer() {
    if (timer2_.Tag == WaitStep::Deal) {
        DealNext();
    }
}

void Table::Timer3_Timer() {
    if (timer3_.Tag == WaitStep::Animate) {
        animation_.ScoreAnimationStep(round_, TrickCardLetters(), ctl_.LblScore, dialogs_);
    }
}

void Table::TimerAD_Timer() {
    ticker_.TimerAD_Timer(ctl_.LblTicker, timer_ad_);
}

bool Table::WaitsForClick() const {
    return timer3_.Tag == WaitStep::Animate || timer1_.Tag == WaitStep::WaitToBuy ||
           timer1_.Tag == WaitStep::RoundOver;
}

void Table::AutoContinue() {
    if (config_.auto_continue_ms <= 0 || !WaitsForClick()) {
        waiting_since_ = -1;
        return;
    }
    const long long now = clock_.Now();
    if (waiting_since_ < 0) {
        waiting_since_ = now;
    } else if (now - waiting_since_ >= config_.auto_continue_ms) {
        waiting_since_ = -1;
        AdvanceMe();
    }
}

void Table::AdvanceMe() {
    if (timer3_.Tag == WaitStep::Animate) {
        timer3_.Tag = WaitStep::None;
        ContinueAfterRound();
        Run();
    } else if (timer1_.Tag == WaitStep::WaitToBuy || timer1_.Tag == WaitStep::RoundOver) {
        timer1_.Tag = WaitStep::None;
        ctl_.LblClickVidare.Visible = false;
        Run();
    }
}

}  // namespace table
