#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gamelog/LogBlocks.h"
#include "support/TableRig.h"

namespace {

using table_test::RigOptions;
using table_test::TableRig;

// Where the line holding the first `needle` at or after `from` ends.
std::size_t LineEndAfter(const std::string& log, const std::string& needle, std::size_t from) {
    const std::size_t at = log.find(needle, from);
    return at == std::string::npos ? std::string::npos : log.find('\n', at) + 1;
}

// What the round had reached at a tick, and what the file on disk held then.
struct Tick {
    int status = 0;
    int trump = 0;
    int trick = 0;
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
    TableRig rig(RigOptions{}.Seed(21));
    const state::RoundState& round = rig.table.State();
    rig.table.Start();
    std::vector<Tick> ticks;
    ASSERT_TRUE(rig.RunUntil([&] {
        ticks.push_back(
            {round.myGameStatus, round.gbFarg, round.Round, rig.folder.Read("Fivralog.txt")});
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
