// The Expert's model of the auction: deals in which a seat's bid or pass makes no sense by the
// bid base are weighed down, deals that explain it keep their weight.
#include <gtest/gtest.h>

#include "search/AuctionModel.h"
#include "support/TempFolder.h"

namespace {

using search::Bit;
using search::TrumpSet;
using test_support::DataDir;

// Six trumps: A K Q J and both fivra cards, or the six lowest cards without points.
constexpr TrumpSet kStrong = Bit(14) | Bit(13) | Bit(12) | Bit(11) | Bit(5) | Bit(4);
constexpr TrumpSet kWeak = Bit(2) | Bit(3) | Bit(6) | Bit(7) | Bit(8) | Bit(9);

// Seat 1 spoke `spoke` (after `before`) with six trumps among its nine, holding `hand` now.
double WeightOf(search::AuctionModel& model, TrumpSet hand, int spoke, int before, bool won,
                double softness = 1) {
    search::AuctionFacts facts;
    search::SeatBid& bid = facts.seats[1];
    bid.judged = true;
    bid.trumps_in_nine = 6;
    bid.spoke = spoke;
    bid.before = before;
    bid.won = won;
    bid.softness = softness;
    return model.Weight({Bit(9), hand, 0, 0}, facts);
}

TEST(AuctionModel, WeighsDealsByWhetherTheyExplainTheBids) {
    search::AuctionModel model(DataDir());
    ASSERT_TRUE(model.Usable());
    struct Case {
        const char* what;
        TrumpSet hand;
        int spoke, before;
        bool won;
        double low, high;
    };
    const Case cases[] = {
        {"a pass with A K Q J and both fivras", kStrong, 0, 0, false, 0.0, 0.05},
        {"a pass with six low cards", kWeak, 0, 0, false, 0.95, 1.0},
        {"a pass over a 13 with A K Q J and both fivras", kStrong, 0, 13, false, 0.95, 1.0},
        {"a won 9 with six low cards", kWeak, 9, 0, true, 0.0, 0.01},
        {"a won 13 with A K Q J and both fivras", kStrong, 13, 0, true, 0.95, 1.0},
        {"a won 8 with A K Q J and both fivras (worth 13)", kStrong, 8, 0, true, 0.0, 0.05},
    };
    for (const Case& c : cases) {
        const double weight = WeightOf(model, c.hand, c.spoke, c.before, c.won);
        EXPECT_GE(weight, c.low) << c.what;
        EXPECT_LE(weight, c.high) << c.what;
    }
    // A softer model (a person) rules out less.
    EXPECT_GT(WeightOf(model, kStrong, 0, 0, false, 3), WeightOf(model, kStrong, 0, 0, false));
}

TEST(AuctionModel, CountsOnlyTheTrumpsAmongTheNineAndTrustsNothingWithoutABidBase) {
    search::AuctionModel model(DataDir());
    // Seat 1 showed one trump among its nine and bought the rest: a pass says little.
    search::AuctionFacts facts;
    facts.seats[1] = search::SeatBid{true, 1, 0, 0, 0, false, 1};
    EXPECT_GT(model.Weight({0, kStrong, 0, 0}, facts), 0.5);
    // A deal that gives it fewer trumps than it showed cannot be.
    facts.seats[1].trumps_in_nine = 5;
    EXPECT_EQ(model.Weight({0, Bit(14) | Bit(13) | Bit(5) | Bit(4), 0, 0}, facts), 0.0);

    search::AuctionModel blind("/no/such/folder");
    EXPECT_FALSE(blind.Usable());
    EXPECT_EQ(blind.Weight({0, kStrong, 0, 0}, facts), 1.0);
}

}  // namespace
