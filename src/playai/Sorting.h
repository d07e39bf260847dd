#pragma once

#include <vector>

#include "cards/KortHand.h"
#include "playai/PlayMemory.h"

namespace playai {

// A new order of the seat's trump cards (rank codes); `complete` is false when some held
// card found no place.
struct SortOrder {
    std::vector<int> placed;
    bool complete = false;
};

// The entries of the list, in list order, that are held. `list` is null for an unknown list.
SortOrder OrderByList(const std::vector<int>* list, const TrumpSlots& held);
// A, K, Q, J, 10, 9 where held; a rank not held is filled with the next held list entry,
// the list scanned only forward.
SortOrder OrderByRank(const std::vector<int>* list, const TrumpSlots& held);
// The given cards in turn where held, gaps filled from the list as above.
SortOrder OrderSpecific(const std::vector<int>& wanted, const std::vector<int>* list,
                        const TrumpSlots& held);
// The cards that are not fivra cards, then the fivra cards, each in their present order.
SortOrder OrderFivraLast(const TrumpSlots& held);

// Makes the order the seat's: the slots and the trump cards of the hand (colour `trump`)
// follow it; cards it could not place follow the placed ones in their previous order.
void ApplyOrder(const SortOrder& order, TrumpSlots& slots, cards::KortHand& hand, int trump);

}  // namespace playai
