#pragma once

#include <array>
#include <cstdint>

#include "cards/KortHand.h"
#include "search/TrumpSet.h"
#include "state/RoundState.h"

namespace search {

// What one other seat has shown of its trumps. It took `forced` trumps for certain (the trumps
// among its nine cards, known from its discards, or six after giving up a surplus) and `free`
// cards unseen from the deck, each a trump or not; it has played `played` trumps.
struct SeatShown {
    int forced = 0;
    int free = 0;
    int most = 6;  // trumps it can have held in play: more would have been given up
    int played = 0;
    int cards_held = 0;  // cards in its hand now, trumps and dead cards alike
    bool out = false;    // laid its hand down: no trump left
};

// Everything a seat can see of the trumps at its turn in trick play, and nothing else: its own
// trumps, the trumps played and put out of play, each seat's discards (as trump counts), the
// cards each seat bought and holds, and which seats are out of trumps.
struct SeatKnowledge {
    int seat = 0;
    TrumpSet own = 0;                  // the seat's trumps
    TrumpSet unseen = 0;               // trumps held by the other three seats
    std::array<SeatShown, 4> shown{};  // the seat's own entry is unused
    int leader = 0;
    std::array<int, 4> trick{};  // cards already in the current trick
    // For judging a round's end: points taken in finished tricks, the bid and its seat.
    int points_vi = 0;
    int points_de = 0;
    int bid = 0;
    int bidder = 0;
};

// The trump cards of a hand when `trump` is the trump colour.
TrumpSet TrumpsOf(const cards::KortHand& hand, int trump);

SeatKnowledge KnowledgeOf(const state::RoundState& round, const cards::KortHand& hand, int seat);

// The samples of a card decision are drawn from a seed of the player's seed and everything the
// seat sees, so the same position always gets the same samples. Two rule sets matched against
// a sampling player on the same deals then meet the same answers wherever they play alike, and
// a difference in one round does not change the player's draws in every later round.
std::uint64_t DecisionSeed(std::uint64_t seed, const SeatKnowledge& knowledge);

}  // namespace search
