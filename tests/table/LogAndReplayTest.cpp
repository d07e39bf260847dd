// The game log of a round and playing it again: the round just played, a round rebuilt from a
// game log's trump hands, a deal reloaded from a game log's deck, and logs that cannot be played.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "gamelog/LogBlocks.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;

// Replays a log written by hand, as the player does with "play log".
void ReplayLogText(StartedRig& rig, const std::string& text) {
    rig.folder.Write("hand-written.txt", text);
    rig.dialogs.file_answers.push_back(rig.folder.File("hand-written.txt"));
    rig.table.BtnPlaylog_Click();
}

TEST(Reload, ABadLogLeavesTheTableAsItWasAndAGoodOneDealsTheLoggedDeckToTheSameSeats) {
    StartedRig rig(RigOptions().Seed(11));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    const auto dealt = Snapshot(rig.table).hands;
    const std::vector<int> left = Numbers(rig.table.Deck().DeckCards());
    ASSERT_TRUE(rig.RunToRoundEnd());
    const std::vector<std::string> good = rig.CloseAndReadLog();
    rig.folder.Write("round.txt", JoinLines(good));

    const TableSnapshot before = Snapshot(rig.table);
    const auto expect_refused = [&](const std::string& path, bool replay, const std::string& what) {
        SCOPED_TRACE(what + (replay ? " (replay)" : " (reload)"));
        const std::size_t shown = rig.dialogs.messages.size();
        rig.dialogs.file_answers.push_back(path);
        replay ? rig.table.BtnPlaylog_Click() : rig.table.BtnLoadlog_Click();
        ASSERT_EQ(rig.dialogs.messages.size(), shown + 1);
        EXPECT_NE(rig.dialogs.messages.back().find(path), std::string::npos)
            << rig.dialogs.messages.back();
        EXPECT_EQ(Snapshot(rig.table), before);
    };
    std::vector<std::string> spoilt = good;
    const auto dealer = std::find(spoilt.begin(), spoilt.end(), "<PACKE>");
    spoilt.erase(dealer, dealer + 2);
    rig.folder.Write("bad.txt", JoinLines(spoilt));
    for (const bool replay : {true, false}) {
        expect_refused(rig.folder.File("nowhere.txt"), replay, "a missing file");
        expect_refused(rig.folder.File("bad.txt"), replay, "no <PACKE> tag");
    }
    spoilt = good;
    spoilt.erase(std::find(spoilt.begin(), spoilt.end(), "<PACKE_KOMPLETT>") + 1);
    rig.folder.Write("bad.txt", JoinLines(spoilt));
    expect_refused(rig.folder.File("bad.txt"), false, "a deck block of 51 lines");

    rig.table.TableClick();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext))
        << "a second round with another deal and dealer";
    const std::size_t shown = rig.dialogs.messages.size();
    rig.dialogs.file_answers.push_back(rig.folder.File("round.txt"));
    rig.table.BtnLoadlog_Click();
    EXPECT_EQ(std::tuple(rig.round.bReplay, rig.round.harPacko, rig.round.gbVi, rig.round.gbDe),
              std::tuple(true, common::kSyd, 0, 0))
        << "the logged dealer deals again from the totals before the logged round";
    EXPECT_EQ(rig.ctl.LblLogFileName.Caption, "Playing: " + rig.folder.File("round.txt"));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_EQ(Snapshot(rig.table).hands, dealt);
    EXPECT_EQ(Numbers(rig.table.Deck().DeckCards()), left);
    EXPECT_EQ(rig.dialogs.messages.size(), shown);
}

TEST(ReplayFromLog, KillsSurplusTrumpsAgain) {
    StartedRig rig(RigOptions{});
    ReplayLogText(rig,
                  "<VI>\n5\n<DE>\n-6\n<BJUDIT_HOGST>\nNORD\n<BUD>\n8\n<PACKE>\nOST\n<FARG>\n"
                  "HJARTER\n<SYD_FORE_KOP>\nK\n<END>\n<VAST_FORE_KOP>\nQ\n<END>\n"
                  "<NORD_FORE_KOP>\nA\nJ\n10\nV\nv\n4\n3\n2\n<END>\n<OST_FORE_KOP>\n9\n<END>\n"
                  "<VAST_KOPER>\n8\n<END>\n");
    ASSERT_TRUE(rig.dialogs.messages.empty()) << rig.dialogs.messages.front();
    EXPECT_EQ(Numbers(rig.round.Hand[common::kNord]),
              (std::vector<int>{Nr("A", kH), Nr("J", kH), Nr("10", kH), Nr("5", kH),
                                Nr("5", common::kRuter), Nr("2", kH)}));
    EXPECT_EQ(Numbers(rig.round.Hand[common::kVast]), (std::vector<int>{Nr("Q", kH), Nr("8", kH)}));
    EXPECT_EQ(Numbers(rig.round.KortKilled), (std::vector<int>{Nr("3", kH), Nr("4", kH)}));
    EXPECT_EQ(std::tuple(rig.round.PlayedTrump[2], rig.round.PlayedTrump[3], rig.round.harPacko,
                         rig.round.gbFarg, rig.round.gbBjuditHogst, rig.round.gbHogstaBudet,
                         rig.round.CardsPlayed, rig.round.BeforeBuying[common::kOst]),
              std::tuple(-1, -1, common::kOst, kH, common::kNord, 8, 0, -1))
        << "the logged round, with the dealer's holding unknown";
    ASSERT_TRUE(rig.RunToRoundEnd());
    EXPECT_EQ(std::pair(rig.round.gbVi, rig.round.gbDe), std::pair(5, -6));
    for (const cards::KortHand& spot : rig.round.Bord) {
        const std::set<int> played = NumberSet(spot);
        EXPECT_FALSE(played.contains(Nr("3", kH)) || played.contains(Nr("4", kH)))
            << "a killed trump was played";
    }
}

