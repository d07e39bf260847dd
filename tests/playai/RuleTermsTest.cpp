// The terms the play rules are written in: the game values a rule reads, the conditions and the
// card-tracking predicates they name (whether a group of cards is still out, whether the other
// seats' trumps are spread evenly, the expectation of loose cards), and the actions.

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "PlayTable.h"
#include "playai/Expectation.h"
#include "playai/GameValues.h"
#include "playai/Predicates.h"
#include "playai/Sorting.h"

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
    EXPECT_FALSE(Holds(t, 0, "x1, :>>, K, ALL", all));
    EXPECT_FALSE(Holds(t, 0, "x0, or, Q, K, !")) << "an empty variable names no card";
    for (const char* condition : {
             "x0, of, A, Q, 10, 6, !, x0, =, 10, x1, of, 10, 6, !, x1, =, 6",
             "x0, ofunplayed, A, K, Q, !, x0, =, Q, x1, ofunplayed, Q, J, !, x1, =, J",
             "x0, inunplayed, ALL, x0, =, 3",
             "x0, :=, 9, x1, :>>, x0, ALL, x1, =, 10, x2, :<<, x0, ALL, x2, =, 2",
             "x0, :=, K, x0, or, Q, K, !",
             "d0, :=, 5, x0, <-, d0, x0, =, V, x1, <-, 20, x1, =, x9",
             "x0, :=, J, x1, :-, x0, +, 2, x1, =, K, x2, :-, x0, -, 11, x2, =, x9, x0, >, 10, "
             "x0, <, Q",
             "x0, :=, CardHighestMy, x0, =, K, x1, :=, CardHighestRound, x1, =, x9",
         }) {
        EXPECT_TRUE(Holds(t, 0, condition, all)) << condition;
    }
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_TRUE(Holds(t, 0, "x0, :=, J, x1, :-, x0, *, 2, x1, =, J", all));
    EXPECT_EQ(t.dialogs.messages,
              std::vector<std::string>{"This operator: * is not supported by :-"});
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

TEST(TrickPredicates, AGroupIsUnplayedWhileACardIsOutAndAnEvenSpreadEndsAtFive) {
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
    PlayTable t;
    t.round.ColdFlag = {0, -1, -1, -1};  // what the others hold is known
    const TrumpSlots trumps;
    const PlayView view{t.round, t.engine.Memory(), 0, trumps};
    t.engine.Memory().AndraSer = {6, 4, 4, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), true);
    t.engine.Memory().AndraSer = {6, 4, 5, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), false);
}

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
    EXPECT_EQ(CardOf(t.Decide(0, "STOP\n")), "J") << "the order lasts into the next decision";
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

    const TrumpSlots held{{0, 10, 8, 0, 0, 0, 0}, 2};
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

std::map<std::string, std::string> ValuesOf(PlayTable& t, int seat) {
    const TrumpSlots trumps = SlotsFromHand(t.round.Hand[seat], PlayTable::kTrump);
    const PlayView view{t.round, t.engine.Memory(), seat, trumps};
    std::map<std::string, std::string> values;
    const auto list = ComputeGameValues(view);
    EXPECT_EQ(list.size(), static_cast<std::size_t>(kGameValueCount));
    for (const GameValue& v : list) {
        values[std::string(v.name)] = v.value;
    }
    return values;
}

TEST(GameValues, TrickOneHasNoHistoryAndTrickTwoRemembersIt) {
    PlayTable t;
    t.Give(2, {"A", "9"});
    t.round.TrickLeader = 2;
    auto v = ValuesOf(t, 2);
    for (const char* name :
         {"PreviousCardPartner", "PreviousCardLeft", "PreviousCardRight", "PreviousCardMe",
          "PreviousCardHighestRound", "PreviousCardHighestAbsolute", "CardHighestRound", "CardLeft",
          "CardRight", "CardPartner"}) {
        EXPECT_EQ(v[name], "") << name;
    }
    EXPECT_EQ(std::tuple(v["PositionInRound"], v["CardHighestMy"]), std::tuple("FIRST", "A"));

    t.PlayFrom(2, {"9", "K", "2", "V"});
    t.engine.RecordTrickHighs(t.round);
    t.round.Round = 2;
    t.round.TrickCards = {};
    v = ValuesOf(t, 0);
    const std::map<std::string, std::string> remembered = {
        {"PreviousCardMe", "2"},           {"PreviousCardLeft", "V"},
        {"PreviousCardPartner", "9"},      {"PreviousCardRight", "K"},
        {"PreviousCardHighestRound", "K"}, {"PreviousCardHighestAbsolute", "A"},
        {"CardsRemaining", "10"}};
    for (const auto& [name, value] : remembered) {
        EXPECT_EQ(v[name], value) << name;
    }
}

