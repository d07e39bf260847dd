#include "gui/paint/CardBacks.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "gui/base/GuiTexts.h"

namespace gui {

namespace {

const QColor kEdge(120, 120, 110);
const QColor kGold(210, 175, 70);

struct Palette {
    QColor field;
    QColor pattern;
};

Palette PaletteOf(CardBack back) {
    switch (back) {
        case CardBack::Diamonds:
            return {QColor(140, 24, 36), QColor(240, 150, 150, 150)};
        case CardBack::Rings:
            return {QColor(18, 90, 58), QColor(170, 226, 180, 150)};
        case CardBack::Lattice:
            break;
    }
    return {QColor(28, 60, 130), QColor(120, 160, 230, 150)};
}

// A diagonal lattice, the traditional look of a card back.
void DrawLattice(QPainter& painter, const QRectF& inner, double step) {
    for (double d = -inner.height(); d < inner.width() + inner.height(); d += step) {
        painter.drawLine(QPointF(inner.left() + d, inner.top()),
                         QPointF(inner.left() + d - inner.height(), inner.bottom()));
        painter.drawLine(QPointF(inner.left() + d - inner.height(), inner.top()),
                         QPointF(inner.left() + d, inner.bottom()));
    }
}

// Rows of small diamonds, every other row shifted by half a diamond.
void DrawDiamonds(QPainter& painter, const QRectF& inner, double step) {
    const double half = step / 2;
    int row = 0;
    for (double y = inner.top(); y < inner.bottom() + step; y += half, ++row) {
        const double shift = (row % 2) * half;
        for (double x = inner.left() - step + shift; x < inner.right() + step; x += step) {
            const QPointF centre(x, y);
            const QPointF corners[] = {
                centre + QPointF(0, -half * 0.8), centre + QPointF(half * 0.55, 0),
                centre + QPointF(0, half * 0.8), centre + QPointF(-half * 0.55, 0)};
            painter.drawPolygon(corners, 4);
        }
    }
}

// Rings around the card's centre, crossed by a gold rosette in the middle.
void DrawRings(QPainter& painter, const QRectF& inner, double step) {
    const QPointF centre = inner.center();
    const double reach = std::hypot(inner.width(), inner.height()) / 2;
    for (double r = step / 2; r < reach; r += step / 2) {
        painter.drawEllipse(centre, r, r);
    }
    painter.setPen(QPen(kGold, std::max(1.0, step * 0.12)));
    const double petal = inner.width() * 0.28;
    for (int i = 0; i < 6; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(i * 30.0);
        painter.drawEllipse(QPointF(0, 0), petal, petal * 0.35);
        painter.restore();
    }
}

}  // namespace

QString CardBackName(CardBack back) {
    switch (back) {
        case CardBack::Diamonds:
            return GuiText(GuiTextId::BackDiamonds);
        case CardBack::Rings:
            return GuiText(GuiTextId::BackRings);
        case CardBack::Lattice:
            break;
    }
    return GuiText(GuiTextId::BackLattice);
}

void DrawCardBack(QPainter& painter, const QRectF& rect, CardBack back) {
    const Palette palette = PaletteOf(back);
    const double radius = rect.width() * 0.08;
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const double inset = rect.width() * 0.07;
    const QRectF inner = rect.adjusted(inset, inset, -inset, -inset);
    QPainterPath clip;
    clip.addRoundedRect(inner, radius * 0.6, radius * 0.6);
    painter.save();
    painter.setClipPath(clip);
    painter.fillRect(inner, palette.field);
    painter.setPen(QPen(palette.pattern, std::max(0.8, rect.width() * 0.015)));
    painter.setBrush(Qt::NoBrush);
    const double step = rect.width() / 7.0;
    switch (back) {
        case CardBack::Diamonds:
            DrawDiamonds(painter, inner, step * 1.3);
            break;
        case CardBack::Rings:
            DrawRings(painter, inner, step);
            break;
        case CardBack::Lattice:
            DrawLattice(painter, inner, step);
            break;
    }
    painter.restore();
    painter.setPen(QPen(kGold, std::max(1.0, rect.width() * 0.025)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
}

}  // namespace gui
