#pragma once

#include <array>
#include <random>

#include "cards/KortHand.h"

namespace search {

// What bidding in one colour is worth, seen from the nine dealt cards: the mean round score
// difference for the seat's side at each bid level (index = bid, 6..14), over sampled deals in
// which the seat names that colour, everybody discards and buys as the table does and the
// round is played out with open hands (so it leans to the optimistic side).
struct ColourOutlook {
    int colour = 0;
    std::array<double, 15> at_bid{};
};

std::array<ColourOutlook, 4> JudgeColours(const cards::KortHand& hand, int seat, int dealer,
                                          int samples, std::mt19937_64& random);

}  // namespace search
