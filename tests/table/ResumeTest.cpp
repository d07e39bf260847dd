// A game that survives closing the window: the record kept at every round's start, the offer
// at the next start, a record or log that cannot be used, and the round brought back at the very
// move where it stopped.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <tuple>

#include "common/FieldReader.h"
#include "persistence/ResumeRecord.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

// A second run of the game over the same program folder and settings, answering the offer to
// continue with `answers` and the question before throwing the game away with `confirm`.
struct NextStart {
    NextStart(TableRig& first, std::deque<common::Answer> answers, std::deque<bool> confirm = {},
              bool computer_plays_syd = true)
        : table(table::TableConfig{first.folder.Path(), 999, computer_plays_syd, 0}, dialogs,
                first.settings) {
        dialogs.answers = std::move(answers);
        dialogs.yes_no_answers = std::move(confirm);
        table.Start();
    }
    common::ScriptedDialogs dialogs;
    table::Table table;
};

constexpr auto kYes = common::Answer::Yes;
constexpr auto kNo = common::Answer::No;
constexpr auto kLater = common::Answer::Later;

class Resume : public ::testing::Test {
  protected:
    // Each test plays two whole rounds and into the third, then closes the window.
    void SetUp() override {
        rig_.table.Start();
        ASSERT_TRUE(rig_.PlayRounds(2));
        vi_ = rig_.round.gbVi;
        de_ = rig_.round.gbDe;
        rounds_ = rig_.table.Scoreboard().Rounds();
        ASSERT_TRUE(rig_.RunUntil([&] {
            if (rig_.table.Timer1().Tag == table::WaitStep::WaitToBuy) {
                rig_.table.AdvanceMe();
            }
            return rig_.round.CardsPlayed >= 3;
        }));
        at_stop_ = Snapshot(rig_.table);
        ASSERT_FALSE(rig_.table.MayClose()) << "a game on asks before closing; No keeps it";
        rig_.table.Close();
    }

    TableRig rig_{RigOptions().Seed(11)};
    int vi_ = 0;
    int de_ = 0;
    std::vector<presentation::RoundResult> rounds_;
    TableSnapshot at_stop_;
};

TEST_F(Resume, ContinuingBringsBackTotalsAndBoardAndDecliningAsksOnceMoreBeforeAFreshGame) {
    ASSERT_EQ(rounds_.size(), 2u);
    {
        // No, then No at the second question: the offer comes again; Yes there continues.
        NextStart next(rig_, {kNo, kYes}, {false});
        const auto& texts = next.table.Texts();
        EXPECT_EQ(next.dialogs.questions,
                  (std::vector<std::string>{texts.resume_question, texts.resume_discard,
                                            texts.resume_question}));
        EXPECT_EQ(std::tuple(next.table.State().gbVi, next.table.State().gbDe,
                             next.table.Scoreboard().Rounds()),
                  std::tuple(vi_, de_, rounds_));
        const std::string log = rig_.folder.File("Fivralog.txt");
        for (const std::string* notice : {&texts.resume_new_deal, &texts.resume_diverged}) {
            EXPECT_NE(next.table.Ctl().LblAnnounce.Caption,
                      presentation::FillIn(*notice, {{"file", log}}));
        }
        next.table.Close();
    }
    {
        NextStart next(rig_, {kNo}, {true});
        EXPECT_EQ(std::tuple(next.dialogs.questions.size(), next.table.State().gbVi,
                             next.table.Scoreboard().RowCount()),
                  std::tuple(2u, 0, 0));
        next.table.Close();
    }
    const auto stored = persistence::LoadResumeRecord(rig_.settings);
    ASSERT_TRUE(stored.record.has_value()) << "the fresh game keeps its own record";
    EXPECT_EQ(std::pair(stored.record->vi, stored.record->rounds.empty()), std::pair(0, true));
}

