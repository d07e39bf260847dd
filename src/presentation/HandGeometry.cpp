#include "presentation/HandGeometry.h"

namespace presentation {

HandSize ControlSize(int cards_to_show, int layout_style, CardSize card) {
    if (layout_style == 0) {
        return {(cards_to_show + 2) * card.width / 2, card.height + card.height / 10};
    }
    return {card.width + card.width / 9, (cards_to_show - 1) * card.height / 3 + card.height};
}

int CardAtPoint(int x, int y, HandSize control, int cards_to_show, int layout_style,
                int card_count) {
    const bool row = layout_style == 0;
    const int margin = row ? 2 : 3;
    const int slot_size = (row ? control.width : control.height) / (cards_to_show + margin);
    if (slot_size <= 0) {
        return 0;
    }
    const int slot = (row ? x : y) / slot_size + 1;
    if (slot > card_count + margin) {
        return 0;
    }
    if (slot > card_count) {
        return card_count;
    }
    return slot;
}

CardPlace CardPosition(int index, bool raised, std::string_view hand_kod, int layout_style,
                       CardSize card) {
    CardPlace place = layout_style == 0 ? CardPlace{index * card.width / 2, 0}
                                        : CardPlace{0, index * card.height / 3};
    if (hand_kod == "VAST" && raised) {
        place.x += card.width / 9;
    } else if (hand_kod == "NORD" && raised) {
        place.y += card.height / 10;
    } else if (hand_kod == "OST" && !raised) {
        place.x += card.width / 9;
    } else if (hand_kod == "SYD" && !raised) {
        place.y += card.height / 10;
    }
    return place;
}

int DrawMode(const cards::Kort& card, int visa_handen) {
    return visa_handen == 1 ? 1 : card.DrawStyle;
}

}  // namespace presentation