TEST(ReplayJustPlayed, KeepsKilledTrumpsOutAndChangesNoTotals) {
    StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
    ASSERT_TRUE(SetUpAfterDiscard(rig.table, KillingRound()));
    ASSERT_TRUE(rig.RunUntil([&] {  // to the start of play, after the buying
        if (rig.table.Timer1().Tag == table::WaitStep::WaitToBuy) {
            rig.table.AdvanceMe();
        }
        return rig.round.myGameStatus == 7 && rig.round.attSaka != rig.round.harPacko;
    }));
    std::array<std::set<int>, common::kSeats> at_play_start;  // the trumps each seat holds
    for (int s = 0; s < common::kSeats; ++s) {
        for (const cards::Kort* card : rig.round.Hand[s].Cards()) {
            if (card->IsOfColour(kH)) {
                at_play_start[s].insert(card->Nr);
            }
        }
    }
    const std::vector<int> killed{Nr("3", kH), Nr("4", kH)};
    ASSERT_EQ(Numbers(rig.round.KortKilled), killed);
    ASSERT_TRUE(rig.RunToRoundEnd());
    ASSERT_GT(rig.round.gbVi, 61) << "the scripted round wins the game for Vi";
    const TableSnapshot after_round = Snapshot(rig.table);
    const std::string games_vi = rig.settings.RegReadSetting("user", "Statistic", "TotalVi", "0");
    ASSERT_EQ(games_vi, "1");

    rig.table.ImgReplayUp_MouseDown();
    rig.table.ImgReplayUp_MouseUp();
    EXPECT_EQ(std::tuple(rig.round.bReplay, rig.ctl.LblReplay.Visible, rig.round.CardsPlayed),
              std::tuple(true, true, 0));
    for (int s = 0; s < common::kSeats; ++s) {
        // Dead cards went with the hand laid down; the table spots give back the trumps.
        EXPECT_EQ(NumberSet(rig.round.Hand[s]), at_play_start[s]) << "seat " << s;
        EXPECT_EQ(rig.round.Hand[s].VisaHanden, 0) << "seat " << s << " is shown face up";
    }
    for (int rang = 0; rang < state::kRanks; ++rang) {
        EXPECT_EQ(rig.round.PlayedTrump[rang], rang == 2 || rang == 3 ? -1 : 0) << "rank " << rang;
    }

    ASSERT_TRUE(rig.RunToRoundEnd());
    const TableSnapshot again = Snapshot(rig.table);
    EXPECT_EQ(std::tuple(again.vi, again.de, again.scoreboard_rows, again.scoreboard_vi,
                         rig.settings.RegReadSetting("user", "Statistic", "TotalVi", "0")),
              std::tuple(after_round.vi, after_round.de, after_round.scoreboard_rows,
                         after_round.scoreboard_vi, games_vi))
        << "the replay counts for nothing";
    EXPECT_EQ(Numbers(rig.round.KortKilled), killed);
    int played = 0;
    for (int s = 0; s < common::kSeats; ++s) {
        played += rig.round.Bord[s].AntalKortIFarg(kH);
    }
    EXPECT_EQ(played, 12) << "every trump but the two killed ones is played again";
}

TEST(LoggedRound, TheDealLinesNameEveryCardDealtAndNoPlayIsASuggestion) {
    StartedRig rig(RigOptions().Seed(11));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    constexpr const char* kPrefix[] = {"Kl ", "Ru ", "Hj ", "Sp "};
    std::vector<std::string> dealt;
    for (const cards::KortHand& hand : rig.round.Hand) {
        for (const cards::Kort* card : hand.Cards()) {
            dealt.push_back(card->Typ == "5"
                                ? "(" + std::to_string(card->farg) + ") 5  "
                                : kPrefix[common::ColourIndex(card->farg)] + card->Typ + "  ");
        }
    }
    ASSERT_TRUE(std::any_of(dealt.begin(), dealt.end(), [](auto& c) { return c[0] == '('; }))
        << "the seed deals a five";
    ASSERT_TRUE(rig.RunToRoundEnd());
    const std::vector<std::string> log = rig.CloseAndReadLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "Suggestion:"), 0) << "no play is a suggestion";
    auto line = std::find(log.begin(), log.end(), "DELAR UT KORT - (6)=Röd Fivra, (9)=Svart Fivra");
    std::string written;
    for (; line != log.end() && *line != "****************"; ++line) {
        written += *line;
    }
    for (const std::string& card : dealt) {
        EXPECT_NE(written.find(card), std::string::npos) << card << " in " << written;
    }
}

