#include "playai/PlayMemory.h"

#include <algorithm>

namespace playai {

bool TrumpSlots::Holds(int code) const {
    if (code <= 0) {
        return false;
    }
    for (int i = 1; i <= count; ++i) {
        if (slot[i] == code) {
            return true;
        }
    }
    return false;
}

int TrumpSlots::Highest() const {
    int best = 0;
    for (int i = 1; i <= count; ++i) {
        best = std::max(best, slot[i]);
    }
    return best;
}

TrumpSlots SlotsFromHand(const cards::KortHand& hand, int trump) {
    TrumpSlots slots;
    for (const cards::Kort* card : hand.Cards()) {
        if (slots.count == kTrumpSlots) {
            break;
        }
        if (card->IsOfColour(trump) && card->Rang > 0 && card->Rang < state::kRanks) {
            slots.slot[++slots.count] = card->Rang;
        }
    }
    return slots;
}

}  // namespace playai
