#include "playai/Sorting.h"

#include <algorithm>

#include "playai/Predicates.h"

namespace playai {

namespace {

// The held cards not yet placed, and the shared forward scan over the filler list.
class Placement {
  public:
    Placement(const std::vector<int>* list, const TrumpSlots& held) : list_(list) {
        for (int i = 1; i <= held.count; ++i) {
            unplaced_.push_back(held.slot[i]);
        }
    }

    bool Done() const { return unplaced_.empty(); }
    bool TryPlace(int code) {
        const auto it = std::find(unplaced_.begin(), unplaced_.end(), code);
        if (code <= 0 || it == unplaced_.end()) {
            return false;
        }
        unplaced_.erase(it);
        order_.placed.push_back(code);
        return true;
    }
    void PlaceNextFiller() {
        while (list_ != nullptr && scan_ < list_->size()) {
            if (TryPlace((*list_)[scan_++])) {
                return;
            }
        }
    }
    SortOrder Finish() {
        order_.complete = list_ != nullptr && unplaced_.empty();
        return order_;
    }

  private:
    const std::vector<int>* list_;
    std::size_t scan_ = 0;
    std::vector<int> unplaced_;
    SortOrder order_;
};

// Position (1-based) of the n-th trump card of the hand; 0 when there is none.
int TrumpPosition(const cards::KortHand& hand, int trump, int n) {
    int seen = 0;
    for (int p = 1; p <= hand.AntalKort(); ++p) {
        if (hand.CardAt(p)->IsOfColour(trump) && ++seen == n) {
            return p;
        }
    }
    return 0;
}

int PositionOfRank(const cards::KortHand& hand, int trump, int code) {
    const int p = hand.FindCardIDXofRang(code, trump);
    return p < 1 ? 0 : p;
}

}  // namespace

SortOrder OrderByList(const std::vector<int>* list, const TrumpSlots& held) {
    Placement placement(list, held);
    if (list != nullptr) {
        for (const int code : *list) {
            placement.TryPlace(code);
        }
    }
    return placement.Finish();
}

SortOrder OrderByRank(const std::vector<int>* list, const TrumpSlots& held) {
    Placement placement(list, held);
    for (int code = kAce; code >= 9 && !placement.Done(); --code) {
        if (!placement.TryPlace(code)) {
            placement.PlaceNextFiller();
        }
    }
    return placement.Finish();
}

SortOrder OrderSpecific(const std::vector<int>& wanted, const std::vector<int>* list,
                        const TrumpSlots& held) {
    Placement placement(list, held);
    for (std::size_t i = 0; i < wanted.size() && !placement.Done(); ++i) {
        if (!placement.TryPlace(wanted[i])) {
            placement.PlaceNextFiller();
        }
    }
    return placement.Finish();
}

SortOrder OrderFivraLast(const TrumpSlots& held) {
    SortOrder order;
    for (int i = 1; i <= held.count; ++i) {
        if (!IsFivra(held.slot[i])) {
            order.placed.push_back(held.slot[i]);
        }
    }
    for (int i = 1; i <= held.count; ++i) {
        if (IsFivra(held.slot[i])) {
            order.placed.push_back(held.slot[i]);
        }
    }
    order.complete = true;
    return order;
}

void ApplyOrder(const SortOrder& order, TrumpSlots& slots, cards::KortHand& hand, int trump) {
    std::vector<int> full = order.placed;
    for (int i = 1; i <= slots.count; ++i) {
        if (std::find(full.begin(), full.end(), slots.slot[i]) == full.end()) {
            full.push_back(slots.slot[i]);
        }
    }
    for (int i = 1; i <= slots.count && i <= static_cast<int>(full.size()); ++i) {
        slots.slot[i] = full[i - 1];
        const int target = TrumpPosition(hand, trump, i);
        const int from = PositionOfRank(hand, trump, full[i - 1]);
        if (target == 0 || from == 0 || from == target) {
            continue;
        }
        // Swap the two cards so that cards of other colours keep their places.
        hand.MoveCard(from, target);
        hand.MoveCard(from > target ? target + 1 : target - 1, from);
    }
}

}  // namespace playai
