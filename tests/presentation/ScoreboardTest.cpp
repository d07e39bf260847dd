#include <gtest/gtest.h>

#include <tuple>

#include "presentation/Scoreboard.h"

namespace presentation {
namespace {

RoundResult Round(int vi_total, int de_total, int bid_result, int bidder) {
    return RoundResult{vi_total, de_total, bid_result, bidder, false, false};
}

TEST(ViDeScoreboard, TwelfthRoundDropsTheFirstAndFillsTheLastRow) {
    ViDeScoreboard board;
    for (int round = 1; round <= 12; ++round) {
        board.ScoreboardAddRound(Round(round, 100 + round, 6, round % 4));
    }
    EXPECT_EQ(board.RowCount(), kScoreboardRows);
    for (int row = 0; row < kScoreboardRows; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(board.ViTotal(row), row + 2) << "round 1 is gone, round 2 sits on top";
        EXPECT_EQ(board.Rows()[row].vi_label.Caption, std::to_string(row + 2));
        EXPECT_EQ(board.Rows()[row].de_label.Caption, std::to_string(row + 102));
        EXPECT_EQ(board.Bidder(row), std::to_string((row + 2) % 4));
        EXPECT_EQ(board.Rows()[row].bidder.seat, (row + 2) % 4);
        EXPECT_TRUE(board.Rows()[row].bidder.visible);
    }
}

TEST(ViDeScoreboard, BidStripShowsOneMarkPerStepAboveFiveInTheRightStyle) {
    ViDeScoreboard board;
    board.ScoreboardAddRound(Round(6, 2, 6, 0));
    board.ScoreboardAddRound(Round(20, -12, -14, 1));
    // Shown, made, marks and width of a row's strip.
    const auto strip = [&board](int row) {
        const BidStrip& s = board.Rows()[row].strip;
        return std::make_tuple(s.visible, s.made, s.marks, s.Width());
    };
    EXPECT_EQ(strip(0), std::make_tuple(true, true, 1, 37)) << "six made";
    EXPECT_EQ(strip(1), std::make_tuple(true, false, 9, 9 * 37)) << "fourteen lost";
    EXPECT_FALSE(board.Rows()[2].strip.visible) << "rows not yet played stay hidden";
    EXPECT_FALSE(board.Rows()[2].bidder.visible);
    EXPECT_EQ(board.Rows()[2].vi_label.Caption, "");
}

TEST(ViDeScoreboard, GameWinnerColoursOnlyItsOwnColumnUntilCleared) {
    ViDeScoreboard board;
    board.ScoreboardAddRound(Round(30, 20, 7, 0));
    RoundResult last = Round(63, 25, 8, 2);
    last.vi_won = true;
    board.ScoreboardAddRound(last);
    for (int row = 0; row < kScoreboardRows; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(board.Rows()[row].vi_label.ForeColor, common::kRed);
        EXPECT_EQ(board.Rows()[row].de_label.ForeColor, common::kYellow);
    }
    board.ScoreboardClear();
    EXPECT_EQ(board.RowCount(), 0);
    EXPECT_EQ(board.Rows()[0].vi_label.ForeColor, common::kYellow);
    EXPECT_EQ(board.Rows()[0].vi_label.Caption, "");
    EXPECT_FALSE(board.Rows()[1].strip.visible);
    EXPECT_EQ(board.Bidder(0), "0");
}

}  // namespace
}  // namespace presentation
