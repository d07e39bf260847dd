#pragma once

#include <vector>

#include "cards/Packe.h"
#include "common/Random.h"

namespace bidbase_gen {

// Lays the deck for the next deal so that `seat` is dealt exactly the cards `ranks` of
// `colour` (rank values as they hold with that colour as trump, the fivra cards included) and
// the rest of its nine cards from the other colours; every other card lies at random. The
// deck must be empty with all 52 cards in the pool, as the table leaves it before a shuffle.
bool StackHoldingDeal(cards::Packe& deck, int dealer, int seat, int colour,
                      const std::vector<int>& ranks, common::Random& random);

}  // namespace bidbase_gen
