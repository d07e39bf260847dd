// Whole rounds with four computer seats, checked round by round by the self-play harness.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "SelfPlay.h"
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
    EXPECT_EQ(summary.rounds, kManyRounds);
    EXPECT_EQ(summary.invariant_failures, 0) << Failures(summary);
    EXPECT_EQ(summary.messages, 0);
    EXPECT_GT(summary.games, 0);
    EXPECT_EQ(summary.bids_made + summary.bids_failed, kManyRounds);
}

TEST(SelfPlay, EachRoundKeepsItsOwnLogAndItsReloadKeepsEveryRule) {
    ProgramFolder logs;
    std::ostringstream progress;
    sim::SimOptions write = Options(3, 4242);
    write.logs_dir = logs.Path();
    ASSERT_EQ(sim::RunSelfPlay(write, progress).invariant_failures, 0);
    const auto text = [&](const std::string& name) {
        std::ifstream in(logs.File(name));
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_NE(text("round-000001.txt"), text("round-000003.txt"))
        << "the third round's log is its own, not the first round's kept again";

    sim::SimOptions reload = Options(0, 4242);
    reload.reload_file = logs.File("round-000003.txt");
    const sim::SimSummary summary = sim::RunSelfPlay(reload, progress);
    EXPECT_EQ(summary.rounds, 1);
    EXPECT_EQ(summary.invariant_failures, 0) << Failures(summary);
    EXPECT_EQ(summary.messages, 0);
}

TEST(SelfPlay, ARunThatCannotSetUpItsProgramFolderSaysSoAndPlaysNothing) {
    ProgramFolder where;
    const std::string not_a_folder = where.File("plain-file");
    std::ofstream(not_a_folder) << "x";
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

}  // namespace
}  // namespace table_test
