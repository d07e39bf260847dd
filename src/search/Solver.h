#pragma once

#include <array>

#include "search/TrumpSet.h"

namespace search {

// A moment of trick play with every hand open: the trumps each seat still holds and the
// cards already played to the current trick.
struct OpenPosition {
    std::array<TrumpSet, 4> hands{};
    int leader = 0;              // seat that led the current trick
    int to_play = 0;             // seat whose turn it is
    std::array<int, 4> trick{};  // rank each seat played to the current trick, 0 none yet
};

// The seat that plays `card` (from its hand, or 0 when it holds no trump) and the position
// after it, with the trick closed when it was the trick's last card. `taken` gets the points
// the closed trick gave each side (Vi, De); zeros while the trick goes on.
OpenPosition AfterCard(const OpenPosition& position, int card, std::array<int, 2>& taken);

// True when nobody holds a trump any more and the current trick is empty.
bool RoundOver(const OpenPosition& position);

// The points Vi (seats 0 and 2) takes from this moment to the end of the round when both
// sides play their best: alpha-beta over the remaining tricks, equal cards of a seat tried
// once.
int SolveViPoints(const OpenPosition& position);

// The same by trying every card in every line, for checking the solver on small positions.
int BruteForceViPoints(const OpenPosition& position);

}  // namespace search
