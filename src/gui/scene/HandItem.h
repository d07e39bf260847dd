#pragma once

#include <functional>
#include <vector>

#include "cards/KortHand.h"
#include "gui/paint/CardPainter.h"
#include "gui/scene/CardMarks.h"
#include "gui/scene/ControlItem.h"
#include "presentation/HandGeometry.h"

namespace gui {

// A hand control: a seat's hand, a seat's spot on the table or the killed pile, drawn from
// the hand's own state (cards, layout, raised marks, draw styles) with the hand geometry.
// The killed pile shows its cards face up at the reduced size.
class HandItem : public ControlItem {
  public:
    HandItem(const QString& name, QPointF top_left, const cards::KortHand& hand);

    // Follows the hand's layout; redraws only when what the hand shows has changed.
    void Sync();
    presentation::HandSize ControlSize() const;
    int CardCount() const { return hand_.AntalKort(); }
    // Where cards are drawn, in scene pixels; the control itself may reach further.
    QRectF CardsRect() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // What each card tells beyond its face; unset, nothing.
    std::function<CardMark(const cards::Kort&)> mark_of;

  private:
    // One card as it is drawn: where, which, how, and what mark it wears.
    struct ShownCard {
        QRectF rect;
        int nr = -1;
        CardLook look = CardLook::Face;
        CardMark mark = CardMark::None;
        bool operator==(const ShownCard&) const = default;
    };

    bool IsKilledPile() const { return hand_.HandKod == "KILLED"; }
    presentation::CardSize CardSizeOfHand() const;
    std::vector<ShownCard> ShownCards() const;

    const cards::KortHand& hand_;
    QPointF top_left_;
    std::vector<ShownCard> shown_;  // what the last Sync found on show
};

}  // namespace gui
