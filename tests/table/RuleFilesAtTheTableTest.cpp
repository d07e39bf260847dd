// The rule files at the table and the runs of fivra-sim: every decision reads its files anew;
// whole rounds checked by the self-play harness; a rule set for each team; the reference players
// and the card audit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <numeric>
#include <sstream>
#include <tuple>

#include "CardAudit.h"
#include "Duplicate.h"
#include "ReferencePlayers.h"
#include "RoundChecks.h"
#include "SelfPlay.h"
#include "common/FieldReader.h"
#include "common/Names.h"
#include "search/GreedyPlayer.h"
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

TEST(SelfPlay, ManyRoundsKeepEveryRule) {
    std::ostringstream progress;
    const sim::SimSummary summary = sim::RunSelfPlay(Options(kManyRounds, 20240611), progress);
    EXPECT_EQ(std::tuple(summary.rounds, summary.invariant_failures, summary.messages,
                         summary.bids_made + summary.bids_failed),
              std::tuple(kManyRounds, 0, 0, kManyRounds))
        << ::testing::PrintToString(summary.failures);
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
        << ::testing::PrintToString(summary.failures);
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

// Adds to each seat's set what its decisions in a round's log were read from: "bid <rule>" for a
// bid, "play <version>" for a card (the line after the play, or after its suggestion line).
void AddRulesUsed(const std::vector<std::string>& log,
                  std::array<std::set<std::string>, common::kSeats>& used) {
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
}

TEST(TeamFolders, EachTeamBidsAndPlaysByItsOwnRules) {
    ProgramFolder vi_rules;
    vi_rules.Write("FivraPlayRulesAI.TXT",
                   "Version, ViOwnRules\nRULE, Name, ViFirst, EXECUTES, 100, Play, Default, END\n");
    vi_rules.Write("FivraBidRulesAI.txt",
                   "Version,1.0\nRULE\nName,ViNeverBids\nEXECUTES\n100,BID,PASS\nEND\n");
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
        AddRulesUsed(common::SplitLines(logs.Read(name.str())), used);
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

// The deck order and the dealer of a logged round.
std::string DealOf(const std::string& file) {
    const std::vector<std::string> log = common::SplitLines(test_support::FileText(file));
    const auto dealer = std::find(log.begin(), log.end(), "<PACKE>");
    return JoinLines(Block(log, "<PACKE_KOMPLETT>")) + (dealer < log.end() - 1 ? dealer[1] : "");
}

// Every policy keeps the round's rules, and with stacked deals every run, whoever plays, gets the
// same deals: what duplicate seatings need.
TEST(ReferencePlayers, EveryPolicyKeepsEveryRuleOfTheRoundAndStackedDealsAreTheSameForAll) {
    std::ostringstream progress;
    const std::array<const char*, 4> policies = {"random", "beginner", "search", "expert"};
    std::array<ProgramFolder, 4> logs;
    for (std::size_t i = 0; i < policies.size(); ++i) {
        SCOPED_TRACE(policies[i]);
        sim::SimOptions options = Options(60, 5);
        options.policy_vi = policies[i];
        options.players.search_samples = 8;
        options.players.expert_budget = 40;
        options.players.search_bids = true;
        options.stacked_deals = true;
        options.logs_dir = logs[i].Path();
        const sim::SimSummary summary = sim::RunSelfPlay(options, progress);
        EXPECT_EQ(std::tuple(summary.rounds, summary.invariant_failures, summary.messages),
                  std::tuple(60, 0, 0));
        for (int round = 1; round <= 6; ++round) {
            const std::string name = "round-00000" + std::to_string(round) + ".txt";
            EXPECT_GT(DealOf(logs[i].File(name)).size(), 52u * 2);
            EXPECT_EQ(DealOf(logs[i].File(name)), DealOf(logs[0].File(name))) << "round " << round;
        }
    }
}

TEST(ExpertPlayer, AMatchOnTwoThreadsIsTheMatchOnOne) {
    std::ostringstream progress;
    std::array<std::string, 2> json;
    std::array<ProgramFolder, 2> logs;
    for (int jobs = 1; jobs <= 2; ++jobs) {
        sim::SimOptions options = Options(8, 17);
        options.policy_vi = "expert";
        options.players.expert_budget = 40;
        options.jobs = jobs;
        options.logs_dir = logs[jobs - 1].Path();
        const std::string text = sim::RunDuplicate(options, progress).ToJson(options);
        json[jobs - 1] = text.substr(0, text.find("seconds"));
    }
    EXPECT_EQ(json[0], json[1]);
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(logs[0].Path())) {
        if (entry.is_regular_file() && entry.path().filename().string().rfind("round-", 0) == 0) {
            const auto relative = std::filesystem::relative(entry.path(), logs[0].Path());
            EXPECT_EQ(test_support::FileText(entry.path()),
                      test_support::FileText(logs[1].Path() / relative))
                << relative;
            ++files;
        }
    }
    EXPECT_EQ(files, 16) << "eight rounds of each seating";
}

// A faulty player: it bids 5, which is never a bid, and names the lowest trump card it does not
// hold.
class BrokenPlayer : public state::SeatPlayer {
  public:
    std::optional<state::BidChoice> Bid(const state::SeatView&) override {
        return state::BidChoice{5, common::kKlover, ""};
    }
    std::optional<int> Trump(const state::SeatView&) override { return std::nullopt; }
    std::optional<state::CardChoice> Card(const state::SeatView& view) override {
        int rank = 1;
        while (view.hand.FindCardIDXofRang(rank, view.round.gbFarg) > 0) {
            ++rank;
        }
        return state::CardChoice{rank, "[BROKEN]"};
    }
};

TEST(ReferencePlayers, TheTableRefusesAndCountsEveryIllegalDecision) {
    TableRig rig(RigOptions{}.Seed(13));
    BrokenPlayer broken;
    rig.table.SetTeamPlayer(1, &broken);
    rig.table.Start();
    sim::GameTrack track;
    for (int round = 0; round < 3; ++round) {
        const std::size_t messages_before = rig.dialogs.messages.size();
        ASSERT_TRUE(rig.RunToRoundEnd()) << "a refused decision does not stop the round";
        const state::RoundState& state = rig.round;
        const int de_cards = state.PlayedCount[common::kVast] + state.PlayedCount[common::kOst];
        const auto& refused = rig.table.RefusedDecisions();
        ASSERT_EQ(refused.size(), 2u + static_cast<std::size_t>(de_cards))
            << "both De bids and every De card";
        EXPECT_NE(refused.front().find(" bids 5, not a legal bid"), std::string::npos)
            << refused.front();
        EXPECT_EQ(rig.dialogs.messages.size() - messages_before, refused.size());
        const std::vector<std::string> problems = sim::CheckFinishedRound(rig.table, track, false);
        const auto about = [&](const std::string& what) {
            return std::count_if(problems.begin(), problems.end(), [&](const std::string& p) {
                return p.find(what) != std::string::npos;
            });
        };
        EXPECT_EQ(about("the table refused a decision"), static_cast<long>(refused.size()));
        EXPECT_EQ(about("illegal bid"), 0) << "the refused bids were not taken";
        EXPECT_GT(about("a card it does not hold"), 0);
        track = sim::GameTrack{state.gbVi, state.gbDe, state.harPacko};
        rig.table.AdvanceMe();
    }
}

// The greedy player in SYD's seat, holding `faces` of hjärter.
struct GreedySyd {
    explicit GreedySyd(const std::vector<std::string>& faces) {
        for (const std::string& face : faces) {
            round.Hand[common::kSyd].AddACard(&deck.Card(Nr(face, common::kHjarter)));
        }
    }
    state::SeatView View(int biggest_bid) {
        return state::SeatView{round, round.Hand[common::kSyd], 0, biggest_bid};
    }
    common::Random random{1};
    cards::Packe deck{random};
    state::RoundState round;
    search::GreedyPlayer greedy;
};

// The greedy player's card with SYD holding `faces` of trump hjärter and the trick so far.
int GreedyCard(const std::vector<std::string>& faces, const std::array<int, 4>& trick) {
    GreedySyd syd(faces);
    syd.deck.ValjFarg(common::kHjarter);
    syd.round.gbFarg = common::kHjarter;
    syd.round.TrickCards = trick;
    const auto card = syd.greedy.Card(syd.View(0));
    return card ? card->rank_code : -1;
}

TEST(ReferencePlayers, TheBeginnersForcedBidIsSixHoweverGoodItsHand) {
    GreedySyd syd({"A", "K", "Q", "5", "10", "J", "2", "3", "4"});
    syd.round.attSaka = common::kNord;
    const auto forced = syd.greedy.Bid(syd.View(5));
    ASSERT_TRUE(forced);
    EXPECT_EQ(forced->bid, 6);
    EXPECT_GT(syd.greedy.Bid(syd.View(0))->bid, 6)
        << "the same hand bids higher when it is free to";
}

TEST(ReferencePlayers, GreedyTakesCheaplyAndGivesNoPointsAway) {
    // VAST leads the king: the ace is the only card that takes it.
    EXPECT_EQ(GreedyCard({"A", "3", "10"}, {0, 13, 0, 0}), 14);
    // VAST's queen: the ten does not take it, the king does.
    EXPECT_EQ(GreedyCard({"K", "10", "A"}, {0, 12, 0, 0}), 13);
    // NORD (the partner) holds the trick: the lowest card.
    EXPECT_EQ(GreedyCard({"A", "3", "10"}, {0, 9, 12, 0}), 2);
    // VAST's ace cannot be beaten: the queen, not the lower ten with its point.
    EXPECT_EQ(GreedyCard({"10", "Q"}, {0, 14, 0, 0}), 12);
    // Only point cards: the lowest.
    EXPECT_EQ(GreedyCard({"J", "10"}, {0, 14, 0, 0}), 10);
}

TEST(CardAudit, ASeatWithOneCardLosesNothingAndEveryLossIsJudged) {
    TableRig rig(RigOptions{}.Seed(21));
    std::ostringstream lines;
    sim::CardAudit audit(&lines, 21, 12);
    int single = 0;
    int judged = 0;
    rig.table.card_chosen = [&](int seat, const playai::PlayDecision& decision) {
        const int trumps = rig.round.Hand[seat].AntalKortIFarg(rig.round.gbFarg);
        const std::size_t before = lines.str().size();
        const double loss = audit.Judge(rig.round, seat, decision, 1);
        EXPECT_GE(loss, 0.0);
        if (trumps == 1) {
            ++single;
            EXPECT_EQ(loss, 0.0);
            EXPECT_EQ(lines.str().size(), before) << "no line without a choice";
        } else {
            ++judged;
        }
    };
    rig.table.Start();
    ASSERT_TRUE(rig.PlayRounds(8));
    EXPECT_GT(single, 0);
    EXPECT_GT(judged, 0);
    int decisions = 0;
    for (const auto& [rule, loss] : audit.ByRule()) {
        EXPECT_FALSE(rule.empty());
        decisions += loss.decisions;
    }
    EXPECT_EQ(decisions, judged);
    // Each line tells the situation: eleven fields, and the chosen card among the judged values.
    const std::vector<std::string> rows = common::SplitLines(lines.str());
    for (std::size_t row = 1; row < rows.size(); ++row) {  // after the header
        std::vector<std::string> fields;
        std::istringstream cells(rows[row]);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            fields.push_back(cell);
        }
        ASSERT_EQ(fields.size(), 11u) << rows[row];
        EXPECT_NE((" " + fields[10]).find(" " + fields[4] + "="), std::string::npos) << rows[row];
    }
}

