#pragma once

#include <string_view>

#include "cards/Kort.h"

// The pure geometry of a hand control: its size, where each card is drawn and which card lies
// under the pointer. Pixels of the table's logical canvas.
namespace presentation {

struct CardSize {
    int width = 71;
    int height = 96;
};
inline constexpr CardSize kCardSize{};
// The killed pile draws its cards reduced to this size.
inline constexpr CardSize kKilledCardSize{53, 72};

struct HandSize {
    int width = 0;
    int height = 0;
};

struct CardPlace {
    int x = 0;
    int y = 0;
};

HandSize ControlSize(int cards_to_show, int layout_style, CardSize card = kCardSize);

// Position (1-based) of the card under the point; 0 when the point is beyond the cards.
int CardAtPoint(int x, int y, HandSize control, int cards_to_show, int layout_style,
                int card_count);

// Where card i (0-based) is drawn. Raised cards stand out towards the table's centre:
// VAST's and NORD's marked cards move in, OST's and SYD's unmarked cards move out.
CardPlace CardPosition(int index, bool raised, std::string_view hand_kod, int layout_style,
                       CardSize card = kCardSize);

// Draw mode of a card: its DrawStyle, or 1 (the back) for every card of a hidden hand.
int DrawMode(const cards::Kort& card, int visa_handen);

}  // namespace presentation