TEST(GameValues, RolesAndColdSeats) {
    PlayTable t;
    t.round.gbBjuditHogst = common::kVast;
    EXPECT_EQ(ValuesOf(t, common::kVast)["RoleBid"], "BIDDER");
    EXPECT_EQ(ValuesOf(t, common::kSyd)["RoleBid"], "B_DEFENCE")
        << "SYD plays just before VAST, its LEFT";
    EXPECT_EQ(ValuesOf(t, common::kOst)["RoleBid"], "BIDRESPONSE");
    EXPECT_EQ(ValuesOf(t, common::kNord)["RoleBid"], "A_DEFENCE")
        << "NORD plays just after VAST, its RIGHT";

    t.round.gbBjuditHogst = 3;
    t.round.TrickLeader = 1;
    t.round.ColdFlag[1] = -1;
    auto v = ValuesOf(t, 2);
    EXPECT_EQ(v["RoleInRound"], "LEAD") << "the cold leader hands the lead to the next seat";
    EXPECT_EQ(v["PositionInRound"], "SECOND");
    EXPECT_EQ(v["RoleBid"], "B_DEFENCE") << "OST bid and is NORD's LEFT";
    EXPECT_EQ(ValuesOf(t, 3)["RoleInRound"], "A_BLOCK");
    EXPECT_EQ(ValuesOf(t, 1)["RoleInRound"], "B_BLOCK");

    // AndraSer 2 and no loose card: cold in trick 3 until it has played to the trick.
    PlayMemory& m = t.engine.Memory();
    t.round.ColdFlag = {};
    m.JagSer = {6, 0, 0, 0};
    m.AndraSer = {6, 2, 3, 3};
    t.round.Round = 3;
    const TrumpSlots trumps;
    const PlayView view{t.round, m, 0, trumps};
    EXPECT_EQ(CardsLoose(view), 0);
    EXPECT_TRUE(IsCold(view, 1));
    EXPECT_FALSE(IsCold(view, 2));
    t.round.TrickCards[1] = 7;
    EXPECT_FALSE(IsCold(view, 1));
}

TEST(GameValues, PointsInHandAndRank) {
    PlayTable t;
    t.Give(0, {"10", "V", "v", "K", "Q"});
    EXPECT_EQ(ValuesOf(t, 0)["TakeablePoints"], "3");
    const TrumpSlots trumps = SlotsFromHand(t.round.Hand[0], PlayTable::kTrump);
    const PlayView view{t.round, t.engine.Memory(), 0, trumps};
    EXPECT_TRUE(EqualInRank(view, 13, 12));
    EXPECT_FALSE(EqualInRank(view, 14, 12)) << "the ace lies elsewhere, unplayed";
    t.round.PlayedTrump[14] = -1;
    EXPECT_TRUE(EqualInRank(view, 14, 12));
    EXPECT_FALSE(EqualInRank(view, 0, 12));
}

