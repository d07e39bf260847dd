#include "gui/scene/HandItem.h"

#include <QPainter>
#include <algorithm>

namespace gui {

HandItem::HandItem(const QString& name, QPointF top_left, const cards::KortHand& hand)
    : ControlItem(name, QRectF()), hand_(hand), top_left_(top_left) {
    Sync();
}

presentation::CardSize HandItem::CardSizeOfHand() const {
    return IsKilledPile() ? presentation::kKilledCardSize : presentation::kCardSize;
}

presentation::HandSize HandItem::ControlSize() const {
    return presentation::ControlSize(hand_.CardsToShow, hand_.LayoutStyle, CardSizeOfHand());
}

std::vector<HandItem::ShownCard> HandItem::ShownCards() const {
    const presentation::CardSize card = CardSizeOfHand();
    const auto& cards = hand_.Cards();
    const int shown = std::min(static_cast<int>(cards.size()), std::max(0, hand_.CardsToShow));
    std::vector<ShownCard> result;
    result.reserve(static_cast<std::size_t>(shown));
    for (int i = 0; i < shown; ++i) {
        const cards::Kort& kort = *cards[static_cast<std::size_t>(i)];
        const presentation::CardPlace place =
            presentation::CardPosition(i, kort.Kop, hand_.HandKod, hand_.LayoutStyle, card);
        const int mode = IsKilledPile() ? 0 : presentation::DrawMode(kort, hand_.VisaHanden);
        // Face-down cards tell nothing, so they wear no mark.
        const CardMark mark = mark_of && mode != 1 ? mark_of(kort) : CardMark::None;
        result.push_back(
            {QRectF(top_left_ + QPointF(place.x, place.y), QSizeF(card.width, card.height)),
             kort.Nr, CardPainter::LookOfDrawMode(mode), mark});
    }
    return result;
}

void HandItem::Sync() {
    const presentation::HandSize size = ControlSize();
    SetRect(QRectF(top_left_, QSizeF(size.width, size.height)));
    std::vector<ShownCard> now = ShownCards();
    if (now != shown_) {
        shown_ = std::move(now);
        update();
    }
}

QRectF HandItem::CardsRect() const {
    QRectF used;
    for (const ShownCard& card : ShownCards()) {
        used |= card.rect;
    }
    return used;
}

void HandItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    // Drawn from the hand itself, so a paint between two syncs is never stale.
    for (const ShownCard& card : ShownCards()) {
        CardPainter::Draw(*painter, card.rect, card.nr, card.look);
        if (card.mark != CardMark::None) {
            DrawCardMark(*painter, card.rect, card.mark);
        }
    }
}

}  // namespace gui
