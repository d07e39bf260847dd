#pragma once

namespace gui {

// The designs of the card back the player can choose between.
enum class CardBack { Lattice = 0, Diamonds = 1, Rings = 2 };
inline constexpr int kCardBacks = 3;

// The look of the whole deck, as the player chose it. The four-colour deck draws klöver green
// and ruter blue, for players who mix up the two red or the two black suits.
struct DeckLook {
    bool four_colours = false;
    CardBack back = CardBack::Lattice;
    bool operator==(const DeckLook&) const = default;
};

}  // namespace gui
