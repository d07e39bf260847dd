#include <map>
#include <string>
#include <tuple>

#include "PlayTable.h"
#include "playai/Expectation.h"
#include "playai/GameValues.h"
#include "playai/Predicates.h"

namespace playai::test {
namespace {

std::map<std::string, std::string> ValuesOf(PlayTable& t, int seat, TrumpSlots& trumps) {
    trumps = SlotsFromHand(t.round.Hand[seat], PlayTable::kTrump);
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
    TrumpSlots trumps;
    auto v = ValuesOf(t, 2, trumps);
    for (const char* name :
         {"PreviousCardPartner", "PreviousCardLeft", "PreviousCardRight", "PreviousCardMe",
          "PreviousCardHighestRound", "PreviousCardHighestAbsolute", "CardHighestRound", "CardLeft",
          "CardRight", "CardPartner"}) {
        EXPECT_EQ(v[name], "") << name;
    }
    EXPECT_EQ(std::tuple(v["PositionInRound"], v["CardHighestMy"]), std::tuple("FIRST", "A"));

    t.Play(2, "9");
    t.Play(3, "K");
    t.Play(0, "2");
    t.Play(1, "V");
    t.engine.RecordTrickHighs(t.round);
    t.round.Round = 2;
    t.round.TrickCards = {};
    t.round.HighestUnplayed = 14;
    v = ValuesOf(t, 0, trumps);
    for (const auto& [name, value] :
         std::map<std::string, std::string>{{"PreviousCardMe", "2"},
                                            {"PreviousCardLeft", "V"},
                                            {"PreviousCardPartner", "9"},
                                            {"PreviousCardRight", "K"},
                                            {"PreviousCardHighestRound", "K"},
                                            {"PreviousCardHighestAbsolute", "A"},
                                            {"CardsRemaining", "10"}}) {
        EXPECT_EQ(v[name], value) << name;
    }
}

TEST(GameValues, RoleBidNamesTheDefenderBeforeTheBidderBAndTheOneAfterItA) {
    PlayTable t;
    t.round.gbBjuditHogst = common::kVast;
    TrumpSlots trumps;
    EXPECT_EQ(ValuesOf(t, common::kVast, trumps)["RoleBid"], "BIDDER");
    EXPECT_EQ(ValuesOf(t, common::kSyd, trumps)["RoleBid"], "B_DEFENCE")
        << "SYD plays just before VAST, its LEFT";
    EXPECT_EQ(ValuesOf(t, common::kOst, trumps)["RoleBid"], "BIDRESPONSE");
    EXPECT_EQ(ValuesOf(t, common::kNord, trumps)["RoleBid"], "A_DEFENCE")
        << "NORD plays just after VAST, its RIGHT";
}

TEST(GameValues, RolesAndColdSeats) {
    PlayTable t;
    t.round.gbBjuditHogst = 3;
    t.round.TrickLeader = 1;
    t.round.ColdFlag[1] = -1;
    TrumpSlots trumps;
    auto v = ValuesOf(t, 2, trumps);
    EXPECT_EQ(v["RoleInRound"], "LEAD") << "the cold leader hands the lead to the next seat";
    EXPECT_EQ(v["PositionInRound"], "SECOND");
    EXPECT_EQ(v["RoleBid"], "B_DEFENCE") << "OST bid and is NORD's LEFT";
    EXPECT_EQ(ValuesOf(t, 3, trumps)["RoleInRound"], "A_BLOCK");
    EXPECT_EQ(ValuesOf(t, 1, trumps)["RoleInRound"], "B_BLOCK");

    // AndraSer 2 and no loose card: cold in trick 3 until it has played to the trick.
    PlayMemory& m = t.engine.Memory();
    t.round.ColdFlag = {};
    m.JagSer = {6, 0, 0, 0};
    m.AndraSer = {6, 2, 3, 3};
    t.round.Round = 3;
    trumps = {};
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
    TrumpSlots trumps;
    EXPECT_EQ(ValuesOf(t, 0, trumps)["TakeablePoints"], "3");
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
    t.round.gbBjuditHogst = 0;
    t.round.PointsDe = 2;
    t.round.PointsVi = 1;
    t.round.TrickLeader = 1;
    t.Give(0, {"A", "2", "J"});
    t.Play(1, "K");
    t.Play(2, "V");
    t.Play(3, "2");
    // Bidding side, seat 0: the ace is still out, so the trick's fivra card is not lost yet.
    TrumpSlots trumps;
    EXPECT_EQ(ValuesOf(t, 0, trumps)["PointsToKill"], "3") << "14 - 8 - 2 - one two";
    t.round.HighestUnplayed = 13;  // the K was the highest: its trick takes the fivra card
    EXPECT_EQ(ValuesOf(t, 0, trumps)["PointsToKill"], "-2");

    // Defending side, seat 1 whose partner (3) played the two; seat 1 holds nothing.
    t.round.HighestUnplayed = 14;
    EXPECT_EQ(ValuesOf(t, 1, trumps)["PointsToKill"], "3") << "14 - 8 - 2 - a(1)";
    // Seat 3 defends with partner 1 on the K, the best card left once the ace is gone.
    t.round.Hand[0].ClearHand();
    t.round.PlayedTrump[14] = -1;
    t.round.HighestUnplayed = 13;
    EXPECT_EQ(ValuesOf(t, 3, trumps)["PointsToKill"], "-1") << "14 - 8 - 2 - 0 - 5 (fivra)";
}

TEST(Expectation, LooseCardsSpreadOverUnknownPlaces) {
    PlayTable t;
    PlayMemory& m = t.engine.Memory();
    m.JagSer = {4, 2, 1, 3};
    m.AndraSer = {4, 2, 1, 3};
    t.Give(0, {"A", "K", "Q", "J"});
    TrumpSlots trumps;
    auto v = ValuesOf(t, 0, trumps);
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
    t.round.TrickLeader = 0;
    t.round.HighestUnplayed = 14;
    t.Give(3, {"9"});
    t.Play(0, "3");
    t.Play(1, "A");
    t.Play(2, "4");
    t.Play(3, "8");
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
