// The conditions of the play rules, and the card-tracking predicates they name: whether a group
// of cards is still out, and whether the other seats' trumps are spread evenly.
#include <string>
#include <tuple>
#include <vector>

#include "PlayTable.h"
#include "playai/Predicates.h"

namespace playai::test {
namespace {

// Whether a condition holds for the seat; the condition stands on lines of its own, after
// the definitions it uses.
bool Holds(PlayTable& t, int seat, const std::string& condition,
           const std::string& definitions = "") {
    const PlayDecision d = t.Decide(seat, definitions + "RULE, Name, C,\n" + condition +
                                              "\nEXECUTES, 100, Play, Default, END\n");
    return d.RuleTrace == "[C]\n*PlayDefault";
}

TEST(Condition, WorkingHandItems) {
    PlayTable t;
    t.Give(0, {"A", "K", "Q", "3"});
    EXPECT_TRUE(Holds(t, 0, "")) << "an empty condition holds";
    EXPECT_TRUE(Holds(t, 0, "A, K"));
    EXPECT_FALSE(Holds(t, 0, "A, A")) << "the first A took the only ace";
    EXPECT_FALSE(Holds(t, 0, "x0, :=, K, X0, X0")) << "the first X0 took the king";
    EXPECT_FALSE(Holds(t, 0, "NOT, J, A, 10, !"));
    EXPECT_TRUE(Holds(t, 0, "NOT, J, 10, !"));
    EXPECT_FALSE(Holds(t, 0, "NOT, !")) << "an empty NOT list does not hold";
}

TEST(Condition, InTakesCardsWhileAssignmentOnlyLooks) {
    PlayTable t;
    t.Give(0, {"K", "Q", "3"});
    const std::string list = "Interpretation, TOPS, A, K, Q, !\n";
    EXPECT_TRUE(Holds(t, 0, "x0, in, TOPS, x1, in, TOPS, x0, not, x1, x0, =, K, x1, =, Q", list));
    EXPECT_TRUE(Holds(t, 0, "x0, :=, TOPS, x1, :=, TOPS, x0, =, x1", list));
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_TRUE(Holds(t, 0, "x0, in, TOPS, x0, in, TOPS, x0, =, Q", list));
    EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"Assigning again to x0"});
    t.Give(0, {"2"});
    EXPECT_TRUE(
        Holds(t, 0, "x0, in, LOWS, x1, in, LOWS, x1, =, 2", "Interpretation, LOWS, 3, 2, !\n"))
        << "the two is a card like any other";
}

TEST(Condition, OrAlternativeDiscardsTheRestOfItsLine) {
    PlayTable t;
    t.Give(0, {"9"});
    const std::string alternative = "OR, FivraOut, YES, Round, >, 3";
    EXPECT_FALSE(Holds(t, 0, alternative)) << "no fivra card out and trick 1";
    t.round.Round = 4;
    EXPECT_TRUE(Holds(t, 0, alternative)) << "the failed alternative is forgiven";
    t.round.Round = 1;
    t.round.TrickCards[1] = 5;
    EXPECT_TRUE(Holds(t, 0, alternative)) << "a true alternative passes over Round > 3";
    EXPECT_FALSE(Holds(t, 0, alternative + "\nd0, >, 1")) << "the next line still counts";
}

TEST(Condition, ProbabilityFollowsTheDraws) {
    PlayTable t;
    t.Give(0, {"9"});
    common::Random twin(5);  // the same seed as the table's rule source
    for (int i = 0; i < 40; ++i) {
        EXPECT_TRUE(Holds(t, 0, "Probability, 100"));
        EXPECT_FALSE(Holds(t, 0, "Probability, 0"));
        twin.Draw(100);  // the draw of "Probability, 0"
        const bool expected = twin.Draw(100) <= 50;
        EXPECT_EQ(Holds(t, 0, "Probability, 50"), expected) << "decision " << i;
    }
    EXPECT_EQ(t.DecideWithFile(0).ProbText, "50");
}