TEST_F(Resume, LaterKeepsTheGameAndItsRoundForTheNextStart) {
    const std::string record = rig_.settings.RegReadSetting("user", "Resume", "Game", "");
    {
        NextStart later(rig_, {kLater});
        EXPECT_EQ(later.table.State().gbVi, 0) << "this run plays a game of its own";
        ASSERT_TRUE(RunToRoundEnd(later.table));
        later.table.Close();
        EXPECT_EQ(rig_.settings.RegReadSetting("user", "Resume", "Game", ""), record)
            << "the saved game's record is left as it was";
    }
    NextStart next(rig_, {kYes});
    EXPECT_EQ(next.table.State().gbVi, vi_);
    const TableSnapshot now = Snapshot(next.table);
    EXPECT_EQ(std::tie(now.hands, now.spots), std::tie(at_stop_.hands, at_stop_.spots))
        << "its round comes back from the log kept aside";
}

TEST_F(Resume, ALogMissingOrOfAnotherRoundGoesOnFromTheTotalsWithANewDealAndANotice) {
    TableRig other(RigOptions().Seed(12));
    other.table.Start();
    ASSERT_TRUE(other.RunUntil([&] { return other.round.DealStep >= 15; }));
    other.table.Close();
    const std::string log = rig_.folder.File("Fivralog.txt");
    for (const bool another : {true, false}) {
        SCOPED_TRACE(another ? "the log of another round" : "no log");
        std::filesystem::remove(log);
        if (another) {
            std::filesystem::copy_file(other.folder.File("Fivralog.txt"), log);
        }
        NextStart next(rig_, {kYes});
        EXPECT_EQ(std::pair(next.table.State().gbVi, next.table.Scoreboard().Rounds()),
                  std::pair(vi_, rounds_));
        EXPECT_EQ(next.table.Ctl().LblAnnounce.Caption,
                  presentation::FillIn(next.table.Texts().resume_new_deal, {{"file", log}}));
        EXPECT_TRUE(next.dialogs.messages.empty()) << "a one-line notice, no message box";
        next.table.Close();
    }
}

TEST(ResumeRecordAtStart, ADamagedRecordGivesANoticeAndAFreshGame) {
    for (const char* damaged : {"nonsense", "fivra-resume-1 vi:12 de:x dealer:1 hints:0",
                                "fivra-resume-1 vi:12 de:3 dealer:7 hints:0"}) {
        TableRig rig(RigOptions{});
        rig.settings.RegWriteSetting("user", "Resume", "Game", damaged);
        rig.table.Start();
        EXPECT_TRUE(rig.dialogs.questions.empty()) << damaged << ": nothing is offered";
        EXPECT_EQ(rig.ctl.LblAnnounce.Caption,
                  presentation::FillIn(rig.table.Texts().resume_damaged,
                                       {{"file", table::TableConfig{}.settings_file}}))
            << damaged;
        EXPECT_EQ(rig.round.gbVi, 0);
        const auto stored = persistence::LoadResumeRecord(rig.settings);
        EXPECT_TRUE(stored.problem.empty()) << "the fresh game's record replaces it";
    }
}

// Every computer seat plays a card drawn from the table's random source.
constexpr const char* kPlayRandomCards = "RULE, EXECUTES, 100, Play, Random, END\n";

// The moves of the round so far: bids spoken, the trump named, the buying done, cards played.
int MovesMade(const table::Table& table) {
    const state::RoundState& round = table.State();
    int moves = round.CardsPlayed;
    for (const auto& hand : round.Hand) {
        moves += hand.GeBud() >= 0 ? 1 : 0;
    }
    return moves + (round.myGameStatus >= 5 ? 1 : 0) + (round.myGameStatus >= 7 ? 1 : 0);
}

