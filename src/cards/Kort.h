#pragma once

#include <string>

namespace cards {

// One physical card. The deck makes the 52 once; dealing, buying, playing and killing only move
// the same object between collections, so a change of Rang (the fives, when trump is chosen)
// is seen wherever the card lies.
struct Kort {
    int farg = 0;        // colour bits: 1 klöver, 2 ruter, 4 hjärter, 8 spader; fives 9 or 6
    int Rang = 0;        // rank for comparing trump cards, 1..14
    std::string Typ;     // face label: "A", "2".."10", "J", "Q", "K"
    int Nr = -1;         // rank index * 4 + suit index, 0..51; -1 is no card
    int DrawStyle = 0;   // 0 face up, 1 back, 2 face up highlighted
    int Poang = 0;       // points the card carries into its trick
    bool Kop = false;    // drawn raised out of the hand
    int SlangOrder = 0;  // surplus trumps are thrown away highest first; 0 never
    int Sortering = 0;   // hands keep cards in descending Sortering

    bool IsNoCard() const { return Nr < 0; }
    // The AND test: both fivra cards belong to each colour of their colour pair.
    bool IsOfColour(int colour) const { return (farg & colour) != 0; }
    // The card's key in every collection: Nr as decimal text.
    std::string Key() const { return std::to_string(Nr); }
    // The colour of the card's own suit (a five's own suit, not its pair).
    int OwnColour() const { return Nr < 0 ? 0 : 1 << (Nr % 4); }
};

inline constexpr int kDeckSize = 52;

}  // namespace cards
