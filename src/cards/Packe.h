#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cards/Kort.h"
#include "common/Random.h"

namespace cards {

// The deck: owns the 52 cards for the whole run. A card is either in the deck proper (still
// to be dealt, top card first) or in the pool (every card taken out, in the order taken).
// The order record keeps the deck order of the last shuffle so a round can be logged and
// rebuilt.
class Packe {
  public:
    explicit Packe(common::Random& random);
    Packe(const Packe&) = delete;
    Packe& operator=(const Packe&) = delete;

    int KortIPacken() const { return static_cast<int>(deck_.size()); }
    // Sets the Rang of the four fives for trump `colour`: 5 for the five of that suit,
    // 4 for the others.
    void ValjFarg(int colour);
    // Shuffles every pool card into the deck and refreshes the order record.
    void Saka();
    // Order record entry `position` (0..52) := key; std::out_of_range outside.
    void TweakPacke(int position, const std::string& key);
    // Takes every card out of the deck into the pool.
    void TomPacke();
    // Rebuilds the deck from the order record. Needs the deck empty, all 52 cards in the pool
    // and a record naming each of them once; otherwise it changes nothing and returns false.
    bool SakaRestore();
    // A card among the pool cards by face and colour ("V"/"v" are the fives of Rang 5/4);
    // the last match in pool order, nullptr when none.
    Kort* GeSpeciellKort(std::string_view strKort, int cFarg);
    // Takes the top card. On an empty deck returns the no-card object (Nr -1), which belongs
    // to no collection and which hands refuse.
    Kort* GeKort();
    // Puts c back as the deck's last card and takes it out of the pool.
    void PutbackLastTakenCard(Kort* c);

    const std::vector<Kort*>& DeckCards() const { return deck_; }
    const std::vector<Kort*>& PoolCards() const { return pool_; }
    const std::array<std::string, kDeckSize + 1>& OrderRecord() const { return order_; }
    Kort& Card(int nr) { return cards_.at(nr); }
    const Kort& Card(int nr) const { return cards_.at(nr); }

  private:
    void CreateCards();

    common::Random& random_;
    std::array<Kort, kDeckSize> cards_;
    Kort no_card_;
    std::vector<Kort*> deck_;
    std::vector<Kort*> pool_;
    std::array<std::string, kDeckSize + 1> order_;
};

}  // namespace cards