TEST(Condition, CardVariableItems) {
    PlayTable t;
    t.Give(0, {"K", "10", "6", "2"});
    t.round.PlayedTrump[14] = -1;  // the ace has fallen
    const std::string all = "Interpretation, ALL, 2, 3, 4, 6, 8, 10, Q, K, A, !\n";
    EXPECT_TRUE(Holds(t, 0, "x0, of, A, Q, 10, 6, !, x0, =, 10, x1, of, 10, 6, !, x1, =, 6", all));
    EXPECT_TRUE(Holds(t, 0,
                      "x0, ofunplayed, A, K, Q, !, x0, =, Q, x1, ofunplayed, Q, J, !,"
                      " x1, =, J",
                      all));
    EXPECT_TRUE(Holds(t, 0, "x0, inunplayed, ALL, x0, =, 3", all));
    EXPECT_TRUE(Holds(t, 0,
                      "x0, :=, 9, x1, :>>, x0, ALL, x1, =, 10, x2, :<<, x0, ALL,"
                      " x2, =, 2",
                      all));
    EXPECT_FALSE(Holds(t, 0, "x1, :>>, K, ALL", all));
    EXPECT_FALSE(Holds(t, 0, "x0, or, Q, K, !")) << "an empty variable names no card";
    EXPECT_TRUE(Holds(t, 0, "x0, :=, K, x0, or, Q, K, !", all));
    EXPECT_TRUE(Holds(t, 0, "d0, :=, 5, x0, <-, d0, x0, =, V, x1, <-, 20, x1, =, x9", all));
    EXPECT_TRUE(Holds(t, 0,
                      "x0, :=, J, x1, :-, x0, +, 2, x1, =, K, x2, :-, x0, -, 11,"
                      " x2, =, x9, x0, >, 10, x0, <, Q",
                      all));
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_TRUE(Holds(t, 0, "x0, :=, J, x1, :-, x0, *, 2, x1, =, J", all));
    EXPECT_EQ(t.dialogs.messages,
              std::vector<std::string>{"This operator: * is not supported by :-"});
    EXPECT_TRUE(Holds(t, 0,
                      "x0, :=, CardHighestMy, x0, =, K, x1, :=, CardHighestRound,"
                      " x1, =, x9",
                      all));
}

TEST(Condition, NumericVariableItems) {
    PlayTable t;
    t.Give(0, {"K", "9", "6"});
    t.round.PlayedTrump[8] = -1;
    t.round.Round = 3;
    EXPECT_FALSE(Holds(t, 0, "d0, :=, 0")) << "a literal 0 does not assign";
    EXPECT_TRUE(Holds(t, 0, "d0, :=, 2.5, d1, :=, -d0, d1, =, -2.5, d2, :-, d1, +, d0, d2, =, 0"));
    EXPECT_TRUE(Holds(t, 0, "d0, :=, Round, d0, =, 3, d1, :=, d0, d1, :-, d1, -, 1, d1, <, d0"));
    EXPECT_TRUE(Holds(t, 0, "d0, <-, K, d0, =, 13, d1, <..>, K, 6, d1, =, 4"))
        << "between K and 6 only the 7 and the 10 to Q are unseen; 8 fell, K 9 6 held";
    EXPECT_FALSE(Holds(t, 0, "d0, <..>, K, 6, d0, =, 2"));
    EXPECT_TRUE(Holds(t, 0, "d0, <..>, Q, Q, d0, =, 0"));
    EXPECT_TRUE(Holds(t, 0,
                      "Round, >, 2, Round, not, 2, CompareValues, Round, >, LIMIT,"
                      " CardsLeftInMyHand, =, 3",
                      "Set, LIMIT, 2\n"));
    EXPECT_FALSE(Holds(t, 0, "Round, >=, 2")) << "an unknown operator is false";
}

TEST(TrickPredicates, AGroupIsUnplayedWhileAnyOfItsCardsIsOut) {
    const std::vector<std::tuple<const char*, std::vector<int>, bool>> cases = {
        {"UnplayedFivra", {4}, true},     {"UnplayedFivra", {4, 5}, false},
        {"UnplayedTenJ", {10, 12}, true}, {"UnplayedTenJ", {10, 11}, false},
        {"UnplayedLow", {1, 2}, true},    {"UnplayedLow", {1, 2, 3}, false}};
    for (const auto& [name, played, expected] : cases) {
        PlayTable t;
        for (const int code : played) {
            t.round.PlayedTrump[code] = -1;
        }
        const TrumpSlots trumps;
        EXPECT_EQ(NamedPredicate(PlayView{t.round, t.engine.Memory(), 0, trumps}, name), expected)
            << name << " after " << played.size() << " played";
    }
}

TEST(TrickPredicates, AnEvenSpreadEndsWhenAnotherSeatIsExpectedToHoldFive) {
    PlayTable t;
    t.round.ColdFlag = {0, -1, -1, -1};  // what the others hold is known
    const TrumpSlots trumps;
    const PlayView view{t.round, t.engine.Memory(), 0, trumps};
    t.engine.Memory().AndraSer = {6, 4, 4, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), true);
    t.engine.Memory().AndraSer = {6, 4, 5, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), false);
}

}  // namespace
}  // namespace playai::test
