// The table's own buttons.
#include <gtest/gtest.h>

#include <tuple>

#include "persistence/Statistics.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(Controls, ExitAnsweredNoLeavesTheGameAsItWasAndWithoutAGameExitAsksNothing) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::WaitToBuy));
    const TableSnapshot before = Snapshot(rig.table);
    rig.table.ImgExitUp_MouseDown();
    EXPECT_TRUE(rig.table.Ctl().ImgExitDn.Visible);
    rig.dialogs.yes_no_answers.push_back(false);
    EXPECT_FALSE(rig.table.ImgExitUp_MouseUp()) << "the window stays open";
    ASSERT_EQ(rig.dialogs.questions.size(), 1u);
    EXPECT_EQ(rig.dialogs.questions.front(), rig.table.Texts().quit_question);
    EXPECT_TRUE(rig.table.Ctl().ImgExitUp.Visible);
    EXPECT_FALSE(rig.table.Ctl().ImgExitDn.Visible);
    EXPECT_EQ(Snapshot(rig.table), before);
    rig.table.AdvanceMe();
    EXPECT_EQ(rig.table.State().myGameStatus, 7) << "the game goes on: the click starts the buying";

    rig.table.MutableState().GamePlaying = false;
    rig.table.ImgExitUp_MouseDown();
    EXPECT_TRUE(rig.table.ImgExitUp_MouseUp()) << "without a game the window closes";
    EXPECT_EQ(rig.dialogs.questions.size(), 1u) << "without asking";
}

TEST(Controls, NewGameAsksAndOnYesDealsAFreshGameWithTheStatisticsKept) {
    TableRig rig(RigOptions{});
    rig.settings.RegWriteSetting("user", "Statistic", "TotalVi", "3");
    rig.table.Start();
    ASSERT_TRUE(rig.RunToRoundEnd());
    rig.table.AdvanceMe();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::WaitToBuy)) << "the second round is under way";
    const state::RoundState& round = rig.table.State();
    ASSERT_NE(round.gbVi + round.gbDe, 0);
    const TableSnapshot before = Snapshot(rig.table);

    rig.dialogs.yes_no_answers = {false};
    EXPECT_FALSE(rig.table.NewGame());
    EXPECT_EQ(rig.dialogs.questions, std::vector<std::string>{rig.table.Texts().new_game_question});
    EXPECT_EQ(Snapshot(rig.table), before) << "No changes nothing";

    rig.dialogs.yes_no_answers = {true};
    EXPECT_TRUE(rig.table.NewGame());
    EXPECT_EQ(std::tuple(round.gbVi, round.gbDe, rig.table.Scoreboard().RowCount(),
                         rig.table.Ctl().LblAnnounce.Caption,
                         persistence::ReadStatistics(rig.settings).Won(persistence::Team::Vi)),
              std::tuple(0, 0, 0, "", 3))
        << "a fresh game, the statistics untouched";
    ASSERT_TRUE(rig.RunToRoundEnd()) << "a fresh deal is played through";
    EXPECT_EQ(rig.table.Scoreboard().RowCount(), 1);
    EXPECT_EQ(persistence::ReadStatistics(rig.settings).rounds, 0)
        << "the abandoned game's rounds never reach the statistics";
}

// Whole games played by the computer alone: the statistics add up to what the table showed.
TEST(Controls, FinishedGamesAddUpInTheStatistics) {
    StartedRig rig(RigOptions{}.Seed(11));
    const state::RoundState& round = rig.table.State();
    int rounds = 0;
    int vi_bids = 0;
    std::vector<std::pair<int, int>> finals;
    while (finals.size() < 2) {
        ASSERT_TRUE(rig.RunToRoundEnd());
        ++rounds;
        vi_bids += common::IsVi(round.gbBjuditHogst) ? 1 : 0;
        if (round.gbVi > 61 || round.gbDe > 61) {
            finals.emplace_back(round.gbVi, round.gbDe);
        }
        rig.table.AdvanceMe();
    }
    const persistence::StatisticsSummary s = persistence::ReadStatistics(rig.settings);
    // Each game starts from 0, so the round scores add up to the final totals.
    EXPECT_EQ(std::tuple(s.GamesPlayed(), s.last_games, s.rounds, s.bids_made + s.bids_failed,
                         s.points_vi, s.points_de),
              std::tuple(2, finals, rounds, vi_bids, finals[0].first + finals[1].first,
                         finals[0].second + finals[1].second));
}

TEST(Controls, TraceToggleShowsAndHidesTheTraceList) {
    StartedRig rig(RigOptions{});
    const table::Controls& ctl = rig.table.Ctl();
    ASSERT_FALSE(ctl.LBTraceBox.Visible);
    for (const bool open : {true, false}) {
        open ? rig.table.ImgTraceUp_Click() : rig.table.ImgTraceDn_Click();
        EXPECT_EQ(
            std::tuple(ctl.LBTraceBox.Visible, ctl.ImgTraceDn.Visible, ctl.ImgTraceUp.Visible),
            std::tuple(open, open, !open));
    }
}

}  // namespace
}  // namespace table_test
