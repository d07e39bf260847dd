#include "cards/KortHand.h"

#include <algorithm>
#include <string>

#include "common/FivraError.h"

namespace cards {

namespace {

void ThrowIfHeld(const std::vector<Kort*>& cards, const Kort* card) {
    if (std::find(cards.begin(), cards.end(), card) != cards.end()) {
        throw common::FivraError("KortHand", 1001, "Card already available");
    }
}

}  // namespace

bool KortHand::Insert(Kort* card, bool sorted) {
    if (card == nullptr || card->IsNoCard()) {
        return false;
    }
    ThrowIfHeld(cards_, card);
    auto at = cards_.end();
    if (sorted) {
        at = std::find_if(cards_.begin(), cards_.end(),
                          [&](const Kort* k) { return k->Sortering < card->Sortering; });
    }
    cards_.insert(at, card);
    ++revision_;
    return true;
}

bool KortHand::AddACard(Kort* card) {
    return Insert(card, true);
}

bool KortHand::AddACardOSort(Kort* card) {
    return Insert(card, false);
}

Kort* KortHand::TakeACard(int position) {
    if (position < 1 || position > AntalKort()) {
        return nullptr;
    }
    Kort* card = cards_[position - 1];
    cards_.erase(cards_.begin() + (position - 1));
    ++revision_;
    return card;
}

Kort* KortHand::TakeACard(const std::string& key) {
    for (int i = 0; i < AntalKort(); ++i) {
        if (cards_[i]->Key() == key) {
            return TakeACard(i + 1);
        }
    }
    return nullptr;
}

void KortHand::ClearHand() {
    cards_.clear();
    ++revision_;
}

void KortHand::SortHand() {
    std::vector<Kort*> aside;
    aside.swap(cards_);
    for (Kort* k : aside) {
        AddACard(k);
    }
}

int KortHand::AntalKortIFarg(int colour) const {
    return static_cast<int>(std::count_if(cards_.begin(), cards_.end(),
                                          [&](const Kort* k) { return k->IsOfColour(colour); }));
}

bool KortHand::TomHand(int colour) {
    if (!HandEmpty(colour)) {
        return false;
    }
    OutOfPlay = true;
    ClearHand();
    return true;
}

int KortHand::FindCardIDXofRang(int rang, int trump) const {
    for (int i = 0; i < AntalKort(); ++i) {
        if (cards_[i]->IsOfColour(trump) && cards_[i]->Rang == rang) {
            return i + 1;
        }
    }
    return -1;
}

std::vector<Kort*> KortHand::TaBortMeraKortAn6(int colour) {
    std::vector<Kort*> removed;
    const int n = AntalKort();
    for (int round = 0; round < n - 6; ++round) {
        auto victim = cards_.end();
        for (auto it = cards_.begin(); it != cards_.end(); ++it) {
            if ((*it)->farg == colour && (*it)->SlangOrder > 0 &&
                (victim == cards_.end() || (*it)->SlangOrder > (*victim)->SlangOrder)) {
                victim = it;
            }
        }
        if (victim == cards_.end()) {
            break;
        }
        removed.push_back(*victim);
        cards_.erase(victim);
    }
    ++revision_;
    return removed;
}

std::vector<std::string> KortHand::GetCardList() const {
    if (cards_.empty()) {
        return {"No Cards", "No Cards"};
    }
    std::vector<std::string> list{std::to_string(cards_.size())};
    for (const Kort* k : cards_) {
        list.push_back(k->Key());
    }
    return list;
}

bool KortHand::SetCardState(const std::string& key, int state) {
    for (Kort* k : cards_) {
        if (k->Key() == key) {
            k->DrawStyle = state;
            ++revision_;
            return true;
        }
    }
    throw common::FivraError("KortHand", 1002, "Card not available ");
}

void KortHand::StickOut(int position) {
    if (Kort* k = CardAt(position)) {
        k->Kop = true;
        ++revision_;
    }
}

void KortHand::StickOutAllCardsOfFarg(int colour) {
    for (Kort* k : cards_) {
        if (k->IsOfColour(colour)) {
            k->Kop = true;
        }
    }
    ++revision_;
}

void KortHand::StickOutAllCardsOfRang(int rang) {
    for (Kort* k : cards_) {
        if (k->Rang == rang) {
            k->Kop = true;
        }
    }
    ++revision_;
}

void KortHand::StickInAllCardsOfRang(int rang) {
    for (Kort* k : cards_) {
        if (k->Rang == rang) {
            k->Kop = false;
        }
    }
    ++revision_;
}

void KortHand::SattInKortIHanden() {
    for (Kort* k : cards_) {
        k->Kop = false;
    }
    ++revision_;
}

void KortHand::MoveCard(int from, int to) {
    if (from < 1 || from > AntalKort() || to < 1 || to > AntalKort() || from == to) {
        return;
    }
    Kort* card = cards_[from - 1];
    cards_.erase(cards_.begin() + (from - 1));
    cards_.insert(cards_.begin() + (to - 1), card);
    ++revision_;
}

Kort* KortHand::CardAt(int position) const {
    if (position < 1 || position > AntalKort()) {
        return nullptr;
    }
    return cards_[position - 1];
}

}  // namespace cards
