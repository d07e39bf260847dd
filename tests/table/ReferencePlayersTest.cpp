// The reference players, duplicate matches and the card audit of fivra-sim.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "CardAudit.h"
#include "ReferencePlayers.h"
#include "RoundChecks.h"
#include "SelfPlay.h"
#include "common/FieldReader.h"
#include "search/GreedyPlayer.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

sim::SimOptions Match(const std::string& vi, const std::string& de, int rounds,
                      std::uint64_t seed) {
    sim::SimOptions options;
    options.rounds = rounds;
    options.seed = seed;
    options.data_dir = DataDir();
    options.policy_vi = vi;
    options.policy_de = de;
    options.players.search_samples = 8;
    options.players.expert_budget = 40;
    return options;
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
        sim::SimOptions options = Match(policies[i], "rules", 60, 5);
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
        const state::RoundState& state = rig.table.State();
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

// The greedy player's card with SYD holding `faces` of trump hjärter and the trick so far.
int GreedyCard(const std::vector<std::string>& faces, const std::array<int, 4>& trick) {
    common::Random random(1);
    cards::Packe deck(random);
    deck.ValjFarg(common::kHjarter);
    state::RoundState round;
    round.gbFarg = common::kHjarter;
    round.TrickCards = trick;
    for (const std::string& face : faces) {
        round.Hand[common::kSyd].AddACard(&deck.Card(Nr(face, common::kHjarter)));
    }
    search::GreedyPlayer greedy;
    const auto card = greedy.Card(state::SeatView{round, round.Hand[common::kSyd], 0, 0});
    return card ? card->rank_code : -1;
}

TEST(ReferencePlayers, TheBeginnersForcedBidIsSixHoweverGoodItsHand) {
    common::Random random(1);
    cards::Packe deck(random);
    state::RoundState round;
    round.attSaka = common::kNord;
    for (const char* face : {"A", "K", "Q", "5", "10", "J", "2", "3", "4"}) {
        round.Hand[common::kSyd].AddACard(&deck.Card(Nr(face, common::kHjarter)));
    }
    search::GreedyPlayer greedy;
    const auto forced = greedy.Bid(state::SeatView{round, round.Hand[common::kSyd], 0, 5});
    ASSERT_TRUE(forced);
    EXPECT_EQ(forced->bid, 6);
    const auto free = greedy.Bid(state::SeatView{round, round.Hand[common::kSyd], 0, 0});
    EXPECT_GT(free->bid, 6) << "the same hand bids higher when it is free to";
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
        const state::RoundState& round = rig.table.State();
        const int trumps = round.Hand[seat].AntalKortIFarg(round.gbFarg);
        const std::size_t before = lines.str().size();
        const double loss = audit.Judge(round, seat, decision, 1);
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
    for (int round = 0; round < 8; ++round) {
        ASSERT_TRUE(rig.RunToRoundEnd());
        rig.table.AdvanceMe();
    }
    EXPECT_GT(single, 0);
    EXPECT_GT(judged, 0);
    int decisions = 0;
    for (const auto& [rule, loss] : audit.ByRule()) {
        EXPECT_FALSE(rule.empty());
        decisions += loss.decisions;
    }
    EXPECT_EQ(decisions, judged);
    // Each line tells the situation: eleven fields, and the chosen card among the judged values.
    std::istringstream text(lines.str());
    std::string line;
    std::getline(text, line);
    while (std::getline(text, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            fields.push_back(cell);
        }
        ASSERT_EQ(fields.size(), 11u) << line;
        EXPECT_NE((" " + fields[10]).find(" " + fields[4] + "="), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace table_test
