// The sampler of hidden trumps on real rounds: at every computer card it is checked against
// the hands the table really holds.
#include <gtest/gtest.h>

#include <random>

#include "search/DealSampler.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

using search::TrumpSet;

// Checks one decision: every drawn deal gives each seat only cards it can hold, hands out
// exactly the unseen trumps, and the real deal is among those the sampler can draw.
void CheckDecision(const state::RoundState& round, int seat, std::mt19937_64& random,
                   int& decisions) {
    const search::SeatKnowledge k = search::KnowledgeOf(round, round.Hand[seat], seat);
    TrumpSet gone = 0;
    for (int r = 1; r <= 14; ++r) {
        gone |= round.PlayedTrump[r] != 0 ? search::Bit(r) : 0;
    }
    const search::DealSampler sampler(k);
    std::array<int, 4> real{};
    for (int s = 0; s < 4; ++s) {
        real[s] = s == seat ? 0 : search::CountOf(search::TrumpsOf(round.Hand[s], round.gbFarg));
    }
    ASSERT_TRUE(sampler.Allows(real)) << "the real deal must be possible, seat " << seat;
    for (int n = 0; n < 20; ++n) {
        const std::array<TrumpSet, 4> hands = sampler.Draw(random);
        TrumpSet dealt = 0;
        for (int s = 0; s < 4; ++s) {
            ASSERT_EQ(hands[s] & gone, 0) << "a played or killed card was dealt";
            if (s == seat) {
                ASSERT_EQ(hands[s], k.own);
                continue;
            }
            ASSERT_EQ(hands[s] & k.own, 0) << "the seat's own card was dealt to another";
            ASSERT_EQ(dealt & hands[s], 0) << "a card was dealt twice";
            if (round.ColdFlag[s] != 0) {
                ASSERT_EQ(hands[s], 0) << "a seat out of trumps was dealt one";
            }
            ASSERT_LE(search::CountOf(hands[s]), round.Hand[s].AntalKort());
            dealt |= hands[s];
        }
        ASSERT_EQ(dealt, k.unseen) << "every unseen trump goes to some seat";
    }
    ++decisions;
}

TEST(SearchSampler, DealsOnlyCardsASeatCanHold) {
    for (std::uint64_t seed : {11u, 12u, 13u}) {
        TableRig rig(RigOptions{}.Seed(seed));
        std::mt19937_64 random(seed);
        int decisions = 0;
        rig.table.card_chosen = [&](int seat, const playai::PlayDecision&) {
            CheckDecision(rig.table.State(), seat, random, decisions);
        };
        rig.table.Start();
        for (int round = 0; round < 15; ++round) {
            ASSERT_TRUE(rig.RunToRoundEnd());
            rig.table.AdvanceMe();
        }
        EXPECT_GT(decisions, 100) << "seed " << seed;
    }
}

}  // namespace
}  // namespace table_test
