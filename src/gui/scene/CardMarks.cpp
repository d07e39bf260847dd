#include "gui/scene/CardMarks.h"

#include <QPainter>
#include <QPainterPath>

namespace gui {

namespace {

constexpr double kCorner = 5;

void Veil(QPainter& painter, const QRectF& rect, int alpha) {
    QPainterPath card;
    card.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), kCorner, kCorner);
    painter.fillPath(card, QColor(0, 0, 0, alpha));
}

}  // namespace

void DrawCardMark(QPainter& painter, const QRectF& rect, CardMark mark) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (mark) {
        case CardMark::None:
            break;
        case CardMark::Unplayable:
            // Grey enough to tell at a glance, light enough to read the card.
            Veil(painter, rect, 115);
            break;
        case CardMark::EarlierTrick:
            Veil(painter, rect, 80);
            break;
        case CardMark::TrickWinner:
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(255, 214, 64, 110), 7));
            painter.drawRoundedRect(rect.adjusted(-2, -2, 2, 2), kCorner + 2, kCorner + 2);
            painter.setPen(QPen(QColor(255, 214, 64), 3));
            painter.drawRoundedRect(rect.adjusted(-1, -1, 1, 1), kCorner + 1, kCorner + 1);
            break;
    }
    painter.restore();
}

}  // namespace gui
