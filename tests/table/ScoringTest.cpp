// Tricks and the round's score: who takes which points, the bid check, the end of a game.
// Every seat plays the first trump card of its hand, so the scripts below decide each trick.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;

// A bid of 6 by `bidder`; the hands in seat order SYD, VAST, NORD, OST.
ScriptedRound Holding(int bidder, std::array<std::vector<int>, common::kSeats> hands) {
    ScriptedRound script;
    script.bidder = bidder;
    script.hands = std::move(hands);
    return script;
}

struct ScoreCase {
    const char* what;
    ScriptedRound script;
    int points_vi, points_de;                 // the round's score, a missed bid as minus the bid
    int points_left, points_left_no_ace_two;  // the second counts the ace, not the two
};

TEST(Scoring, TricksPointsAndTheBidCheck) {
    const ScoreCase cases[] = {
        {"NORD leads the ace, OST's two scores for De in it and the bid of 6 is missed",
         Holding(common::kNord, {{{Nr("K", kH)}, {Nr("10", kH)}, {Nr("A", kH)}, {Nr("2", kH)}}}),
         -6, 1, 11, 11},
        {"VAST leads the king, SYD plays last and takes the trick with the ace",
         Holding(common::kVast, {{{Nr("A", kH)}, {Nr("K", kH)}, {Nr("3", kH)}, {Nr("4", kH)}}}), 1,
         -6, 13, 12},
        {"nobody holds trump: every hand is laid down and the bid fails at once",
         Holding(common::kNord, {{{Nr("K", common::kSpader)}, {}, {Nr("A", common::kKlover)}, {}}}),
         -6, 0, 14, 12},
        {"De's bid made exactly", DeTakesSixViTwo(6, 0, 0), 2, 6, 6, 5},
        {"De's bid missed by one", DeTakesSixViTwo(7, 10, 3), 2, -7, 6, 5},
    };
    for (const ScoreCase& c : cases) {
        SCOPED_TRACE(c.what);
        StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
        ASSERT_TRUE(StartPlayFrom(rig.table, c.script));
        ASSERT_TRUE(rig.RunToStep(table::WaitStep::RoundOver));
        const state::RoundState& round = rig.table.State();
        EXPECT_EQ(std::tuple(round.PointsVi, round.PointsDe, round.PointsLeft,
                             round.PointsLeftNoAceTwo, rig.table.Ctl().LblScore.Caption),
                  std::tuple(c.points_vi, c.points_de, c.points_left, c.points_left_no_ace_two,
                             std::to_string(c.points_vi) + " : " + std::to_string(c.points_de)));
        for (const cards::KortHand& hand : round.Hand) {
            EXPECT_EQ(hand.AntalKort(), 0) << "every hand is out of cards";
        }
    }
}

struct GameEndCase {
    int vi = 0;
    int de = 0;
    bool vi_won = false;
    bool de_won = false;
    const char* what = "";
};

TEST(GameEnd, GameIsWonBeyondSixtyOneAndBothBeyondGoesToTheBidders) {
    const GameEndCase cases[] = {
        {61, 56, false, true, "63 : 62, both beyond: VAST's side wins with the smaller total"},
        {40, 55, false, false, "42 : 61, exactly 61 has not won"},
        {60, 10, true, false, "62 : 16, Vi wins without the bid"},
    };
    for (const GameEndCase& c : cases) {
        SCOPED_TRACE(c.what);
        StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
        ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(6, c.vi, c.de)));
        ASSERT_TRUE(rig.RunToStep(table::WaitStep::RoundOver));
        const bool over = c.vi_won || c.de_won;
        EXPECT_EQ(
            std::tuple(rig.table.Ctl().LblGameOver.Visible,
                       rig.settings.RegReadSetting("user", "Statistic", "TotalVi", "0"),
                       rig.settings.RegReadSetting("user", "Statistic", "TotalDe", "0"),
                       rig.table.Ctl().LblStatisticDe.Caption, rig.table.Scoreboard().RowCount()),
            std::tuple(over, c.vi_won ? "1" : "0", c.de_won ? "1" : "0", c.de_won ? "1" : "0", 1));
        if (over) {
            // Counted, with the game's figures, and the resume record cleared in one write: a
            // stop in between would offer the won game again and count it twice.
            EXPECT_THAT(
                rig.settings.LastWrite(),
                ::testing::IsSupersetOf({c.vi_won ? "Statistic/TotalVi" : "Statistic/TotalDe",
                                         "Resume/Game", "Statistic/LastGames"}));
        }
        // The click: a won game's next round starts from nothing, else the game goes on.
        rig.table.TableClick();
        const state::RoundState& round = rig.table.State();
        EXPECT_EQ(std::tuple(round.gbVi, round.gbDe, rig.table.Scoreboard().RowCount(),
                             rig.table.Scoreboard().Rows()[0].vi_label.Caption.empty(),
                             rig.table.Ctl().LblGameOver.Visible, round.GamePlaying),
                  over ? std::tuple(0, 0, 0, true, false, true)
                       : std::tuple(c.vi + 2, c.de + 6, 1, false, false, true));
    }
}

// Ranks of the raised cards among what a hand holds.
std::set<int> RaisedRanks(const cards::KortHand& hand) {
    std::set<int> ranks;
    for (const cards::Kort* card : hand.Cards()) {
        if (card->Kop) {
            ranks.insert(card->Rang);
        }
    }
    return ranks;
}

// The ranks of trick t's cards that its showing raises: the rank of the trick's high card and
// every point rank (A, J, 10, both fivras, the two).
std::set<int> RanksShownOf(int played, int high) {
    const std::set<int> points{1, 4, 5, 10, 11, 14};
    if (played > 0 && (played == high || points.count(played) > 0)) {
        return {played};
    }
    return {};
}

TEST(RoundEndAnimation, RaisesEachTricksCardsWhereTheyLieAndLowersThemAgain) {
    using presentation::ScoreAnimation;
    int raised_in_all = 0;
    for (const std::uint64_t seed : {3u, 11u, 29u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        StartedRig rig(RigOptions().Seed(seed));
        ASSERT_TRUE(rig.RunToRoundEnd());
        const state::RoundState& round = rig.table.State();
        const auto& highs = rig.table.PlayAi().Memory().TrickHighHistory;
        int steps = 0;
        // One turn of the count: through the tricks to the final score.
        while (steps < 12 && rig.table.Animation().Status() != ScoreAnimation::kRestart) {
            const int status = rig.table.Animation().Status();
            const int trick = rig.table.Animation().Trick();
            ASSERT_TRUE(rig.table.StepClock(rig.table.Now() + kPatienceMs));
            if (rig.table.Animation().Status() == status) {
                continue;  // another timer's tick
            }
            ++steps;
            for (int seat = 0; seat < common::kSeats; ++seat) {
                SCOPED_TRACE("trick " + std::to_string(trick) + ", seat " + std::to_string(seat));
                EXPECT_EQ(round.Hand[seat].AntalKort(), 0) << "the round is played out";
                std::set<int> expected;
                if (status == ScoreAnimation::kShowTrick) {
                    const int high = common::TrumpCardCode(highs[trick][0]).value_or(0);
                    expected = RanksShownOf(round.TrickHistory[trick][seat], high);
                }
                EXPECT_EQ(RaisedRanks(round.Bord[seat]), expected);
                raised_in_all += static_cast<int>(expected.size());
            }
        }
    }
    EXPECT_GT(raised_in_all, 0);
}

}  // namespace
}  // namespace table_test