// The shipped bid base with every EA field set to `ea`.
std::string BidBaseWithEa(const std::string& ea) {
    std::string text;
    const std::string shipped = test_support::FileText(DataDir() + "/FivraBidBase.txt");
    for (const std::string& line : common::SplitLines(shipped)) {
        if (!line.starts_with("[")) {
            text += line + "\n";
            continue;
        }
        text += line.substr(0, line.find(','));
        for (int i = 0; i < 10; ++i) {
            text += "," + ea;
        }
        text += ",P,0.5,0.5,0.5,0.5,0.5,0.5,0.5,0.5,0.5,U,0,0,0,0\n";
    }
    return text;
}

// Runs the auction until `seat` has spoken.
bool RunUntilSpoken(TableRig& rig, int seat) {
    return rig.RunUntil([&] { return rig.round.Hand[seat].GeBud() >= 0; });
}

TEST(RulesReadAnew, AnEditedBidRuleFileDecidesTheNextBid) {
    StartedRig rig(
        RigOptions().BidRules("RULE, RoleInRound, LEAD, !, EXECUTES, 100, BID, 9, END\n"));
    ASSERT_TRUE(RunUntilSpoken(rig, common::kVast));
    EXPECT_EQ(rig.round.Hand[common::kVast].GeBud(), 9) << "VAST leads the auction";
    rig.folder.Write("FivraBidRulesAI.txt", "RULE, EXECUTES, 100, BID, 14, END\n");
    ASSERT_TRUE(RunUntilSpoken(rig, common::kNord));
    EXPECT_EQ(rig.round.Hand[common::kNord].GeBud(), 14)
        << "NORD bids by the edited file; the first one had him pass";
}

