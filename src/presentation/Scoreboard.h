#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/Control.h"

namespace presentation {

inline constexpr int kScoreboardRows = 11;

// What the round scoring hands to the scoreboard after each round.
struct RoundResult {
    int vi_total = 0;
    int de_total = 0;
    int bid_result = 0;  // +bid when the bidding side made it, -bid when it did not
    int bidder = 0;      // seat that won the auction
    bool vi_won = false;
    bool de_won = false;

    bool operator==(const RoundResult&) const = default;
};

// The strip that shows a row's bid: one mark per bid step above 5.
struct BidStrip {
    static constexpr int kMarkWidth = 37;  // pixels per mark

    bool visible = false;
    bool made = false;  // the made-bid picture, else the lost-bid picture
    int marks = 0;      // bid - 5: one for a 6, nine for a 14

    int Width() const { return marks * kMarkWidth; }
    bool operator==(const BidStrip&) const = default;
};

struct SeatPicture {
    bool visible = false;
    int seat = 0;
    bool operator==(const SeatPicture&) const = default;
};

// One row as the view draws it.
struct ScoreboardRow {
    common::Control vi_label;
    common::Control de_label;
    SeatPicture bidder;
    BidStrip strip;
    bool operator==(const ScoreboardRow&) const = default;
};

// The running scoreboard of a game: one row per round, the oldest dropped after eleven.
class ViDeScoreboard {
  public:
    ViDeScoreboard() { ScoreboardClear(); }

    void ScoreboardClear();
    // Rows 1..10 move up to rows 0..9; the next round fills row 10.
    void ScoreboardShift();
    void ScoreboardAddRound(const RoundResult& result);

    // The rounds on the board, oldest first, and the board rebuilt from them (a kept game).
    std::vector<RoundResult> Rounds() const;
    void Restore(const std::vector<RoundResult>& rounds);

    const std::array<ScoreboardRow, kScoreboardRows>& Rows() const { return view_; }
    // Index of the row the next round fills.
    int RowCount() const { return row_count_; }

    int ViTotal(int row) const { return history_.at(static_cast<std::size_t>(row)).vi_total; }
    int Result(int row) const { return history_.at(static_cast<std::size_t>(row)).result; }
    const std::string& Bidder(int row) const {
        return history_.at(static_cast<std::size_t>(row)).bidder;
    }

  private:
    struct Entry {
        int vi_total = 0;
        int de_total = 0;
        int result = 0;
        std::string bidder = "0";  // seat as decimal text
    };

    void ShowRow(int row);

    std::array<Entry, kScoreboardRows> history_;
    std::array<ScoreboardRow, kScoreboardRows> view_;
    int row_count_ = 0;
};

}  // namespace presentation
