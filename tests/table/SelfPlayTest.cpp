// Whole rounds with four computer seats, checked round by round by the self-play harness, and
// two rule sets at one table: each team bids and plays from its own folder.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iomanip>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "SelfPlay.h"
#include "common/FieldReader.h"
#include "common/Names.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

#ifdef NDEBUG
constexpr int kManyRounds = 2000;
#else
constexpr int kManyRounds = 300;
#endif

sim::SimOptions Options(int rounds, std::uint64_t seed) {
    sim::SimOptions options;
    options.rounds = rounds;
    options.seed = seed;
    options.data_dir = DataDir();
    return options;
}

std::string Failures(const sim::SimSummary& summary) {
    std::string text;
    for (const std::string& failure : summary.failures) {
        text += failure + "\n";
    }
    return text;
}

TEST(SelfPlay, ManyRoundsKeepEveryRule) {
    std::ostringstream progress;
    const sim::SimSummary summary = sim::RunSelfPlay(Options(kManyRounds, 20240611), progress);
    EXPECT_EQ(std::tuple(summary.rounds, summary.invariant_failures, summary.messages,
                         summary.bids_made + summary.bids_failed),
              std::tuple(kManyRounds, 0, 0, kManyRounds))
        << Failures(summary);
    EXPECT_GT(summary.games, 0);
}

TEST(SelfPlay, EachRoundKeepsItsOwnLogAndItsReloadKeepsEveryRule) {
    ProgramFolder logs;
    std::ostringstream progress;
    sim::SimOptions write = Options(3, 4242);
    write.logs_dir = logs.Path();
    ASSERT_EQ(sim::RunSelfPlay(write, progress).invariant_failures, 0);
    EXPECT_NE(logs.Read("round-000001.txt"), logs.Read("round-000003.txt"))
        << "the third round's log is its own, not the first round's kept again";

    sim::SimOptions reload = Options(0, 4242);
    reload.reload_file = logs.File("round-000003.txt");
    const sim::SimSummary summary = sim::RunSelfPlay(reload, progress);
    EXPECT_EQ(std::tuple(summary.rounds, summary.invariant_failures, summary.messages),
              std::tuple(1, 0, 0))
        << Failures(summary);
}

TEST(SelfPlay, ARunThatCannotSetUpItsProgramFolderSaysSoAndPlaysNothing) {
    ProgramFolder where;
    const std::string not_a_folder = where.File("plain-file");
    where.Write("plain-file", "x");
    const char* old = std::getenv("TMPDIR");
    const std::string kept = old == nullptr ? "" : old;
    setenv("TMPDIR", not_a_folder.c_str(), 1);
    std::ostringstream progress;
    const sim::SimSummary summary = sim::RunSelfPlay(Options(5, 1), progress);
    old == nullptr ? unsetenv("TMPDIR") : setenv("TMPDIR", kept.c_str(), 1);
    EXPECT_NE(summary.setup_problem.find("could not be set up"), std::string::npos)
        << summary.setup_problem;
    EXPECT_EQ(summary.rounds, 0) << "no round is played with forced decisions";
}

constexpr const char* kViPlayRules =
    "Version, ViOwnRules\nRULE, Name, ViFirst, EXECUTES, 100, Play, Default, END\n";
constexpr const char* kViBidRules =
    "Version,1.0\nRULE\nName,ViNeverBids\nEXECUTES\n100,BID,PASS\nEND\n";

// Per seat, what its decisions in a round's log were read from: "bid <rule>" for a bid,
// "play <version>" for a card (the line after the play, or after its suggestion line).
std::array<std::set<std::string>, common::kSeats> RulesUsed(const std::vector<std::string>& log) {
    std::array<std::set<std::string>, common::kSeats> used;
    int bidder = -1;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (bidder >= 0 && log[i].starts_with("Rule: ")) {
            used[bidder].insert("bid " + log[i].substr(6));
            bidder = -1;
        }
        for (int s = 0; s < common::kSeats; ++s) {
            const std::string seat(common::SeatName(s));
            bidder = log[i] == seat + " BJUDER" ? s : bidder;
            const std::size_t next =
                i + 1 < log.size() && log[i + 1] == "Suggestion:" ? i + 2 : i + 1;
            if (log[i].starts_with(seat + " plays: ") && next < log.size()) {
                used[s].insert("play " + log[next]);
            }
        }
    }
    return used;
}

TEST(TeamFolders, EachTeamBidsAndPlaysByItsOwnRules) {
    ProgramFolder vi_rules;
    vi_rules.Write("FivraPlayRulesAI.TXT", kViPlayRules);
    vi_rules.Write("FivraBidRulesAI.txt", kViBidRules);
    ProgramFolder logs;
    sim::SimOptions options = Options(12, 31337);
    options.data_vi = vi_rules.Path();
    options.logs_dir = logs.Path();
    std::ostringstream progress;
    const sim::SimSummary summary = sim::RunSelfPlay(options, progress);
    ASSERT_EQ(std::pair(summary.invariant_failures, summary.messages), std::pair(0, 0));

    std::array<std::set<std::string>, common::kSeats> used;
    for (int r = 1; r <= summary.rounds; ++r) {
        std::ostringstream name;
        name << "round-" << std::setw(6) << std::setfill('0') << r << ".txt";
        const auto in_round = RulesUsed(common::SplitLines(logs.Read(name.str())));
        for (int s = 0; s < common::kSeats; ++s) {
            used[s].insert(in_round[s].begin(), in_round[s].end());
        }
    }
    for (int s = 0; s < common::kSeats; ++s) {
        const std::string seat(common::SeatName(s));
        int bids = 0;
        for (const std::string& rules : used[s]) {
            bids += rules.starts_with("bid ") ? 1 : 0;
            EXPECT_EQ(rules == "bid [ViNeverBids]" || rules == "play ViOwnRules", common::IsVi(s))
                << seat << " decided by " << rules;
        }
        EXPECT_GT(bids, 0) << seat << " never bid";
        EXPECT_LT(bids, static_cast<int>(used[s].size())) << seat << " never played";
    }
}

TEST(TeamFolders, TheSameFolderForBothTeamsChangesNothing) {
    std::ostringstream progress;
    sim::SimSummary plain = sim::RunSelfPlay(Options(60, 2024), progress);
    sim::SimOptions options = Options(60, 2024);
    options.data_vi = DataDir();
    options.data_de = DataDir();
    sim::SimSummary teams = sim::RunSelfPlay(options, progress);
    plain.seconds = teams.seconds = 0;
    EXPECT_EQ(plain.ToJson(), teams.ToJson());
    EXPECT_EQ(teams.messages, 0);
}

}  // namespace
}  // namespace table_test
