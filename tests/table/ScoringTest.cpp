// Tricks and the round's score: who takes which points, the bid check, the end of a game.
// Every seat plays the first trump card of its hand, so the scripts below decide each trick.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;

// NORD bids and leads the ace; OST, a defender, plays the two; then nobody has trump left.
ScriptedRound TwoIntoTheBiddersTrick() {
    ScriptedRound script;
    script.bidder = common::kNord;
    script.hands[common::kNord] = {Nr("A", kH)};
    script.hands[common::kOst] = {Nr("2", kH)};
    script.hands[common::kSyd] = {Nr("K", kH)};
    script.hands[common::kVast] = {Nr("10", kH)};
    return script;
}

class Scoring : public ::testing::Test {
  protected:
    void PlayRound(const ScriptedRound& script) {
        rig_.table.Start();
        ASSERT_TRUE(StartPlayFrom(rig_.table, script));
        ASSERT_TRUE(rig_.RunToTag("STOP_RUNDA"));
    }
    const state::RoundState& Round() const { return rig_.table.State(); }

    TableRig rig_{RigOptions().PlayRules(kPlayFirstTrump)};
};

TEST_F(Scoring, TwoOfTrumpScoresForTheSideThatPlayedIt) {
    PlayRound(TwoIntoTheBiddersTrick());
    EXPECT_EQ(Round().TrickPointsVi[1], 2) << "NORD's ace takes the ace and VAST's ten";
    EXPECT_EQ(Round().TrickPointsDe[1], 1) << "OST's two scores for De in NORD's trick";
    EXPECT_EQ(Round().PointsLeft, 11);
    EXPECT_EQ(Round().PointsDe, 1) << "the defenders keep their point";
}

TEST_F(Scoring, TrickWithTheAceGivesItsPointBackToPointsLeftNoAceTwo) {
    PlayRound(TwoIntoTheBiddersTrick());
    EXPECT_EQ(Round().PointsLeftNoAceTwo, 11) << "12 - 2 points taken + 1 for the ace";
}

TEST_F(Scoring, RoundEndsAtOnceWhenNobodyHoldsTrump) {
    ScriptedRound script;
    script.hands[common::kNord] = {Nr("A", common::kKlover)};
    script.hands[common::kSyd] = {Nr("K", common::kSpader)};
    PlayRound(script);
    EXPECT_EQ(Round().CardsPlayed, 0);
    EXPECT_EQ(Round().Round, 1);
    EXPECT_EQ(Round().PointsLeft, 14);
    for (int s = 0; s < common::kSeats; ++s) {
        EXPECT_EQ(Round().ColdFlag[s], -1) << "seat " << s << " laid its hand down";
        EXPECT_EQ(Round().Hand[s].AntalKort(), 0) << "seat " << s;
    }
    EXPECT_EQ(Round().PointsVi, -6) << "NORD's bid of 6 failed";
    EXPECT_EQ(Round().PointsDe, 0);
}

TEST_F(Scoring, BidMadeExactlyKeepsThePoints) {
    PlayRound(DeTakesSixViTwo(6, 0, 0));
    EXPECT_EQ(Round().PointsDe, 6);
    EXPECT_EQ(Round().PointsVi, 2);
    EXPECT_EQ(Round().gbDe, 6);
    EXPECT_EQ(Round().gbVi, 2);
    EXPECT_EQ(rig_.table.Ctl().LblScore.Caption, "2 : 6");
}

TEST_F(Scoring, BidMissedByOneScoresMinusTheBid) {
    PlayRound(DeTakesSixViTwo(7, 10, 3));
    EXPECT_EQ(Round().PointsDe, -7);
    EXPECT_EQ(Round().PointsVi, 2) << "the defenders keep what they took";
    EXPECT_EQ(Round().gbDe, -4);
    EXPECT_EQ(Round().gbVi, 12);
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
        TableRig rig(RigOptions().PlayRules(kPlayFirstTrump));
        rig.table.Start();
        ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(6, c.vi, c.de)));
        ASSERT_TRUE(rig.RunToTag("STOP_RUNDA"));
        EXPECT_EQ(rig.table.State().gbVi, c.vi + 2);
        EXPECT_EQ(rig.table.State().gbDe, c.de + 6);
        EXPECT_EQ(rig.table.Ctl().LblGameOver.Visible, c.vi_won || c.de_won);
        EXPECT_EQ(rig.settings.RegReadSetting("user", "Statistic", "TotalVi", "0"),
                  c.vi_won ? "1" : "0");
        EXPECT_EQ(rig.settings.RegReadSetting("user", "Statistic", "TotalDe", "0"),
                  c.de_won ? "1" : "0");
        EXPECT_EQ(rig.table.Ctl().LblStatisticDe.Caption, c.de_won ? "1" : "0");
        EXPECT_EQ(rig.table.Scoreboard().RowCount(), 1);
        if (!c.vi_won && !c.de_won) {
            rig.table.TableClick();
            EXPECT_EQ(rig.table.State().gbDe, 61) << "the game goes on with its totals";
        }
    }
}

TEST(GameEnd, NextRoundAfterAWonGameStartsFromNothing) {
    TableRig rig(RigOptions().PlayRules(kPlayFirstTrump));
    rig.table.Start();
    ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(6, 61, 56)));
    ASSERT_TRUE(rig.RunToTag("STOP_RUNDA"));
    rig.table.TableClick();
    const state::RoundState& round = rig.table.State();
    EXPECT_EQ(round.gbVi, 0);
    EXPECT_EQ(round.gbDe, 0);
    EXPECT_TRUE(round.GamePlaying) << "the new game's first round is being dealt";
    EXPECT_EQ(rig.table.Scoreboard().RowCount(), 0);
    EXPECT_EQ(rig.table.Scoreboard().Rows()[0].vi_label.Caption, "");
    EXPECT_FALSE(rig.table.Ctl().LblGameOver.Visible);
    ASSERT_TRUE(rig.RunToTag("Bjudnext"));
    const auto log = rig.CloseAndReadLog();
    EXPECT_EQ(Block(log, "<VI>").front(), "0");
    EXPECT_EQ(Block(log, "<DE>").front(), "0");
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
        TableRig rig(RigOptions().Seed(seed));
        rig.table.Start();
        ASSERT_TRUE(rig.RunToRoundEnd());
        const state::RoundState& round = rig.table.State();
        const auto& highs = rig.table.PlayAi().Memory().TrickHighHistory;
        int steps = 0;
        // The count runs through the tricks and then rests on the final score.
        while (steps < 12 && rig.table.Animation().Status() != ScoreAnimation::kResting) {
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
