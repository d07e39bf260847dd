// A game that survives closing the window: the record kept at every round's start, the offer
// at the next start, and what happens when the record or the log cannot be used.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "persistence/ResumeRecord.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

// A second run of the game over the same program folder and settings.
struct NextStart {
    NextStart(TableRig& first, std::uint64_t seed, bool continue_game)
        : table(table::TableConfig{first.folder.Path(), seed, true, 0}, dialogs, first.settings) {
        dialogs.yes_no_answers = {continue_game};
        table.Start();
    }
    common::ScriptedDialogs dialogs;
    table::Table table;
};

std::array<std::vector<int>, common::kSeats> HandsAfterTheDeal(TableRig& rig) {
    EXPECT_TRUE(rig.RunUntil([&] { return rig.table.State().DealStep >= 15; }));
    std::array<std::vector<int>, common::kSeats> hands;
    for (int s = 0; s < common::kSeats; ++s) {
        hands[s] = Numbers(rig.table.State().Hand[s]);
    }
    return hands;
}

class Resume : public ::testing::Test {
  protected:
    // Plays two whole rounds, deals the third and plays into it, then closes the window.
    void PlayIntoTheThirdRoundAndClose() {
        rig_.table.Start();
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(rig_.RunToRoundEnd());
            rig_.table.AdvanceMe();
        }
        const state::RoundState& round = rig_.table.State();
        vi_ = round.gbVi;
        de_ = round.gbDe;
        dealer_ = round.attSaka;
        rounds_ = rig_.table.Scoreboard().Rounds();
        deal_ = HandsAfterTheDeal(rig_);
        ASSERT_TRUE(rig_.RunUntil([&] { return round.CardsPlayed >= 3; }));
        ASSERT_FALSE(rig_.table.MayClose()) << "a game on asks before closing; No keeps it";
        rig_.table.Close();
    }

    TableRig rig_{RigOptions().Seed(11)};
    int vi_ = 0;
    int de_ = 0;
    int dealer_ = 0;
    std::vector<presentation::RoundResult> rounds_;
    std::array<std::vector<int>, common::kSeats> deal_;
};

TEST_F(Resume, ContinuingBringsBackTotalsBoardDealerAndTheLoggedDeal) {
    PlayIntoTheThirdRoundAndClose();
    ASSERT_EQ(rounds_.size(), 2u);
    NextStart next(rig_, 999, true);
    ASSERT_EQ(next.dialogs.questions.size(), 1u) << "the next start offers to continue";
    EXPECT_EQ(next.dialogs.questions[0], next.table.Texts().resume_question);
    const state::RoundState& round = next.table.State();
    EXPECT_EQ(round.gbVi, vi_);
    EXPECT_EQ(round.gbDe, de_);
    EXPECT_EQ(round.harPacko, dealer_) << "the interrupted round's dealer deals again";
    EXPECT_EQ(next.table.Scoreboard().Rounds(), rounds_);
    EXPECT_FALSE(round.bReplay) << "the round counts for the game";
    EXPECT_TRUE(next.table.Ctl().LblAnnounce.Caption.empty()) << "nothing went wrong";

    std::array<std::vector<int>, common::kSeats> dealt;
    const long long limit = next.table.Now() + kPatienceMs;
    while (round.DealStep < 15 && next.table.StepClock(limit)) {
    }
    for (int s = 0; s < common::kSeats; ++s) {
        dealt[s] = Numbers(round.Hand[s]);
    }
    EXPECT_EQ(dealt, deal_) << "the round's deal equals the logged one, seed or no seed";
}

TEST_F(Resume, DecliningStartsAFreshGameAndForgetsTheRecord) {
    PlayIntoTheThirdRoundAndClose();
    {
        NextStart next(rig_, 999, false);
        EXPECT_EQ(next.table.State().gbVi, 0);
        EXPECT_EQ(next.table.Scoreboard().RowCount(), 0);
        next.table.Close();
    }
    const auto stored = persistence::LoadResumeRecord(rig_.settings);
    ASSERT_TRUE(stored.record.has_value()) << "the fresh game keeps its own record";
    EXPECT_EQ(stored.record->vi, 0);
    EXPECT_TRUE(stored.record->rounds.empty());
}

TEST_F(Resume, AMissingLogGoesOnFromTheTotalsWithANewDealAndANotice) {
    PlayIntoTheThirdRoundAndClose();
    ASSERT_EQ(std::remove(rig_.folder.File("Fivralog.txt").c_str()), 0);
    NextStart next(rig_, 999, true);
    EXPECT_EQ(next.table.State().gbVi, vi_);
    EXPECT_EQ(next.table.Scoreboard().Rounds(), rounds_);
    const std::string notice = presentation::FillIn(next.table.Texts().resume_new_deal,
                                                    {{"file", rig_.folder.File("Fivralog.txt")}});
    EXPECT_EQ(next.table.Ctl().LblAnnounce.Caption, notice);
    EXPECT_TRUE(next.dialogs.messages.empty()) << "a one-line notice, no message box";
}

TEST_F(Resume, ALogOfAnotherRoundIsNotTakenForTheInterruptedOne) {
    PlayIntoTheThirdRoundAndClose();
    TableRig other(RigOptions().Seed(12));
    other.table.Start();
    ASSERT_TRUE(other.RunUntil([&] { return other.table.State().DealStep >= 15; }));
    other.table.Close();
    std::remove(rig_.folder.File("Fivralog.txt").c_str());
    std::rename(other.folder.File("Fivralog.txt").c_str(),
                rig_.folder.File("Fivralog.txt").c_str());
    NextStart next(rig_, 999, true);
    EXPECT_NE(next.table.Ctl().LblAnnounce.Caption, "") << "the notice of a new deal";
    EXPECT_EQ(next.table.State().gbVi, vi_);
}

TEST(ResumeRecordAtStart, ADamagedRecordGivesANoticeAndAFreshGame) {
    for (const char* damaged : {"nonsense", "fivra-resume-1 vi:12 de:x dealer:1 hints:0",
                                "fivra-resume-1 vi:12 de:3 dealer:7 hints:0"}) {
        TableRig rig(RigOptions{});
        rig.settings.RegWriteSetting("user", "Resume", "Game", damaged);
        rig.table.Start();
        EXPECT_TRUE(rig.dialogs.questions.empty()) << damaged << ": nothing is offered";
        EXPECT_EQ(rig.table.Ctl().LblAnnounce.Caption,
                  presentation::FillIn(rig.table.Texts().resume_damaged,
                                       {{"file", table::TableConfig{}.settings_file}}))
            << damaged;
        EXPECT_EQ(rig.table.State().gbVi, 0);
        const auto stored = persistence::LoadResumeRecord(rig.settings);
        EXPECT_TRUE(stored.problem.empty()) << "the fresh game's record replaces it";
    }
}

TEST(ResumeRecordAtStart, AFirstStartAsksNothing) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    EXPECT_TRUE(rig.dialogs.questions.empty());
    EXPECT_TRUE(rig.table.Ctl().LblAnnounce.Caption.empty());
}

}  // namespace
}  // namespace table_test
