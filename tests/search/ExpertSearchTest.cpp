// The Expert's search: the exact solver, the sampler of hidden trumps, and how a deal is weighed
// by the bids and the cards it explains.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "search/AuctionModel.h"
#include "search/DealSampler.h"
#include "search/PastCards.h"
#include "search/Solver.h"
#include "support/TempFolder.h"

namespace {

using search::Bit;
using search::OpenPosition;
using search::TrumpSet;
using test_support::DataDir;

// Rules that always play the seat's highest trump.
constexpr const char* kPlayHighest =
    "RULE, Name, High, x0, :=, CardHighestMy, EXECUTES, 100, Play, x0, END\n";

// The first trick, SYD to lead, before any card.
state::RoundState RoundStart() {
    state::RoundState round;
    round.gbFarg = common::kHjarter;
    round.gbHogstaBudet = 7;
    round.gbBjuditHogst = 1;
    round.BeforeBuying = {3, 4, 2, 5};
    round.RankTrick.fill(-1);
    round.TrickLeader = round.PlaySeat = 0;
    return round;
}

void Play(state::RoundState& round, int seat, int rank) {
    round.TrickHistory[static_cast<std::size_t>(round.Round)][seat] = rank;
    round.TrickCards[seat] = rank;
    round.PlayedTrump[rank] = -1;
    round.RankTrick[rank] = round.Round;
    ++round.PlayedCount[seat];
    ++round.CardsPlayed;
    round.PlaySeat = common::NextSeat(seat);
}

TEST(PastCards, WeighsDealsByWhetherTheRulesPlayTheCardSeen) {
    test_support::TempFolder folder;
    folder.Write("FivraPlayRulesAI.TXT", kPlayHighest);
    const cards::KortHand none;
    struct Case {
        const char* what;
        bool by_rules;
        bool new_round;  // a bid is seen after the card
        int later;       // a card VAST played in the next trick (0 none)
        TrumpSet vast;   // VAST's trumps now
        bool lower;      // the deal weighs less
    } const cases[] = {
        {"the nine was its highest", true, false, 0, Bit(2) | Bit(8), false},
        {"it held the queen", true, false, 0, Bit(2) | Bit(12), true},
        {"it played the queen later, so held it then", true, false, 12, Bit(2), true},
        {"its only card: nothing to choose", true, false, 0, 0, false},
        {"a seat that does not play by the rules", false, false, 0, Bit(12), false},
        {"a card of the round before", true, true, 0, Bit(12), false},
    };
    for (const Case& c : cases) {
        search::PastCards past(folder.Path(), 5);
        state::RoundState round = RoundStart();
        Play(round, 0, 3);
        past.Saw(state::SeatView{round, none, 1}, state::Decision::Card, 9, c.by_rules);
        Play(round, 1, 9);
        if (c.new_round) {
            round = RoundStart();
            past.Saw(state::SeatView{round, none, 2}, state::Decision::Bid, 0, true);
            Play(round, 0, 3);
            Play(round, 1, 9);
        }
        if (c.later != 0) {
            round.Round = 2;
            round.TrickCards = {};
            Play(round, 0, 10);
            Play(round, 1, c.later);
        }
        past.Prepare(round, 2);
        const double weight = past.Weight({Bit(6), c.vast, Bit(14) | Bit(1), Bit(7)});
        EXPECT_EQ(weight < 1, c.lower) << c.what;
    }
}

TEST(DealSampler, ASeatThatBoughtMoreDrawsMoreTrumps) {
    search::SeatKnowledge k{.seat = 0, .own = Bit(14), .unseen = Bit(2) | Bit(3)};
    k.shown[1] = search::SeatShown{0, 1, 6, 0, 6, false};  // one card bought
    k.shown[2] = search::SeatShown{0, 5, 6, 0, 6, false};  // five cards bought
    k.shown[3] = search::SeatShown{0, 0, 6, 0, 6, true};
    // One trump each: 1 × 5 ways; both with the five-card buyer: C(5, 2) = 10 ways; both with
    // the one-card buyer cannot be.
    const search::DealSampler sampler(k);
    std::mt19937_64 random(9);
    int one_each = 0;
    constexpr int kDraws = 6000;
    for (int n = 0; n < kDraws; ++n) {
        const auto hands = sampler.Draw(random);
        ASSERT_LE(search::CountOf(hands[1]), 1);
        one_each += search::CountOf(hands[1]);
    }
    EXPECT_NEAR(static_cast<double>(one_each) / kDraws, 1.0 / 3.0, 0.025);
}

// Six trumps: A K Q J and both fivra cards, or the six lowest cards without points.
constexpr TrumpSet kStrong = Bit(14) | Bit(13) | Bit(12) | Bit(11) | Bit(5) | Bit(4);
constexpr TrumpSet kWeak = Bit(2) | Bit(3) | Bit(6) | Bit(7) | Bit(8) | Bit(9);

// Seat 1 spoke `spoke` (after `before`) with six trumps among its nine, holding `hand` now.
double WeightOf(search::AuctionModel& model, TrumpSet hand, int spoke, int before, bool won,
                double softness = 1) {
    search::AuctionFacts facts;
    // Judged, with six trumps among its nine and none played yet.
    facts.seats[1] = search::SeatBid{true, 6, 0, spoke, before, won, softness};
    return model.Weight({Bit(9), hand, 0, 0}, facts);
}

TEST(AuctionModel, WeighsDealsByWhetherTheyExplainTheBids) {
    search::AuctionModel model(DataDir());
    ASSERT_TRUE(model.Usable());
    const struct {
        const char* what;
        TrumpSet hand;
        int spoke, before;
        bool won;
        double low, high;
    } cases[] = {
        {"a pass with A K Q J and both fivras", kStrong, 0, 0, false, 0.0, 0.05},
        {"a pass with six low cards", kWeak, 0, 0, false, 0.95, 1.0},
        {"a pass over a 13 with A K Q J and both fivras", kStrong, 0, 13, false, 0.95, 1.0},
        {"a won 9 with six low cards", kWeak, 9, 0, true, 0.0, 0.01},
        {"a won 13 with A K Q J and both fivras", kStrong, 13, 0, true, 0.95, 1.0},
        {"a won 8 with A K Q J and both fivras (worth 13)", kStrong, 8, 0, true, 0.0, 0.05},
    };
    for (const auto& c : cases) {
        const double weight = WeightOf(model, c.hand, c.spoke, c.before, c.won);
        EXPECT_TRUE(weight >= c.low && weight <= c.high) << c.what << ": " << weight;
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

// A random position of up to `per_seat` trumps a seat, sometimes with a trick under way.
OpenPosition RandomPosition(std::mt19937& random, int per_seat) {
    OpenPosition p;
    std::vector<int> ranks(14);
    std::iota(ranks.begin(), ranks.end(), 1);
    std::shuffle(ranks.begin(), ranks.end(), random);
    std::size_t next = 0;
    for (int s = 0; s < 4; ++s) {
        const int n = std::uniform_int_distribution<int>(0, per_seat)(random);
        for (int i = 0; i < n && next < ranks.size(); ++i) {
            p.hands[s] |= Bit(ranks[next++]);
        }
    }
    p.leader = std::uniform_int_distribution<int>(0, 3)(random);
    const int already = std::uniform_int_distribution<int>(0, 3)(random);
    for (int k = 0; k < already; ++k) {
        const int s = (p.leader + k) & 3;
        p.trick[s] = p.hands[s] != 0 || next >= ranks.size() ? 0 : ranks[next++];
    }
    p.to_play = (p.leader + already) & 3;
    return p;
}

TEST(Solver, EqualsTryingEveryCardOnSmallPositions) {
    std::mt19937 random(2024);
    for (int n = 0; n < 3000; ++n) {
        const OpenPosition p = RandomPosition(random, n < 2000 ? 3 : 4);
        ASSERT_EQ(search::SolveViPoints(p), search::BruteForceViPoints(p)) << "position " << n;
    }
}

TEST(Solver, ScoresTricksAsTheTableDoesAndDrawsTrumpsBeforeSavingTheFivraCard) {
    const struct {
        const char* what;
        std::array<TrumpSet, 4> hands;  // SYD (Vi) leads
        int vi_points;
    } cases[] = {
        {"the ace takes VAST's five (6), NORD's two scores 1", {Bit(14), Bit(5), Bit(1), 0}, 7},
        {"the two played by De into Vi's trick still scores for De", {Bit(14), Bit(1), 0, 0}, 1},
        {"leading the ten into the jack behind it loses both", {Bit(10), Bit(11), 0, 0}, 0},
        {"the ace draws VAST's king and OST's queen (1), then the fivra card is unbeaten (5)",
         {Bit(14) | Bit(4), Bit(13), 0, Bit(12)},
         6},
    };
    OpenPosition p;
    for (const auto& c : cases) {
        p.hands = c.hands;
        EXPECT_EQ(search::SolveViPoints(p), c.vi_points) << c.what;
    }
    std::array<int, 2> taken{};
    EXPECT_EQ(search::SolveViPoints(search::AfterCard(p, 4, taken)), 1)
        << "the fivra card led first goes to the king";
}

}  // namespace
