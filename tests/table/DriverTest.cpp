// The round driver: start-up, the deal on the virtual clock, the pending steps of Timer1, the
// dealer's rotation and the waits for the human's click; and the table's own buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "persistence/Statistics.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(Driver, StartUpDealsNineEachBeforeTheFirstSeatBids) {
    StartedRig rig(RigOptions().Human());
    EXPECT_EQ(std::tuple(rig.round.myGameStatus, rig.table.Timer2().Tag, rig.round.GamePlaying),
              std::tuple(2, table::WaitStep::Deal, true));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_EQ(
        std::tuple(rig.table.Timer2().Tag, rig.table.Deck().KortIPacken(), rig.round.attBjuda),
        std::tuple(table::WaitStep::None, 16, common::kSyd))
        << "the deal is over and nobody has spoken when the auction begins";

    const auto& order = rig.table.Deck().OrderRecord();
    for (int s = 0; s < common::kSeats; ++s) {
        SCOPED_TRACE("seat " + std::to_string(s));
        const cards::KortHand& hand = rig.round.Hand[s];
        // Three packets of three from the deck, counted from the seat after the dealer SYD.
        const int place = common::RelativeSeat(common::NextSeat(common::kSyd), s);
        std::vector<std::string> dealt;
        for (int packet = 0; packet < 3; ++packet) {
            for (int card = 1; card <= 3; ++card) {
                dealt.push_back(order[packet * 12 + place * 3 + card]);
            }
        }
        std::vector<std::string> held;
        for (const cards::Kort* card : hand.Cards()) {
            held.push_back(card->Key());
            EXPECT_FALSE(card->Kop) << "the raised packets are lowered by the pause after the deal";
        }
        if (s == common::kSyd) {
            EXPECT_TRUE(std::is_sorted(hand.Cards().begin(), hand.Cards().end(),
                                       [](const cards::Kort* a, const cards::Kort* b) {
                                           return a->Sortering > b->Sortering;
                                       }))
                << "the human's hand is sorted";
            std::sort(held.begin(), held.end());
            std::sort(dealt.begin(), dealt.end());
        }
        EXPECT_EQ(std::tuple(held, hand.GeBud(), hand.VisaHanden, rig.ctl.PakkoImageXP[s].Visible),
                  std::tuple(dealt, -1, s == common::kSyd ? 0 : 1, s == common::kSyd))
            << "packets of three from the top; a computer hand keeps their order";
    }
}

TEST(Driver, DiscardTickSetsTheWaitAndTogglesTheLabelInTheSameTick) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::TrumpChosen));
    ASSERT_TRUE(
        rig.RunUntil([&] { return rig.table.Timer1().Tag != table::WaitStep::TrumpChosen; }));
    EXPECT_EQ(std::tuple(rig.table.Timer1().Tag, rig.round.myGameStatus,
                         rig.table.Timer1().Interval(), rig.ctl.LblClickVidare.Visible),
              std::tuple(table::WaitStep::WaitToBuy, 6, 800, false))
        << "the label shown by the discard is toggled off by the same tick";
    rig.table.AdvanceTo(rig.table.Timer1().Due());
    EXPECT_TRUE(rig.ctl.LblClickVidare.Visible) << "the next tick shows it";
    rig.table.AdvanceTo(rig.table.Timer1().Due());
    EXPECT_FALSE(rig.ctl.LblClickVidare.Visible) << "and the one after hides it";
    EXPECT_EQ(rig.table.Timer1().Tag, table::WaitStep::WaitToBuy)
        << "the blinking waits for the click";
}

TEST(Driver, ClicksAreIgnoredWhileNothingWaits) {
    StartedRig rig(RigOptions{});
    auto probe = [&] {
        return std::make_tuple(rig.round.myGameStatus, rig.table.Timer1().Tag,
                               rig.table.Timer2().Tag, rig.round.DealStep, rig.round.attBjuda,
                               Numbers(rig.round.Hand[0]), rig.round.Hand[1].GeBud());
    };
    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.DealStep == 1; }));
    auto before = probe();
    rig.table.AdvanceMe();
    rig.table.TableClick();
    rig.table.HandMouseDown(common::kSyd, 10, 10);
    EXPECT_EQ(probe(), before) << "during the deal";

    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.attBjuda == common::kNord; }));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    before = probe();
    rig.table.AdvanceMe();
    rig.table.TableClick();
    EXPECT_EQ(probe(), before) << "during the auction";
}

