// The exact solver of the remaining tricks against a search that tries every card.
#include <gtest/gtest.h>

#include <random>

#include "search/Solver.h"

namespace {

using search::Bit;
using search::OpenPosition;
using search::TrumpSet;

// A random position of up to `per_seat` trumps a seat, sometimes with a trick under way.
OpenPosition RandomPosition(std::mt19937& random, int per_seat) {
    OpenPosition p;
    std::vector<int> ranks;
    for (int r = 1; r <= 14; ++r) {
        ranks.push_back(r);
    }
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

TEST(Solver, ScoresTricksAsTheTableDoes) {
    OpenPosition p;
    // Vi (SYD) leads the ace; De (VAST) holds the five of trump, NORD the two, OST nothing.
    p.hands = {Bit(14), Bit(5), Bit(1), 0};
    p.leader = p.to_play = 0;
    // Ace takes the five (6 points to Vi) and NORD's two scores 1 for Vi whoever wins.
    EXPECT_EQ(search::SolveViPoints(p), 7);

    // The two played by De into Vi's trick still scores for De.
    p.hands = {Bit(14), Bit(1), 0, 0};
    EXPECT_EQ(search::SolveViPoints(p), 1);

    // A seat with the ten behind a seat with the jack: leading into it loses both.
    p.hands = {Bit(10), Bit(11), 0, 0};
    EXPECT_EQ(search::SolveViPoints(p), 0);
}

TEST(Solver, DrawingTrumpsFirstSavesTheFivraCard) {
    OpenPosition p;
    // SYD leads holding the ace and the other fivra card; VAST holds the king, OST the queen.
    // The ace first draws both (1 point), then the fivra card is unbeaten (5 more); the fivra
    // card first would go to the king.
    p.hands = {Bit(14) | Bit(4), Bit(13), 0, Bit(12)};
    p.leader = p.to_play = 0;
    EXPECT_EQ(search::SolveViPoints(p), 6);
    std::array<int, 2> taken{};
    const OpenPosition after_fivra = search::AfterCard(p, 4, taken);
    EXPECT_EQ(search::SolveViPoints(after_fivra), 1) << "the king takes the fivra card";
}

}  // namespace
