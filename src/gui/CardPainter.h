#pragma once

#include <QRectF>

class QPainter;

namespace gui {

// How a card is drawn: its face, its face highlighted, or its back.
enum class CardLook { Face = 0, Back = 1, Highlighted = 2 };

// Our own card renderer: draws any of the 52 faces by the card number Nr (rank index * 4 +
// suit index; rank 0 ace .. 12 king, suit 0 klöver, 1 ruter, 2 hjärter, 3 spader) and the
// back, as vectors scaled to the given rectangle, so cards stay crisp at every size and
// device pixel ratio. Nothing else in the front end knows how a card looks.
class CardPainter {
  public:
    // Draw mode as the hands give it: 0 face, 1 back, 2 highlighted face.
    static CardLook LookOfDrawMode(int draw_mode);

    static void Draw(QPainter& painter, const QRectF& rect, int nr, CardLook look);

    // "A", "2".."10", "J", "Q", "K" for rank index 0..12; empty outside.
    static const char* RankText(int rank_index);
    // The suit symbol of suit index 0..3.
    static const char* SuitSymbol(int suit_index);
    static bool IsRed(int suit_index) { return suit_index == 1 || suit_index == 2; }

  private:
    static void DrawBack(QPainter& painter, const QRectF& rect);
    static void DrawFace(QPainter& painter, const QRectF& rect, int nr);
    static void DrawCorners(QPainter& painter, const QRectF& rect, int rank, int suit);
    static void DrawPips(QPainter& painter, const QRectF& rect, int rank, int suit);
    static void DrawCourt(QPainter& painter, const QRectF& rect, int rank, int suit);
};

}  // namespace gui
