#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace gui {

// The designs of the card back the player can choose between.
enum class CardBack { Lattice = 0, Diamonds = 1, Rings = 2 };
inline constexpr int kCardBacks = 3;

// The design's name in the language the game shows.
QString CardBackName(CardBack back);

// Draws the back of a card into `rect`.
void DrawCardBack(QPainter& painter, const QRectF& rect, CardBack back);

}  // namespace gui
