#include <set>
#include <string>

#include "PlayTable.h"
#include "playai/Sorting.h"

namespace playai::test {
namespace {

using Names = std::vector<std::string>;

TEST(Actions, SortByOrderFillsMissingRanksFromTheList) {
    PlayTable t;
    t.Give(0, {"6", "8", "Q", "A"});
    const PlayDecision d = t.Decide(0,
                                    "Interpretation, FILL, 8, 7, 6, !\n"
                                    "RULE, Name, S, EXECUTES, 100, SortByOrder, FILL, END\n");
    EXPECT_EQ(t.HandNames(0), (Names{"A", "8", "Q", "6"}));
    EXPECT_EQ(CardOf(d), "A");
    EXPECT_EQ(d.RuleTrace, "[DEFAULT]");
}

TEST(Actions, SortsReorderOnlyTheTrumpPlacesOfTheHand) {
    PlayTable t;
    t.Give(0, {"V", "K"});
    t.round.Hand[0].AddACardOSort(&t.deck.Card(0));  // the ace of klöver, a dead card
    t.Give(0, {"v", "3"});
    t.Decide(0, "RULE, EXECUTES, 100, SortFivraLast, END\n");
    std::vector<int> places;  // the rank at each place of the hand, -1 for the dead card
    for (const cards::Kort* card : t.round.Hand[0].Cards()) {
        places.push_back(card->Nr == 0 ? -1 : card->Rang);
    }
    EXPECT_EQ(places, (std::vector<int>{13, 2, -1, 5, 4})) << "the dead card keeps its place";
}

TEST(Actions, SortedOrderStandsWhenTheRuleNamesACardNotHeld) {
    PlayTable t;
    t.Give(0, {"2", "9", "J"});
    const PlayDecision d = t.Decide(0,
                                    "Interpretation, ORDER, J, 2, 9, !\n"
                                    "RULE, EXECUTES, 100, Sort, ORDER, 100, Play, A, END\n"
                                    "RULE, Name, Def, EXECUTES, 100, Play, Default, END\n");
    EXPECT_EQ(t.HandNames(0), (Names{"J", "2", "9"}));
    EXPECT_EQ(CardOf(d), "J");
    EXPECT_EQ(d.RuleTrace, "[Def]\n*PlayDefault");
    // The order lasts into the next decision.
    EXPECT_EQ(CardOf(t.Decide(0, "STOP\n")), "J");
}

TEST(Actions, FailedSortKeepsUnplacedCardsAfterThePlacedOnes) {
    PlayTable t;
    t.Give(0, {"9", "4", "K", "7"});
    const PlayDecision d =
        t.Decide(0,
                 "Interpretation, PART, 7, K, !\n"
                 "RULE, Name, S, EXECUTES, 100, Sort, PART, 100, Play, 9, END\n");
    EXPECT_EQ(t.HandNames(0), (Names{"7", "K", "9", "4"}));
    EXPECT_EQ(d.RuleTrace, "[S]\n*Sort:PART\nSort FAILED!*Play 9");

    TrumpSlots held;
    held.slot = {0, 10, 8, 0, 0, 0, 0};
    held.count = 2;
    const SortOrder unknown = OrderByList(nullptr, held);
    EXPECT_FALSE(unknown.complete);
    EXPECT_TRUE(unknown.placed.empty());
    const std::vector<int> short_list = {8};
    const SortOrder by_rank = OrderByRank(&short_list, held);
    EXPECT_TRUE(by_rank.complete) << "10 for its own rank, 8 filled in for the A";
    EXPECT_EQ(by_rank.placed, (std::vector<int>{8, 10}));
}

TEST(Actions, PlayRandomDrawsFromEveryHeldSlot) {
    PlayTable t;
    t.Give(0, {"K", "8", "4", "2"});
    t.WriteRules("RULE, EXECUTES, 100, Play, Random, END\n");
    std::set<std::string> chosen;
    for (int i = 0; i < 200; ++i) {
        const PlayDecision d = t.DecideWithFile(0);
        EXPECT_EQ(d.RuleTrace, "*PlayRandom");
        chosen.insert(CardOf(d));
    }
    EXPECT_EQ(chosen, (std::set<std::string>{"K", "8", "4", "2"}));
}

TEST(Actions, StepsWithoutChanceOrWithEmptyVariablesDoNotPlay) {
    PlayTable t;
    t.Give(0, {"10", "J", "3"});
    const PlayDecision d = t.Decide(0,
                                    "RULE, Name, NoChance, EXECUTES, Play, J, 100, Play, x3, "
                                    "100, Play, 3, END\n");
    EXPECT_EQ(d.RuleTrace, "[NoChance]\n*Play 3")
        << "the chance-less step passes over J, the empty x3 does nothing";
    const PlayDecision skipped = t.Decide(0,
                                          "Set, NEVER, 0\n"
                                          "RULE, EXECUTES, NEVER, SortSpecificOrder, 3, J, !, "
                                          "NOLIST, 100, Play, J, END\n");
    EXPECT_EQ(CardOf(skipped), "J");
    EXPECT_EQ(t.HandNames(0), (Names{"10", "J", "3"})) << "the skipped sort left the order";
}

}  // namespace
}  // namespace playai::test
