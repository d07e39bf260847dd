// What the table shows: the scoreboard's rows, the count that runs through a round's tricks, the
// news line that scrolls by, and the places of the cards of a hand.
#include <gtest/gtest.h>

#include <deque>
#include <tuple>
#include <vector>

#include "common/ScriptedDialogs.h"
#include "presentation/HandGeometry.h"
#include "presentation/ScoreAnimation.h"
#include "presentation/Scoreboard.h"
#include "presentation/Ticker.h"

namespace presentation {
namespace {

// A played-out round: the hands are empty and each seat's table spot holds the trump cards it
// played, where the animation raises them.
class ScoreAnimationTest : public ::testing::Test {
  protected:
    // Trick t: the Rang each seat played and the points each side took.
    void SetTrick(int t, std::array<int, 4> rangs, int vi, int de, std::string letter) {
        round_.TrickHistory[t] = rangs;
        round_.TrickPointsVi[t] = vi;
        round_.TrickPointsDe[t] = de;
        letters_[t] = std::move(letter);
        for (int seat = 0; seat < 4; ++seat) {
            if (rangs[seat] > 0) {
                cards::Kort& card = deck_.emplace_back();
                card.Rang = rangs[seat];
                card.Nr = static_cast<int>(deck_.size());
                round_.Bord[seat].AddACardOSort(&card);
            }
        }
        round_.PointsVi += vi;
        round_.PointsDe += de;
    }

    void Step() { animation_.ScoreAnimationStep(round_, letters_, LblScore_, dialogs_); }

    // The ranks raised on each seat's spot.
    std::array<std::vector<int>, 4> Raised() const {
        std::array<std::vector<int>, 4> raised;
        for (int seat = 0; seat < 4; ++seat) {
            for (const cards::Kort* card : round_.Bord[seat].Cards()) {
                if (card->Kop) {
                    raised[seat].push_back(card->Rang);
                }
            }
        }
        return raised;
    }
    using Ranks = std::array<std::vector<int>, 4>;

    std::deque<cards::Kort> deck_;  // stable addresses for the hands
    state::RoundState round_;
    std::array<std::string, state::kTricks> letters_{};
    common::Control LblScore_;
    common::ScriptedDialogs dialogs_;
    ScoreAnimation animation_;
};

TEST_F(ScoreAnimationTest, SkipsTricksWithoutPointsAndCountsUpToTheFinalScore) {
    SetTrick(1, {14, 13, 11, 12}, 2, 0, "A");  // ace and jack to Vi
    SetTrick(2, {9, 8, 7, 6}, 0, 0, "9");      // no point card
    SetTrick(3, {3, 5, 2, 10}, 0, 6, "V");     // five and ten to De
    SetTrick(4, {0, 4, 1, 0}, 1, 5, "v");      // De wins the other fivra, Vi keeps its two
    animation_.Start();

    Step();  // shows trick 1
    EXPECT_EQ(LblScore_.Caption, "2 : 0");
    EXPECT_TRUE(LblScore_.Visible);
    EXPECT_EQ(Raised(), (Ranks{{{14}, {}, {11}, {}}})) << "a card without points stays down";
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kAdvance);

    Step();  // lowered again, on to trick 3
    EXPECT_EQ(Raised(), Ranks{});
    EXPECT_EQ(animation_.Trick(), 3) << "trick 2 holds no point card";

    Step();
    EXPECT_EQ(LblScore_.Caption, "2 : 6") << "the running score is the shown tricks' sum";
    EXPECT_EQ(Raised(), (Ranks{{{}, {5}, {}, {10}}}));

    Step();
    Step();
    EXPECT_EQ(LblScore_.Caption, "3 : 11");
    EXPECT_EQ(Raised(), (Ranks{{{}, {4}, {1}, {}}}));

    Step();  // tricks 5 and 6 were never played: the final score comes next
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kFinal);
    round_.PointsVi = -8;  // the bid check may turn the bidder's points into minus the bid
    Step();
    EXPECT_EQ(LblScore_.Caption, "-8 : 11");
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kRestart);

    Step();  // starts over
    EXPECT_FALSE(LblScore_.Visible);
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kShowTrick);
    Step();
    EXPECT_EQ(LblScore_.Caption, "2 : 0") << "the second turn counts from nothing again";
    EXPECT_TRUE(LblScore_.Visible);
    EXPECT_EQ(Raised(), (Ranks{{{14}, {}, {11}, {}}}));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ScoreAnimationTest, RoundWithoutAnyPointCardEndsOnTheFinalScore) {
    SetTrick(1, {9, 8, 7, 6}, 0, 0, "9");
    SetTrick(2, {13, 12, 3, 2}, 0, 0, "K");
    animation_.Start();
    for (int tick = 0; tick < 20; ++tick) {
        Step();
        ASSERT_TRUE(dialogs_.messages.empty());
    }
    animation_.Start();
    Step();
    Step();
    EXPECT_EQ(animation_.Status(), ScoreAnimation::kFinal);
    Step();
    EXPECT_EQ(LblScore_.Caption, "0 : 0");
}

TEST(ViDeScoreboard, TwelfthRoundDropsTheFirstAndFillsTheLastRow) {
    ViDeScoreboard board;
    for (int round = 1; round <= 12; ++round) {
        board.ScoreboardAddRound(RoundResult{round, 100 + round, 6, round % 4});
    }
    EXPECT_EQ(board.RowCount(), kScoreboardRows);
    for (int row = 0; row < kScoreboardRows; ++row) {
        const auto& shown = board.Rows()[row];
        const int round = row + 2;  // round 1 is gone, round 2 sits on top
        EXPECT_EQ(std::tuple(board.ViTotal(row), shown.vi_label.Caption, shown.de_label.Caption,
                             board.Bidder(row), shown.bidder.seat, shown.bidder.visible),
                  std::tuple(round, std::to_string(round), std::to_string(round + 100),
                             std::to_string(round % 4), round % 4, true))
            << "row " << row;
    }
}

