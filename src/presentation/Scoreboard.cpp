#include "presentation/Scoreboard.h"

#include <algorithm>
#include <cstdlib>

#include "common/Names.h"
#include "common/NumberText.h"

namespace presentation {

namespace {

constexpr int kLowestBid = 6;
constexpr int kHighestBid = 14;

}  // namespace

void ViDeScoreboard::ScoreboardClear() {
    for (std::size_t i = 0; i < history_.size(); ++i) {
        history_[i] = Entry{};
        ScoreboardRow& row = view_[i];
        row.bidder.visible = false;
        row.strip.visible = false;
        for (common::Control* label : {&row.vi_label, &row.de_label}) {
            label->Caption.clear();
            label->ForeColor = common::kYellow;
            label->Visible = false;
        }
    }
    row_count_ = 0;
}

void ViDeScoreboard::ScoreboardShift() {
    std::copy(history_.begin() + 1, history_.end(), history_.begin());
    row_count_ = kScoreboardRows - 1;
}

void ViDeScoreboard::ScoreboardAddRound(const RoundResult& result) {
    if (row_count_ > kScoreboardRows - 1) {
        ScoreboardShift();
    }
    history_[static_cast<std::size_t>(row_count_)] =
        Entry{result.vi_total, result.de_total, result.bid_result, std::to_string(result.bidder)};
    for (int i = 0; i < kScoreboardRows; ++i) {
        ScoreboardRow& row = view_[static_cast<std::size_t>(i)];
        if (result.vi_won) {
            row.vi_label.ForeColor = common::kRed;
        }
        if (result.de_won) {
            row.de_label.ForeColor = common::kRed;
        }
        if (i <= row_count_) {
            ShowRow(i);
        }
    }
    ++row_count_;
}

std::vector<RoundResult> ViDeScoreboard::Rounds() const {
    std::vector<RoundResult> rounds;
    for (int i = 0; i < row_count_; ++i) {
        const Entry& entry = history_[static_cast<std::size_t>(i)];
        RoundResult round;
        round.vi_total = entry.vi_total;
        round.de_total = entry.de_total;
        round.bid_result = entry.result;
        round.bidder = common::RoundToInt(common::LeadingNumber(entry.bidder));
        rounds.push_back(round);
    }
    return rounds;
}

void ViDeScoreboard::Restore(const std::vector<RoundResult>& rounds) {
    ScoreboardClear();
    const std::size_t kept = std::min(rounds.size(), static_cast<std::size_t>(kScoreboardRows));
    for (auto it = rounds.end() - static_cast<std::ptrdiff_t>(kept); it != rounds.end(); ++it) {
        ScoreboardAddRound(*it);
    }
}

void ViDeScoreboard::ShowRow(int i) {
    const Entry& entry = history_[static_cast<std::size_t>(i)];
    ScoreboardRow& row = view_[static_cast<std::size_t>(i)];
    row.vi_label.Caption = std::to_string(entry.vi_total);
    row.vi_label.Visible = true;
    row.de_label.Caption = std::to_string(entry.de_total);
    row.de_label.Visible = true;

    // The bidder is kept as text; anything that is no seat shows SYD's picture rather than
    // an index outside the four seat pictures.
    const int seat = common::RoundToInt(common::LeadingNumber(entry.bidder));
    row.bidder.seat = seat >= 0 && seat < common::kSeats ? seat : common::kSyd;
    row.bidder.visible = true;

    const int bid = std::clamp(std::abs(entry.result), kLowestBid - 1, kHighestBid);
    row.strip.made = entry.result > 0;
    row.strip.marks = bid - (kLowestBid - 1);
    row.strip.visible = true;
}

}  // namespace presentation
