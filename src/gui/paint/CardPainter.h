#pragma once

#include <QColor>
#include <QRectF>

#include "gui/paint/CardBacks.h"

class QPainter;

namespace gui {

// How a card is drawn: its face, its face highlighted, or its back.
enum class CardLook { Face = 0, Back = 1, Highlighted = 2 };

// Our own card renderer: draws any of the 52 faces by the card number Nr (rank index * 4 +
// suit index; rank 0 ace .. 12 king, suit 0 klöver, 1 ruter, 2 hjärter, 3 spader) and the
// back, as vectors scaled to the given rectangle, so cards stay crisp at every size and
// device pixel ratio. Each card is drawn once per size on the screen and then copied. Nothing
// else in the front end knows how a card looks.
class CardPainter {
  public:
    // The deck's look for every card drawn from now on.
    static void SetDeckLook(const DeckLook& look);
    static const DeckLook& CurrentDeckLook();

    // Draw mode as the hands give it: 0 face, 1 back, 2 highlighted face.
    static CardLook LookOfDrawMode(int draw_mode);

    static void Draw(QPainter& painter, const QRectF& rect, int nr, CardLook look);
    // The same in a given deck look (a preview of a choice not yet made).
    static void Draw(QPainter& painter, const QRectF& rect, int nr, CardLook look,
                     const DeckLook& deck);

    // "A", "2".."10", "J", "Q", "K" for rank index 0..12; empty outside.
    static const char* RankText(int rank_index);
    // The suit symbol of suit index 0..3.
    static const char* SuitSymbol(int suit_index);
    // The ink of a suit in a deck look.
    static QColor SuitInk(int suit_index, const DeckLook& deck);

  private:
    static void DrawUncached(QPainter& painter, const QRectF& rect, int nr, CardLook look,
                             const DeckLook& deck);
    static void DrawFace(QPainter& painter, const QRectF& rect, int nr, const QColor& ink);
    static void DrawCorners(QPainter& painter, const QRectF& rect, int rank, int suit);
    static void DrawPips(QPainter& painter, const QRectF& rect, int rank, int suit);
    static void DrawCourt(QPainter& painter, const QRectF& rect, int rank, int suit,
                          const QColor& ink);
};

}  // namespace gui
