#pragma once

#include <string>
#include <vector>

#include "cards/Kort.h"

namespace cards {

// An ordered set of cards: a seat's hand, a seat's spot on the table, or the killed pile.
// It holds cards the deck owns; position 1 is the leftmost (or topmost) card. What a seat
// decides and what a played card does to the round belong to the table, not to the hand.
class KortHand {
  public:
    // Inserts before the first card with a lower Sortering. Refuses the no-card object
    // (returns false); a card already held raises error 1001.
    bool AddACard(Kort* card);
    // Appends; same refusal and error.
    bool AddACardOSort(Kort* card);
    // Removes and returns the card at a position (1-based) or with a key; nullptr if none.
    Kort* TakeACard(int position);
    Kort* TakeACard(const std::string& key);
    void ClearHand();
    void SortHand();

    int AntalKort() const { return static_cast<int>(cards_.size()); }
    int AntalKortIFarg(int colour) const;
    bool HandEmpty(int colour) const { return AntalKortIFarg(colour) == 0; }
    // With no card of the colour: the hand goes out of play and drops all its cards.
    // Returns whether that was the case.
    bool TomHand(int colour);
    // Position of the trump card (AND test with `trump`) of that Rang; -1 if none.
    int FindCardIDXofRang(int rang, int trump) const;
    // Throws away surplus trump cards down to six: among the cards whose farg equals the
    // colour exactly (never a five), the highest SlangOrder first; point cards never go.
    // Returns the removed cards in the order removed.
    std::vector<Kort*> TaBortMeraKortAn6(int colour);
    // Entry 0 the count, then the cards' keys; an empty hand gives "No Cards", "No Cards".
    std::vector<std::string> GetCardList() const;
    // Sets a card's DrawStyle by key; a key not in the hand raises error 1002.
    bool SetCardState(const std::string& key, int state);

    void StickOut(int position);
    void StickOutAllCardsOfFarg(int colour);
    void StickOutAllCardsOfRang(int rang);
    void StickInAllCardsOfRang(int rang);
    // Lowers every raised card (clears every Kop mark).
    void SattInKortIHanden();

    // Moves the card at position `from` to position `to` (both 1-based), the others closing
    // up; the play rules use it to reorder a seat's trump cards.
    void MoveCard(int from, int to);

    // A redraw request; the view repaints from the hand's state.
    void refresh() { ++revision_; }
    int Revision() const { return revision_; }

    const std::vector<Kort*>& Cards() const { return cards_; }
    // The card at a position (1-based), nullptr outside.
    Kort* CardAt(int position) const;

    int GeBud() const { return bud_; }
    void PutBud(int bid) { bud_ = bid; }

    int HandSpelarTyp() const { return spelar_typ_; }
    // Setting the type also decides whether the cards are hidden: computer seats (0) hide.
    void SetHandSpelarTyp(int type) {
        spelar_typ_ = type;
        VisaHanden = type == 0 ? 1 : 0;
    }

    std::string HandNamn = "Spelare";
    std::string HandKod;
    int VisaHanden = 0;     // 1: every card drawn as a back and clicks do not play
    int HandAktivitat = 0;  // 0 idle; 1 the human chooses a card; other: a click advances
    int CardsToShow = 9;
    int LayoutStyle = 0;     // 0 a row, 1 a column
    int BordHand = -1;       // the seat whose table spot belongs to this hand
    bool OutOfPlay = false;  // emptied by TomHand

  private:
    bool Insert(Kort* card, bool sorted);

    std::vector<Kort*> cards_;
    int bud_ = -1;
    int spelar_typ_ = 0;
    int revision_ = 0;
};

}  // namespace cards
