#pragma once

#include <bit>
#include <cstdint>

// Trump cards as bits of a 16-bit set: bit r is the trump card of rank code r (1 the two ...
// 14 the ace). Every card in play is a trump card, so a hand in play is one such set.
namespace search {

using TrumpSet = std::uint16_t;

inline constexpr TrumpSet kAllTrumps = 0x7FFE;  // rank codes 1..14
inline constexpr int kTwo = 1;

constexpr TrumpSet Bit(int rank) {
    return static_cast<TrumpSet>(1u << rank);
}
constexpr bool Holds(TrumpSet set, int rank) {
    return (set & Bit(rank)) != 0;
}
constexpr int CountOf(TrumpSet set) {
    return std::popcount(static_cast<unsigned>(set));
}
constexpr int Lowest(TrumpSet set) {
    return std::countr_zero(static_cast<unsigned>(set));
}
constexpr int Highest(TrumpSet set) {
    return 31 - std::countl_zero(static_cast<unsigned>(set));
}

// Points a card carries to the side that takes its trick: the ace, jack and ten 1, the two
// fivra cards 5. The two scores 1 for the side that plays it (TwoPoint).
constexpr int TrickPoints(int rank) {
    switch (rank) {
        case 14:
        case 11:
        case 10:
            return 1;
        case 5:
        case 4:
            return 5;
        default:
            return 0;
    }
}

// The cards that carry points, the two included.
inline constexpr TrumpSet kPointCards = Bit(14) | Bit(11) | Bit(10) | Bit(5) | Bit(4) | Bit(1);

// Two cards of one seat are equal when they give the same points the same way and nothing that
// `others` hold (other seats' cards, cards in the trick) lies between them: playing either
// gives the same round. `higher` is above `lower`.
constexpr bool EqualCards(int higher, int lower, TrumpSet others) {
    auto point_class = [](int rank) { return rank == kTwo ? -1 : TrickPoints(rank); };
    const TrumpSet between = static_cast<TrumpSet>(Bit(higher) - Bit(lower + 1));
    return point_class(higher) == point_class(lower) && (others & between) == 0;
}

}  // namespace search
