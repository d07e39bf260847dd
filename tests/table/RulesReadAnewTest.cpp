// Every decision reads its files anew: a rule author's edit between two decisions changes
// the second one, with nothing of the first reading kept.
#include <gtest/gtest.h>

#include <numeric>

#include "common/FieldReader.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;

// The shipped bid base with every EA field set to `ea`.
std::string BidBaseWithEa(const std::string& ea) {
    const auto shipped = common::ReadWholeFile(DataDir() + "/FivraBidBase.txt");
    std::string text;
    for (const std::string& line : common::SplitLines(shipped.value_or(""))) {
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
    return rig.RunUntil([&] { return rig.table.State().Hand[seat].GeBud() >= 0; });
}

TEST(RulesReadAnew, AnEditedBidRuleFileDecidesTheNextBid) {
    StartedRig rig(
        RigOptions().BidRules("RULE, RoleInRound, LEAD, !, EXECUTES, 100, BID, 9, END\n"));
    ASSERT_TRUE(RunUntilSpoken(rig, common::kVast));
    EXPECT_EQ(rig.table.State().Hand[common::kVast].GeBud(), 9) << "VAST leads the auction";
    rig.folder.Write("FivraBidRulesAI.txt", "RULE, EXECUTES, 100, BID, 14, END\n");
    ASSERT_TRUE(RunUntilSpoken(rig, common::kNord));
    EXPECT_EQ(rig.table.State().Hand[common::kNord].GeBud(), 14)
        << "NORD bids by the edited file; the first one had him pass";
}

TEST(RulesReadAnew, AnEditedBidBaseValuesTheNextHand) {
    TableRig rig(RigOptions().BidRules("RULE, EXECUTES, 100, EA, 0, END\n"));
    rig.folder.Write("FivraBidBase.txt", BidBaseWithEa("-10"));
    rig.table.Start();
    ASSERT_TRUE(RunUntilSpoken(rig, common::kVast));
    EXPECT_EQ(rig.table.State().Hand[common::kVast].GeBud(), 0) << "no level reaches EA 0";
    rig.folder.Write("FivraBidBase.txt", BidBaseWithEa("10"));
    ASSERT_TRUE(RunUntilSpoken(rig, common::kNord));
    EXPECT_EQ(rig.table.State().Hand[common::kNord].GeBud(), 14) << "every level reaches EA 0";
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
    ScriptedRound script;
    script.hands[common::kVast] = {Nr("A", kH), Nr("7", kH)};
    script.hands[common::kNord] = {Nr("K", kH), Nr("4", kH)};
    script.hands[common::kOst] = {Nr("Q", kH), Nr("6", kH)};
    script.hands[common::kSyd] = {Nr("J", kH), Nr("3", kH)};
    rig.table.Start();
    ASSERT_TRUE(StartPlayFrom(rig.table, script));
    const state::RoundState& round = rig.table.State();
    const auto played = [&] {
        return std::accumulate(round.PlayedCount.begin(), round.PlayedCount.end(), 0);
    };
    const int leader = round.TrickLeader;
    ASSERT_TRUE(rig.RunUntil([&] { return played() == 1; }));
    const int high[] = {11, 14, 13, 12};  // the highest trump of SYD, VAST, NORD, OST
    const int low[] = {2, 7, 3, 6};       // and the lowest (the 4 ranks as 3, the 3 as 2)
    EXPECT_EQ(round.TrickCards[leader], high[leader]) << "the leader plays its highest";
    rig.folder.Write("FivraPlayRulesAI.TXT", kLowest);
    ASSERT_TRUE(rig.RunUntil([&] { return played() == 2; }));
    const int second = common::NextSeat(leader);
    EXPECT_EQ(round.TrickCards[second], low[second]) << "the next seat plays by the edited file";
}

}  // namespace
}  // namespace table_test
