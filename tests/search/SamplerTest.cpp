// The sampler of hidden trumps on positions made by hand: the counts each seat can hold, and
// how likely each count is given what the seat bought.
#include <gtest/gtest.h>

#include "search/DealSampler.h"

namespace {

using search::Bit;

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
