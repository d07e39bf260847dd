// Two rule sets at one table: each team bids and plays from its own folder.
#include <gtest/gtest.h>

#include <array>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "SelfPlay.h"
#include "common/FieldReader.h"
#include "common/Names.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr const char* kViPlayRules =
    "Version, ViOwnRules\nRULE, Name, ViFirst, EXECUTES, 100, Play, Default, END\n";
constexpr const char* kViBidRules =
    "Version,1.0\nRULE\nName,ViNeverBids\nEXECUTES\n100,BID,PASS\nEND\n";

sim::SimOptions Options(int rounds, std::uint64_t seed) {
    sim::SimOptions options;
    options.rounds = rounds;
    options.seed = seed;
    options.data_dir = DataDir();
    return options;
}

// The seat a log line names at its start ("NORD plays: ..."), or -1.
int SeatOfLine(const std::string& line, const std::string& what) {
    for (int s = 0; s < common::kSeats; ++s) {
        if (line == std::string(common::SeatName(s)) + " " + what) {
            return s;
        }
    }
    return -1;
}

// Per seat, the rule names its bids fired and the rule-file versions its plays were read from.
struct SeatRules {
    std::array<std::vector<std::string>, common::kSeats> bid_rules;
    std::array<std::vector<std::string>, common::kSeats> play_versions;
};

void ReadRoundLog(const std::string& path, SeatRules& rules) {
    const auto text = common::ReadWholeFile(path);
    ASSERT_TRUE(text.has_value()) << path;
    const std::vector<std::string> lines = common::SplitLines(*text);
    int bidder = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const int s = SeatOfLine(lines[i], "BJUDER"); s >= 0) {
            bidder = s;
        } else if (lines[i].rfind("Rule: ", 0) == 0 && bidder >= 0) {
            rules.bid_rules[bidder].push_back(lines[i].substr(6));
            bidder = -1;
        }
        const std::size_t plays = lines[i].find(" plays: ");
        if (plays != std::string::npos && i + 1 < lines.size()) {
            const int s = SeatOfLine(lines[i].substr(0, plays + 1), "");
            const std::size_t next = lines[i + 1] == "Suggestion:" ? i + 2 : i + 1;
            if (s >= 0 && next < lines.size()) {
                rules.play_versions[s].push_back(lines[next]);
            }
        }
    }
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
    ASSERT_EQ(summary.invariant_failures, 0);
    EXPECT_EQ(summary.messages, 0);

    SeatRules rules;
    for (int r = 1; r <= summary.rounds; ++r) {
        std::ostringstream name;
        name << "round-" << std::setw(6) << std::setfill('0') << r << ".txt";
        ReadRoundLog(logs.File(name.str()), rules);
    }
    for (int s = 0; s < common::kSeats; ++s) {
        const bool vi = common::IsVi(s);
        const std::string seat(common::SeatName(s));
        ASSERT_FALSE(rules.bid_rules[s].empty()) << seat << " never bid";
        ASSERT_FALSE(rules.play_versions[s].empty()) << seat << " never played";
        for (const std::string& rule : rules.bid_rules[s]) {
            EXPECT_EQ(rule == "[ViNeverBids]", vi) << seat << " bid by rule " << rule;
        }
        for (const std::string& version : rules.play_versions[s]) {
            EXPECT_EQ(version == "ViOwnRules", vi) << seat << " played by rules " << version;
        }
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
