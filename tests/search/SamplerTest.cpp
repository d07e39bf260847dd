// The sampler of hidden trumps on positions made by hand: the counts each seat can hold, and
// how likely each count is given what the seat bought.
#include <gtest/gtest.h>

#include "search/DealSampler.h"

namespace {

using search::Bit;

search::SeatKnowledge FourUnseen() {
    search::SeatKnowledge k;
    k.seat = 0;
    k.own = Bit(14);
    k.unseen = Bit(2) | Bit(3) | Bit(6) | Bit(9);
    k.shown[1] = search::SeatShown{0, 5, 6, 0, 5, false};  // bought five, showed no trump
    k.shown[2] = search::SeatShown{2, 0, 6, 0, 2, false};  // kept two, bought nothing
    k.shown[3] = search::SeatShown{0, 3, 6, 1, 2, true};   // laid its hand down
    return k;
}

TEST(DealSampler, KeepsEverySeatToWhatItCanHold) {
    const search::DealSampler sampler(FourUnseen());
    std::mt19937_64 random(5);
    for (int n = 0; n < 200; ++n) {
        const auto hands = sampler.Draw(random);
        EXPECT_EQ(hands[0], Bit(14));
        EXPECT_EQ(search::CountOf(hands[2]), 2) << "two trumps kept and nothing bought";
        EXPECT_EQ(hands[3], 0) << "out of trumps";
        EXPECT_EQ(search::CountOf(hands[1]), 2);
        EXPECT_EQ(hands[1] | hands[2], FourUnseen().unseen);
    }
}

TEST(DealSampler, ASeatThatBoughtMoreDrawsMoreTrumps) {
    search::SeatKnowledge k;
    k.seat = 0;
    k.own = Bit(14);
    k.unseen = Bit(2) | Bit(3);
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

}  // namespace