TEST(ViDeScoreboard, BidStripShowsOneMarkPerStepAboveFiveInTheRightStyle) {
    ViDeScoreboard board;
    board.ScoreboardAddRound(RoundResult{6, 2, 6, 0});
    board.ScoreboardAddRound(RoundResult{20, -12, -14, 1});
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
    board.ScoreboardAddRound(RoundResult{30, 20, 7, 0});
    board.ScoreboardAddRound(RoundResult{63, 25, 8, 2, true});  // Vi won the game
    for (int row = 0; row < kScoreboardRows; ++row) {
        EXPECT_EQ(
            std::pair(board.Rows()[row].vi_label.ForeColor, board.Rows()[row].de_label.ForeColor),
            std::pair(common::kRed, common::kYellow))
            << "row " << row;
    }
    board.ScoreboardClear();
    EXPECT_EQ(std::tuple(board.RowCount(), board.Rows()[0].vi_label.ForeColor,
                         board.Rows()[0].vi_label.Caption, board.Rows()[1].strip.visible,
                         board.Bidder(0)),
              std::tuple(0, common::kYellow, "", false, "0"));
}

struct TickerFixture : ::testing::Test {
    void Ticks(int n) {
        for (int tick = 0; tick < n; ++tick) {
            ticker.TimerAD_Timer(label, TimerAD);
        }
    }

    long long now = 0;
    common::Timer TimerAD{now, 20, false};
    common::Control label;
    Ticker ticker;
};

TEST_F(TickerFixture, FortyCharacterLineScrollsInStandsAndScrollsOut) {
    const std::string line = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    ticker.StartTicker(line, label, TimerAD);
    EXPECT_EQ(std::tuple(label.Caption, label.Visible, TimerAD.Enabled(), TimerAD.Tag),
              std::tuple(std::string(60, ' ') + "012345", true, true, "60"));

    Ticks(60);
    EXPECT_EQ(label.Caption, line) << "fully scrolled in after 60 ticks";
    Ticks(200);
    EXPECT_EQ(label.Caption, line) << "stands still for 200 ticks";
    Ticks(39);
    EXPECT_EQ(label.Caption, "D");
    Ticks(1);
    EXPECT_EQ(std::tuple(label.Caption, TimerAD.Enabled()), std::tuple("", false))
        << "nothing left to scroll";

    Ticks(1);
    EXPECT_EQ(label.Caption, "") << "an empty caption ends the ticking";
}

TEST_F(TickerFixture, StopClearsAndHides) {
    ticker.StartTicker("news", label, TimerAD);
    ticker.StopTicker(label, TimerAD);
    EXPECT_EQ(std::tuple(label.Caption, ticker.TickerText(), label.Visible, TimerAD.Enabled()),
              std::tuple("", "", false, false));
}

TEST_F(TickerFixture, SwedishLettersAreNeverCutInHalf) {
    const std::string line = "Kolla för nyheter och uppdateringar på ÅÄÖ-sidan, så får du veta";
    ticker.StartTicker(line, label, TimerAD);
    for (int tick = 0; tick < 400; ++tick) {
        ticker.TimerAD_Timer(label, TimerAD);
        const std::string& shown = label.Caption;
        if (!shown.empty()) {
            ASSERT_NE(static_cast<unsigned char>(shown.front()) & 0xC0, 0x80) << "tick " << tick;
            ASSERT_LT(static_cast<unsigned char>(shown.back()), 0xC0) << "tick " << tick;
        }
    }
    EXPECT_EQ(label.Caption, "");
    EXPECT_EQ(Utf8Prefix("åäö", 2), "åä");
}

TEST(HandGeometry, HitTestAtTheEdges) {
    const HandSize row = ControlSize(9, 0);
    // Left of the first card: position 1. Beyond the last card but within the margin: the
    // last card. Far beyond: nothing.
    EXPECT_EQ(CardAtPoint(0, 10, row, 9, 0, 6), 1);
    const int slot = row.width / 11;
    EXPECT_EQ(CardAtPoint(2 * slot + 1, 10, row, 9, 0, 6), 3);
    EXPECT_EQ(CardAtPoint(7 * slot + 1, 10, row, 9, 0, 6), 6);
    EXPECT_EQ(CardAtPoint(9 * slot + 1, 10, row, 9, 0, 6), 0);
    const HandSize column = ControlSize(9, 1);
    EXPECT_EQ(CardAtPoint(5, 0, column, 9, 1, 9), 1);
}

TEST(HandGeometry, RaisedCardsStandOutTowardsTheCentre) {
    EXPECT_EQ(CardPosition(2, true, "VAST", 1).x, 71 / 9);
    EXPECT_EQ(CardPosition(2, false, "VAST", 1).x, 0);
    EXPECT_EQ(CardPosition(1, true, "NORD", 0).y, 96 / 10);
    EXPECT_EQ(CardPosition(1, true, "SYD", 0).y, 0);
    EXPECT_EQ(CardPosition(1, false, "SYD", 0).y, 96 / 10);
    EXPECT_EQ(CardPosition(3, false, "OST", 1).x, 71 / 9);
    EXPECT_EQ(CardPosition(3, false, "OST", 1).y, 96);
}

}  // namespace
}  // namespace presentation