TEST(RulesReadAnew, AnEditedBidBaseValuesTheNextHand) {
    TableRig rig(RigOptions().BidRules("RULE, EXECUTES, 100, EA, 0, END\n"));
    rig.folder.Write("FivraBidBase.txt", BidBaseWithEa("-10"));
    rig.table.Start();
    ASSERT_TRUE(RunUntilSpoken(rig, common::kVast));
    EXPECT_EQ(rig.round.Hand[common::kVast].GeBud(), 0) << "no level reaches EA 0";
    rig.folder.Write("FivraBidBase.txt", BidBaseWithEa("10"));
    ASSERT_TRUE(RunUntilSpoken(rig, common::kNord));
    EXPECT_EQ(rig.round.Hand[common::kNord].GeBud(), 14) << "every level reaches EA 0";
    EXPECT_TRUE(rig.dialogs.messages.empty());
}

TEST(RulesReadAnew, AnEditedPlayRuleFileChoosesTheNextCard) {
    constexpr const char* kHighest =
        "Interpretation, DOWN, A, K, Q, J, 10, 9, 8, 7, 6, V, v, 4, 3, 2, !\n"
        "RULE, EXECUTES, 100, Play, DOWN, END\n";
    constexpr const char* kLowest =
        "Interpretation, UP, 2, 3, 4, v, V, 6, 7, 8, 9, 10, J, Q, K, A, !\n"
        "RULE, EXECUTES, 100, Play, UP, END\n";
    TableRig rig(RigOptions().PlayRules(kHighest));
    rig.table.Start();
    ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(6, 0, 0)));
    const auto played = [&] {
        return std::accumulate(rig.round.PlayedCount.begin(), rig.round.PlayedCount.end(), 0);
    };
    const int leader = rig.round.TrickLeader;
    ASSERT_TRUE(rig.RunUntil([&] { return played() == 1; }));
    const int high[] = {10, 14, 11, 6};  // the highest trump of SYD, VAST, NORD, OST
    const int low[] = {2, 7, 3, 5};      // and the lowest (the 3 ranks as 2, the 4 as 3, V as 5)
    EXPECT_EQ(rig.round.TrickCards[leader], high[leader]) << "the leader plays its highest";
    rig.folder.Write("FivraPlayRulesAI.TXT", kLowest);
    ASSERT_TRUE(rig.RunUntil([&] { return played() == 2; }));
    const int second = common::NextSeat(leader);
    EXPECT_EQ(rig.round.TrickCards[second], low[second])
        << "the next seat plays by the edited file";
}

}  // namespace
}  // namespace table_test
