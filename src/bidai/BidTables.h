#pragma once

#include <array>

namespace bidai {

inline constexpr int kColours = 4;
inline constexpr int kLevels = 11;          // j = bid - 5: bids 5..15
inline constexpr int kRelativeSeats = 4;    // 0 this seat, 1 left, 2 partner, 3 right
inline constexpr int kForcedBidMarker = 5;  // the highest bid handed to a dealer who must bid
inline constexpr int kLowestBid = 6;
inline constexpr int kHighestBid = 14;
// EA of a colour the bid base could not value: the worst a round can give a team, so no bid
// in that colour looks attractive.
inline constexpr float kUnvalued = -28.0f;
// Table values at or beyond these bounds stand for "no value" when colours are compared.
inline constexpr float kNoEaBelow = -200.0f;
inline constexpr float kNoEaUHAbove = 200.0f;

// The valuation of one seat's hand, one colour at a time as trump, from the bid base.
struct BidTables {
    // Expected points for this seat's team if it wins the auction with bid j + 5 in colour c.
    std::array<std::array<float, kLevels>, kColours> EA{};
    // Probability of making bid j + 5 with colour c as trump.
    std::array<std::array<float, kLevels>, kColours> P{};
    // Expected points for this seat's team if the seat k places after it takes the bid in c.
    std::array<std::array<float, kRelativeSeats>, kColours> EaUH{};
};

}  // namespace bidai
