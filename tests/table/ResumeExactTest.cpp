// A kept game is brought back at the very move where it stopped: a seeded round interrupted
// after any move of the auction, the trump choice, the buying or the play goes on to the same
// end, line for line in the game log, as the round that was never stopped.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/FieldReader.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

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
        int best = 0;
        const auto count = [&syd](int i) {
            const auto& cards = syd.Cards();
            return std::count_if(cards.begin(), cards.end(), [i](const cards::Kort* card) {
                return card->IsOfColour(common::ColourCode(i));
            });
        };
        for (int i = 1; i < 4; ++i) {
            best = count(i) > count(best) ? i : best;
        }
        table.KeyColour(best);
        return true;
    }
    if (syd.HandAktivitat == 1) {
        for (int step = 0; step <= syd.AntalKort(); ++step) {
            const auto& cards = syd.Cards();
            const auto raised = std::find_if(cards.begin(), cards.end(),
                                             [](const cards::Kort* card) { return card->Kop; });
            if (raised != cards.end() && (*raised)->IsOfColour(table.State().gbFarg)) {
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

std::vector<std::string> LogLines(const ProgramFolder& folder) {
    const auto text = common::ReadWholeFile(folder.File("Fivralog.txt"));
    return text ? common::SplitLines(*text) : std::vector<std::string>{};
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
    whole.table.Close();
    const std::vector<std::string> uninterrupted = LogLines(whole.folder);
    ASSERT_GE(moves, 4 + 2 + 12) << "four bids, trump, the buying and the tricks";
    ASSERT_TRUE(std::any_of(uninterrupted.begin(), uninterrupted.end(), [](const auto& line) {
        return line.rfind("HUMAN Selects color ", 0) == 0;
    })) << "the human bids, names trump and plays";

    for (int stop = 1; stop < moves; ++stop) {
        TableRig first(options);
        first.table.Start();
        ASSERT_TRUE(PlayOn(first.table, [&] { return MovesMade(first.table) >= stop; }));
        first.table.Close();

        common::ScriptedDialogs dialogs;
        dialogs.answers = {common::Answer::Yes};
        table::Table next(table::TableConfig{first.folder.Path(), GetParam().seed + 1, false, 0},
                          dialogs, first.settings);
        next.Start();
        EXPECT_EQ(MovesMade(next), MovesMade(first.table)) << "stopped after move " << stop;
        ASSERT_TRUE(PlayOn(next, [&] { return round_over(next); }));
        next.Close();
        EXPECT_EQ(LogLines(first.folder), uninterrupted) << "stopped after move " << stop;
        EXPECT_EQ(next.State().gbVi, whole.table.State().gbVi) << "stopped after move " << stop;
    }
}

INSTANTIATE_TEST_SUITE_P(Games, ResumeExactly,
                         ::testing::Values(Game{5, ""}, Game{5, kPlayRandomCards}, Game{2, ""}));

}  // namespace
}  // namespace table_test