TEST(LoggedRound, AReplayGivesThePlayAiTheSeenCountsOfTheLoggedHoldingsAndBuys) {
    StartedRig rig(RigOptions{});
    // OST deals and takes the rest of the deck: eight trumps that everybody saw him keep.
    ReplayLogText(rig,
                  "<VI>\n0\n<DE>\n0\n<BJUDIT_HOGST>\nNORD\n<BUD>\n7\n<PACKE>\nOST\n<FARG>\n"
                  "HJARTER\n<SYD_FORE_KOP>\nK\n<END>\n<VAST_FORE_KOP>\nQ\n<END>\n"
                  "<NORD_FORE_KOP>\nA\nJ\n<END>\n<OST_FORE_KOP>\n10\n9\n8\n<END>\n"
                  "<VAST_KOPER>\n3\n<END>\n<OST_KOPER>\n7\n6\nV\nv\n4\n<END>\n");
    ASSERT_TRUE(rig.dialogs.messages.empty()) << rig.dialogs.messages.front();
    const playai::PlayMemory& memory = rig.table.PlayAi().Memory();
    EXPECT_EQ(memory.JagSer, (std::array<float, 4>{1, 2, 2, 8}));
    EXPECT_EQ(memory.AndraSer, (std::array<float, 4>{1, 1, 2, 8}))
        << "a buy is not seen by the others, the dealer's eight trumps are";
}

// Where the line holding the first `needle` at or after `from` ends.
std::size_t LineEndAfter(const std::string& log, const std::string& needle, std::size_t from) {
    const std::size_t at = log.find(needle, from);
    return at == std::string::npos ? std::string::npos : log.find('\n', at) + 1;
}

// What the round had reached at a tick, and what the file on disk held then.
struct Tick {
    int status, trump, trick;
    std::string disk;
};

// Once a phase is over, the file must hold the round's log up to `logged_to`.
struct Phase {
    std::string name;
    std::function<bool(const Tick&)> over;
    std::size_t logged_to = 0;
};

// The game log reaches the disk block by block, so a crash, or "Spela logg" pressed
// mid-round, finds every finished part of the round in the file.
TEST(LogOnDisk, AfterEachPhaseTheFileHoldsEveryLineLoggedBeforeIt) {
    StartedRig rig(RigOptions{}.Seed(21));
    std::vector<Tick> ticks;
    ASSERT_TRUE(rig.RunUntil([&] {
        ticks.push_back({rig.round.myGameStatus, rig.round.gbFarg, rig.round.Round,
                         rig.folder.Read("Fivralog.txt")});
        if (rig.table.Timer1().Tag == table::WaitStep::WaitToBuy) {
            rig.table.AdvanceMe();
        }
        return rig.table.Timer1().Tag == table::WaitStep::RoundOver;
    }));
    const std::string before_close = rig.folder.Read("Fivralog.txt");
    rig.table.Close();
    const std::string log = rig.folder.Read("Fivralog.txt");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(before_close, log) << "the round's last block is on disk before the log closes";

    const std::string stars = std::string(gamelog::kStars60) + "\n";
    const std::size_t first_dump = log.find("\n======= SPEL PARAMETER DUMP");
    std::vector<Phase> phases = {
        {"the deck block", [](const Tick& t) { return t.status >= 2; }, log.find("<END>\n\n") + 7},
        {"the auction", [](const Tick& t) { return t.status >= 4; },
         LineEndAfter(log, "\n", log.find("<PACKE>\n") + 8)},
        {"the trump choice", [](const Tick& t) { return t.status >= 5 && t.trump != 0; },
         LineEndAfter(log, stars, log.find("<FARG>\n"))},
        {"the buying", [](const Tick& t) { return t.status >= 7; },
         log.rfind("\n" + std::string(gamelog::kEquals35) + "\n", first_dump) + 1},
    };
    // Each trick closes with a line of stars; the first stars after the trump block end trick 1.
    // A round ends early when no seat holds trump any more.
    std::size_t trick_end = LineEndAfter(log, stars, phases[2].logged_to);
    for (int trick = 1; trick_end != std::string::npos; ++trick) {
        phases.push_back({"trick " + std::to_string(trick),
                          [trick](const Tick& t) { return t.trick > trick; }, trick_end});
        trick_end = LineEndAfter(log, stars, trick_end);
    }
    ASSERT_GE(phases.size(), 4u + 3u) << "a round of at least three tricks";
    for (const Phase& phase : phases) {
        const auto tick = std::find_if(ticks.begin(), ticks.end(), phase.over);
        ASSERT_NE(tick, ticks.end()) << phase.name << " never ended";
        EXPECT_GE(tick->disk.size(), phase.logged_to) << "after " << phase.name;
    }
    for (const Tick& tick : ticks) {
        ASSERT_EQ(log.compare(0, tick.disk.size(), tick.disk), 0)
            << "the file on disk is always the start of the round's log";
    }
}

}  // namespace
}  // namespace table_test
