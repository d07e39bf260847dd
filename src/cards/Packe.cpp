#include "cards/Packe.h"

#include <algorithm>
#include <stdexcept>

#include "common/FivraError.h"

namespace cards {

namespace {

constexpr std::array<const char*, 13> kFaces = {"A", "2", "3",  "4", "5", "6", "7",
                                                "8", "9", "10", "J", "Q", "K"};
// By rank index (ace first): the created Rang, Poang and SlangOrder.
constexpr std::array<int, 13> kRang = {14, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr std::array<int, 13> kPoang = {1, 0, 0, 0, 5, 0, 0, 0, 0, 1, 1, 0, 0};
constexpr std::array<int, 13> kSlangOrder = {0, 0, 8, 7, 0, 6, 5, 4, 3, 0, 0, 2, 1};

int SorteringOf(int suit, int rang) {
    switch (suit) {
        case 0:
            return 100 + rang;
        case 1:
            return 30 - rang;
        case 2:
            return 60 + rang;
        default:
            return 90 - rang;
    }
}

// The fives: farg of their colour pair and a place at the seam of the pair's two suits.
constexpr std::array<int, 4> kFiveFarg = {9, 6, 6, 9};
constexpr std::array<int, 4> kFiveSortering = {95, 32, 58, 92};

auto FindByKey(std::vector<Kort*>& cards, const std::string& key) {
    return std::find_if(cards.begin(), cards.end(), [&](const Kort* k) { return k->Key() == key; });
}

}  // namespace

Packe::Packe(common::Random& random) : random_(random) {
    CreateCards();
}

void Packe::CreateCards() {
    for (int s = 0; s < 4; ++s) {
        for (int r = 0; r < 13; ++r) {
            Kort& k = cards_[r * 4 + s];
            k.Nr = r * 4 + s;
            k.farg = 1 << s;
            k.Typ = kFaces[r];
            k.Rang = kRang[r];
            k.Poang = kPoang[r];
            k.SlangOrder = kSlangOrder[r];
            k.DrawStyle = 0;
            k.Kop = false;
            k.Sortering = SorteringOf(s, k.Rang);
            pool_.push_back(&k);
        }
    }
    for (int s = 0; s < 4; ++s) {
        Kort& five = cards_[16 + s];
        five.farg = kFiveFarg[s];
        five.Sortering = kFiveSortering[s];
    }
}

void Packe::ValjFarg(int colour) {
    for (Kort& k : cards_) {
        if (k.Typ == "5") {
            k.Rang = k.OwnColour() == colour ? 5 : 4;
        }
    }
}

void Packe::Saka() {
    bool duplicate = false;
    const std::size_t n = pool_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int k = static_cast<int>(random_.Uniform() * static_cast<double>(pool_.size()));
        Kort* card = pool_[k];
        card->Kop = false;
        if (std::find(deck_.begin(), deck_.end(), card) != deck_.end()) {
            duplicate = true;
        } else {
            deck_.push_back(card);
        }
        pool_.erase(pool_.begin() + k);
    }
    for (std::size_t i = 0; i < deck_.size() && i < kDeckSize; ++i) {
        order_[i + 1] = deck_[i]->Key();
    }
    if (duplicate) {
        throw common::FivraError("Deck", 1016, "Card exists in Deck");
    }
}

void Packe::TweakPacke(int position, const std::string& key) {
    if (position < 0 || position > kDeckSize) {
        throw std::out_of_range("TweakPacke: position outside 0..52");
    }
    order_[position] = key;
}

void Packe::TomPacke() {
    const int n = KortIPacken();
    for (int i = 0; i < n; ++i) {
        GeKort();
    }
}

bool Packe::SakaRestore() {
    if (!deck_.empty() || pool_.size() != kDeckSize) {
        return false;
    }
    std::vector<Kort*> restored;
    restored.reserve(kDeckSize);
    for (int i = 1; i <= kDeckSize; ++i) {
        auto it = FindByKey(pool_, order_[i]);
        if (it == pool_.end() ||
            std::find(restored.begin(), restored.end(), *it) != restored.end()) {
            return false;
        }
        restored.push_back(*it);
    }
    deck_ = std::move(restored);
    pool_.clear();
    return true;
}

Kort* Packe::GeSpeciellKort(std::string_view strKort, int cFarg) {
    const bool five = strKort == "V" || strKort == "v";
    const int rang = strKort == "V" ? 5 : 4;
    Kort* found = nullptr;
    for (Kort* k : pool_) {
        if (!k->IsOfColour(cFarg)) {
            continue;
        }
        if (five ? (k->Typ == "5" && k->Rang == rang) : k->Typ == strKort) {
            found = k;
        }
    }
    return found;
}

Kort* Packe::GeKort() {
    if (deck_.empty()) {
        no_card_ = Kort{};
        return &no_card_;
    }
    Kort* top = deck_.front();
    deck_.erase(deck_.begin());
    pool_.push_back(top);
    return top;
}

void Packe::PutbackLastTakenCard(Kort* c) {
    if (c == nullptr || c->IsNoCard()) {
        return;
    }
    auto it = std::find(pool_.begin(), pool_.end(), c);
    if (it == pool_.end()) {
        return;
    }
    pool_.erase(it);
    deck_.push_back(c);
}

}  // namespace cards