TEST(Driver, RoundEndWaitsForTheClickThatStartsTheNextRoundInOneStep) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(rig.RunToRoundEnd());
    const TableSnapshot at_end = Snapshot(rig.table);
    EXPECT_EQ(std::pair(at_end.dealer, at_end.packo), std::pair(common::kVast, common::kSyd))
        << "the next dealer moved on when play began; this round's dealer is kept";
    rig.table.AdvanceTo(rig.table.Now() + 3LL * 60 * 60 * 1000);
    EXPECT_EQ(Snapshot(rig.table), at_end) << "three hours later the round still waits";
    ASSERT_EQ(std::tuple(rig.table.WaitsForClick(), rig.table.Timer2().Tag, rig.table.Timer3().Tag,
                         rig.ctl.ImgReplayUp.Visible),
              std::tuple(true, table::WaitStep::None, table::WaitStep::Animate, true))
        << "no deal started by itself; the count is on show";
    rig.table.TableClick();
    EXPECT_EQ(std::tuple(rig.table.Timer1().Tag, rig.table.Timer2().Tag, rig.table.Timer3().Tag,
                         rig.round.myGameStatus, rig.round.harPacko, rig.ctl.ImgReplayUp.Visible,
                         rig.ctl.LblClickVidare.Visible),
              std::tuple(table::WaitStep::None, table::WaitStep::Deal, table::WaitStep::None, 2,
                         common::kVast, false, false))
        << "the next deal has begun";
    const int deal_step = rig.round.DealStep;
    rig.table.TableClick();
    EXPECT_EQ(rig.round.DealStep, deal_step) << "a second click finds nothing to continue";
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_EQ(std::pair(rig.ctl.PakkoImageXP[common::kVast].Visible,
                        rig.ctl.PakkoImageXP[common::kSyd].Visible),
              std::pair(true, false));
    EXPECT_EQ(rig.round.Hand[common::kNord].Cards().front()->Key(),
              rig.table.Deck().OrderRecord()[1])
        << "the seat after the new dealer VAST gets the first packet";
}

TEST(Driver, UnknownGameStatusIsReportedAndKept) {
    StartedRig rig(RigOptions{});
    rig.table.MutableState().myGameStatus = 9;
    rig.table.Run();
    EXPECT_EQ(rig.dialogs.messages, std::vector<std::string>{"No GameStatus Defined"});
    EXPECT_EQ(rig.round.myGameStatus, 9);
}

TEST(Driver, ACardFaultStopsTheTableWithAMessageAndTheKeptGameStays) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    const std::string kept = rig.settings.RegReadSetting("user", "Resume", "Game", "");
    ASSERT_FALSE(kept.empty()) << "the round under way is kept";
    const std::size_t shown = rig.dialogs.messages.size();
    // A card added twice to one hand breaks the card model's invariant mid-operation.
    EXPECT_FALSE(rig.table.Guarded([&] {
        cards::KortHand& hand = rig.table.MutableState().Hand[common::kOst];
        hand.AddACard(hand.Cards().front());
    }));
    ASSERT_EQ(rig.dialogs.messages.size(), shown + 1);
    const std::string& fault = rig.dialogs.messages.back();  // named, with no format marks left
    EXPECT_NE(fault.find(": Card already available (KortHand 1001). "), std::string::npos) << fault;
    EXPECT_EQ(fault.find_first_of("{}"), std::string::npos) << fault;
    EXPECT_EQ(std::tuple(rig.table.Halted(), static_cast<bool>(rig.table.NextDue()),
                         rig.table.StepClock(1'000'000), rig.table.Guarded([] {})),
              std::tuple(true, false, false, false))
        << "no tick and no input reach the broken table";
    const std::size_t asked = rig.dialogs.questions.size();
    EXPECT_TRUE(rig.table.MayClose());
    EXPECT_EQ(rig.dialogs.questions.size(), asked) << "closing asks nothing";
    EXPECT_EQ(rig.settings.RegReadSetting("user", "Resume", "Game", ""), kept);
}

