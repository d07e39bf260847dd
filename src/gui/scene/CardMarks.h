#pragma once

#include <QRectF>

class QPainter;

namespace gui {

// What a card on the table tells beyond its face: a card of the human's hand that cannot be
// played, a card of an earlier trick, the card that took the trick on show.
enum class CardMark { None, Unplayable, EarlierTrick, TrickWinner };

// Drawn over a card already painted in `rect`.
void DrawCardMark(QPainter& painter, const QRectF& rect, CardMark mark);

}  // namespace gui