// The human as a test plays it, with keys only: the highest bid the panel allows, trump in the
// colour it holds most of, the first trump card the arrow reaches from the hint, the click
// before the buying. False when the table waits for no move of the human.
bool HumanMoves(table::Table& table) {
    const table::Controls& ctl = table.Ctl();
    const cards::KortHand& syd = table.State().Hand[common::kSyd];
    if (ctl.PBButtonsBackground.Visible) {
        for (int bid = 14; bid >= 6; --bid) {
            table.KeyChooseBid(bid);
            if (ctl.PBBidChosen == bid - 5) {
                break;
            }
        }
        table.KeyEnter();
        return true;
    }
    if (ctl.ImgFargUp[0].Visible) {
        const auto count = [&syd](int i) { return syd.AntalKortIFarg(common::ColourCode(i)); };
        int best = 0;
        for (int i = 1; i < 4; ++i) {
            best = count(i) > count(best) ? i : best;
        }
        table.KeyColour(best);
        return true;
    }
    if (syd.HandAktivitat == 1) {
        for (int step = 0; step <= syd.AntalKort(); ++step) {
            const int raised = RaisedPosition(syd);
            if (raised > 0 && syd.Cards()[raised - 1]->IsOfColour(table.State().gbFarg)) {
                break;
            }
            table.KeyChooseCard(1);
        }
        table.KeyEnter();
        return true;
    }
    if (table.Timer1().Tag == table::WaitStep::WaitToBuy) {
        table.AdvanceMe();
        return true;
    }
    return false;
}

// Plays on until `done` holds, the human moving whenever it is asked; false when the clock
// ran out first.
bool PlayOn(table::Table& table, const std::function<bool()>& done) {
    const long long limit = table.Now() + kPatienceMs;
    while (!done()) {
        if (!HumanMoves(table) && !table.StepClock(limit)) {
            return false;
        }
    }
    return true;
}

struct Game {
    std::uint64_t seed;
    const char* play_rules;  // empty: the shipped rules
};

// With the shipped rules (the expectation model and the seats' memory at work), with cards drawn
// at random (the random source must go on where it stood), and a round in which the human plays
// both fives of trump (the log's "5" alone does not say which).
class ResumeExactly : public ::testing::TestWithParam<Game> {};

TEST_P(ResumeExactly, ARoundStoppedAfterAnyMoveGoesOnAsIfItNeverStopped) {
    const RigOptions options =
        RigOptions().Seed(GetParam().seed).Human().PlayRules(GetParam().play_rules);
    TableRig whole(options);
    whole.table.Start();
    int moves = 0;
    const auto round_over = [&](const table::Table& table) {
        return table.Timer1().Tag == table::WaitStep::RoundOver;
    };
    ASSERT_TRUE(PlayOn(whole.table, [&] {
        moves = std::max(moves, MovesMade(whole.table));
        return round_over(whole.table);
    }));
    const std::vector<std::string> uninterrupted = whole.CloseAndReadLog();
    ASSERT_GE(moves, 4 + 2 + 12) << "four bids, trump, the buying and the tricks";
    ASSERT_TRUE(std::any_of(uninterrupted.begin(), uninterrupted.end(), [](const auto& line) {
        return line.rfind("HUMAN Selects color ", 0) == 0;
    })) << "the human bids, names trump and plays";

    for (int stop = 1; stop < moves; ++stop) {
        TableRig first(options);
        first.table.Start();
        ASSERT_TRUE(PlayOn(first.table, [&] { return MovesMade(first.table) >= stop; }));
        first.table.Close();

        SCOPED_TRACE("stopped after move " + std::to_string(stop));
        NextStart next(first, {kYes}, {}, false);
        EXPECT_EQ(MovesMade(next.table), MovesMade(first.table));
        ASSERT_TRUE(PlayOn(next.table, [&] { return round_over(next.table); }));
        next.table.Close();
        EXPECT_EQ(common::SplitLines(first.folder.Read("Fivralog.txt")), uninterrupted);
        EXPECT_EQ(next.table.State().gbVi, whole.table.State().gbVi);
    }
}

INSTANTIATE_TEST_SUITE_P(Games, ResumeExactly,
                         ::testing::Values(Game{5, ""}, Game{5, kPlayRandomCards}, Game{2, ""}));

}  // namespace
}  // namespace table_test