TEST(Controls, ExitAnsweredNoLeavesTheGameAsItWasAndWithoutAGameExitAsksNothing) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::WaitToBuy));
    const TableSnapshot before = Snapshot(rig.table);
    rig.table.ImgExitUp_MouseDown();
    EXPECT_TRUE(rig.ctl.ImgExitDn.Visible);
    rig.dialogs.yes_no_answers.push_back(false);
    EXPECT_FALSE(rig.table.ImgExitUp_MouseUp()) << "the window stays open";
    EXPECT_EQ(
        std::tuple(rig.dialogs.questions, rig.ctl.ImgExitUp.Visible, rig.ctl.ImgExitDn.Visible),
        std::tuple(std::vector<std::string>{rig.table.Texts().quit_question}, true, false));
    EXPECT_EQ(Snapshot(rig.table), before);
    rig.table.AdvanceMe();
    EXPECT_EQ(rig.round.myGameStatus, 7) << "the game goes on: the click starts the buying";

    rig.table.MutableState().GamePlaying = false;
    rig.table.ImgExitUp_MouseDown();
    EXPECT_TRUE(rig.table.ImgExitUp_MouseUp()) << "without a game the window closes";
    EXPECT_EQ(rig.dialogs.questions.size(), 1u) << "without asking";
}

TEST(Controls, TheAboutButtonGoesDownAndOnReleaseComesUpAndOpensTheAboutBox) {
    StartedRig rig(RigOptions{});
    int opened = 0;
    rig.table.open_about = [&] { ++opened; };
    rig.table.ImgAboutUp_MouseDown();
    EXPECT_EQ(std::tuple(rig.ctl.ImgAboutUp.Visible, rig.ctl.ImgAboutDn.Visible, opened),
              std::tuple(false, true, 0));
    rig.table.ImgAboutUp_MouseUp();
    EXPECT_EQ(std::tuple(rig.ctl.ImgAboutUp.Visible, rig.ctl.ImgAboutDn.Visible, opened),
              std::tuple(true, false, 1));
}

TEST(Controls, NewGameAsksAndOnYesDealsAFreshGameWithTheStatisticsKept) {
    TableRig rig(RigOptions{});
    rig.settings.RegWriteSetting("user", "Statistic", "TotalVi", "3");
    rig.table.Start();
    ASSERT_TRUE(rig.PlayRounds(1));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::WaitToBuy)) << "the second round is under way";
    ASSERT_NE(rig.round.gbVi + rig.round.gbDe, 0);
    const TableSnapshot before = Snapshot(rig.table);

    rig.dialogs.yes_no_answers = {false};
    EXPECT_FALSE(rig.table.NewGame());
    EXPECT_EQ(rig.dialogs.questions, std::vector<std::string>{rig.table.Texts().new_game_question});
    EXPECT_EQ(Snapshot(rig.table), before) << "No changes nothing";

    rig.dialogs.yes_no_answers = {true};
    EXPECT_TRUE(rig.table.NewGame());
    EXPECT_EQ(std::tuple(rig.round.gbVi, rig.round.gbDe, rig.table.Scoreboard().RowCount(),
                         rig.ctl.LblAnnounce.Caption,
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
    int rounds = 0;
    int vi_bids = 0;
    std::vector<std::pair<int, int>> finals;
    while (finals.size() < 2) {
        ASSERT_TRUE(rig.RunToRoundEnd());
        ++rounds;
        vi_bids += common::IsVi(rig.round.gbBjuditHogst) ? 1 : 0;
        if (rig.round.gbVi > 61 || rig.round.gbDe > 61) {
            finals.emplace_back(rig.round.gbVi, rig.round.gbDe);
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
    ASSERT_FALSE(rig.ctl.LBTraceBox.Visible);
    for (const bool open : {true, false}) {
        open ? rig.table.ImgTraceUp_Click() : rig.table.ImgTraceDn_Click();
        EXPECT_EQ(std::tuple(rig.ctl.LBTraceBox.Visible, rig.ctl.ImgTraceDn.Visible,
                             rig.ctl.ImgTraceUp.Visible),
                  std::tuple(open, open, !open));
    }
}

}  // namespace
}  // namespace table_test