TEST(GameValues, PointsToKillForBothSides) {
    PlayTable t;
    t.round.gbHogstaBudet = 8;
    t.round.PointsDe = 2;
    t.round.PointsVi = 1;
    t.round.TrickLeader = 1;
    t.Give(0, {"A", "2", "J"});
    t.PlayFrom(1, {"K", "V", "2"});
    // Bidding side, seat 0: the ace is still out, so the trick's fivra card is not lost yet.
    EXPECT_EQ(ValuesOf(t, 0)["PointsToKill"], "3") << "14 - 8 - 2 - one two";
    t.round.HighestUnplayed = 13;  // the K was the highest: its trick takes the fivra card
    EXPECT_EQ(ValuesOf(t, 0)["PointsToKill"], "-2");

    // Defending side, seat 1 whose partner (3) played the two; seat 1 holds nothing.
    t.round.HighestUnplayed = 14;
    EXPECT_EQ(ValuesOf(t, 1)["PointsToKill"], "3") << "14 - 8 - 2 - a(1)";
    // Seat 3 defends with partner 1 on the K, the best card left once the ace is gone.
    t.round.Hand[0].ClearHand();
    t.round.PlayedTrump[14] = -1;
    t.round.HighestUnplayed = 13;
    EXPECT_EQ(ValuesOf(t, 3)["PointsToKill"], "-1") << "14 - 8 - 2 - 0 - 5 (fivra)";
}

TEST(Expectation, LooseCardsSpreadOverUnknownPlaces) {
    PlayTable t;
    PlayMemory& m = t.engine.Memory();
    m.JagSer = {4, 2, 1, 3};
    m.AndraSer = {4, 2, 1, 3};
    t.Give(0, {"A", "K", "Q", "J"});
    auto v = ValuesOf(t, 0);
    const TrumpSlots trumps = SlotsFromHand(t.round.Hand[0], PlayTable::kTrump);
    EXPECT_EQ(std::tuple(v["CardsLoose"], v["CardsUnknown"], v["CardsExpectedLeft"]),
              std::tuple("4", "12", "3.333333"));
    const PlayView view{t.round, m, 0, trumps};
    EXPECT_NEAR(DynExp(view, 2), 1 + 5 * 4.0 / 12, 1e-5);
    RecordingSink log;
    ExpectationDump(view, log);
    // The dump's numbers: unknown places, the ratio, each seat's expectation.
    ASSERT_EQ(log.lines.size(), 13u);
    EXPECT_EQ(
        std::tuple(log.lines[5], log.lines[6], log.lines[8], log.lines[10]),
        std::tuple("Obekanta: 12", "Exp ratio/kort: 0.3333333",
                   "1:  AndraSer   2    DynExp   3.333333", "3:  AndraSer   3    DynExp   4"));

    // Every other seat cold: nothing unknown, each expectation is what is known.
    t.round.ColdFlag = {0, -1, -1, -1};
    log.lines.clear();
    ExpectationDump(view, log);
    EXPECT_EQ(CardsUnknown(view), 0);
    EXPECT_EQ(std::tuple(log.lines[6], log.lines[7]),
              std::tuple("0:  AndraSer   4", "1:  AndraSer   2    DynExp   2"));
    // A seat known to have had more than six has no unknown place.
    t.round.ColdFlag = {};
    m.AndraSer = {4, 8, 1, 3};
    EXPECT_EQ(CardsUnknown(view), 5 + 3);
    EXPECT_FLOAT_EQ(DynExp(view, 1), 8.0f);
}

TEST(GameValues, NoFivraFlagFollowsWhatTheSeatKeptBack) {
    PlayTable t;
    t.Give(3, {"9"});
    t.PlayFrom(0, {"3", "A", "4", "8"});
    t.engine.UpdateNoFivraFlag(t.round, 2, 3);
    EXPECT_EQ(t.engine.Memory().NoFivraFlag[2], 0) << "seat 2 was not last";
    t.engine.UpdateNoFivraFlag(t.round, 3, 8);
    EXPECT_EQ(t.engine.Memory().NoFivraFlag[3], -1) << "its partner held the trick with the ace";
    t.engine.ResetPlayHistory();
    EXPECT_EQ(t.engine.Memory().NoFivraFlag[3], 0);
    t.engine.UpdateNoFivraFlag(t.round, 1, 14);
    EXPECT_EQ(t.engine.Memory().NoFivraFlag[1], 0) << "second to play with others to come";
}

}  // namespace
}  // namespace playai::test
