#pragma once

#include <QRectF>
#include <QString>

#include "gui/settings/DeckLook.h"

class QPainter;

namespace gui {

// The design's name in the language the game shows.
QString CardBackName(CardBack back);

// Draws the back of a card into `rect`.
void DrawCardBack(QPainter& painter, const QRectF& rect, CardBack back);

}  // namespace gui
