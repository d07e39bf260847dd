#include "gui/paint/CardPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <span>

#include "gui/paint/PaintCache.h"

namespace gui {

namespace {

constexpr std::array<const char*, 13> kRankTexts = {"A", "2", "3",  "4", "5", "6", "7",
                                                    "8", "9", "10", "J", "Q", "K"};
constexpr std::array<const char*, 4> kSuitSymbols = {"\u2663", "\u2666", "\u2665", "\u2660"};

const QColor kRed(196, 24, 40);
const QColor kBlack(22, 22, 22);
const QColor kPaper(255, 253, 246);
const QColor kEdge(120, 120, 110);
const QColor kFourColourGreen(20, 128, 50);
const QColor kFourColourBlue(24, 74, 190);

struct Pip {
    double x;  // share of the pip area's width
    double y;  // share of the pip area's height
};

// Pip places of the number cards 2..10, in the usual arrangement of a card face.
std::span<const Pip> PipsOf(int count) {
    static constexpr Pip k2[] = {{.5, 0}, {.5, 1}};
    static constexpr Pip k3[] = {{.5, 0}, {.5, .5}, {.5, 1}};
    static constexpr Pip k4[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    static constexpr Pip k5[] = {{0, 0}, {1, 0}, {.5, .5}, {0, 1}, {1, 1}};
    static constexpr Pip k6[] = {{0, 0}, {1, 0}, {0, .5}, {1, .5}, {0, 1}, {1, 1}};
    static constexpr Pip k7[] = {{0, 0}, {1, 0}, {.5, .25}, {0, .5}, {1, .5}, {0, 1}, {1, 1}};
    static constexpr Pip k8[] = {{0, 0},  {1, 0},    {.5, .25}, {0, .5},
                                 {1, .5}, {.5, .75}, {0, 1},    {1, 1}};
    static constexpr Pip k9[] = {{0, 0},      {1, 0},      {0, 1. / 3}, {1, 1. / 3}, {.5, .5},
                                 {0, 2. / 3}, {1, 2. / 3}, {0, 1},      {1, 1}};
    static constexpr Pip k10[] = {{0, 0},      {1, 0},      {.5, 1. / 6}, {0, 1. / 3}, {1, 1. / 3},
                                  {0, 2. / 3}, {1, 2. / 3}, {.5, 5. / 6}, {0, 1},      {1, 1}};
    switch (count) {
        case 2:
            return k2;
        case 3:
            return k3;
        case 4:
            return k4;
        case 5:
            return k5;
        case 6:
            return k6;
        case 7:
            return k7;
        case 8:
            return k8;
        case 9:
            return k9;
        case 10:
            return k10;
        default:
            return {};
    }
}

QFont CardFont(double pixel_size, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(pixel_size + 0.5)));
    font.setBold(bold);
    return font;
}

// Draws a symbol centred on a point; upside down in the lower half, as printed cards do.
void DrawSymbolAt(QPainter& painter, QPointF centre, double size, const QString& symbol,
                  bool upside_down) {
    painter.save();
    painter.translate(centre);
    if (upside_down) {
        painter.rotate(180);
    }
    painter.setFont(CardFont(size, false));
    painter.drawText(QRectF(-size, -size, 2 * size, 2 * size), Qt::AlignCenter, symbol);
    painter.restore();
}

DeckLook& DeckLookSetting() {
    static DeckLook look;
    return look;
}

}  // namespace

CardLook CardPainter::LookOfDrawMode(int draw_mode) {
    switch (draw_mode) {
        case 1:
            return CardLook::Back;
        case 2:
            return CardLook::Highlighted;
        default:
            return CardLook::Face;
    }
}

const char* CardPainter::RankText(int rank_index) {
    return rank_index >= 0 && rank_index < 13 ? kRankTexts[rank_index] : "";
}

const char* CardPainter::SuitSymbol(int suit_index) {
    return suit_index >= 0 && suit_index < 4 ? kSuitSymbols[suit_index] : "";
}

void CardPainter::SetDeckLook(const DeckLook& look) {
    DeckLookSetting() = look;
}

const DeckLook& CardPainter::CurrentDeckLook() {
    return DeckLookSetting();
}

QColor CardPainter::SuitInk(int suit_index, const DeckLook& deck) {
    if (deck.four_colours) {
        switch (suit_index) {
            case 0:
                return kFourColourGreen;
            case 1:
                return kFourColourBlue;
            default:
                break;
        }
    }
    return suit_index == 1 || suit_index == 2 ? kRed : kBlack;
}

void CardPainter::Draw(QPainter& painter, const QRectF& rect, int nr, CardLook look) {
    Draw(painter, rect, nr, look, DeckLookSetting());
}

void CardPainter::Draw(QPainter& painter, const QRectF& rect, int nr, CardLook look,
                       const DeckLook& deck) {
    const bool back = look == CardLook::Back || nr < 0 || nr > 51;
    // The key holds only what changes the picture: a back does not depend on the card.
    const QString key = back ? QStringLiteral("card-back:%1").arg(static_cast<int>(deck.back))
                             : QStringLiteral("card:%1:%2:%3")
                                   .arg(nr)
                                   .arg(static_cast<int>(look))
                                   .arg(deck.four_colours);
    DrawCached(painter, rect, key, [nr, look, deck](QPainter& target, const QRectF& area) {
        DrawUncached(target, area, nr, look, deck);
    });
}

void CardPainter::DrawUncached(QPainter& painter, const QRectF& rect, int nr, CardLook look,
                               const DeckLook& deck) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (look == CardLook::Back || nr < 0 || nr > 51) {
        DrawCardBack(painter, rect, deck.back);
    } else {
        DrawFace(painter, rect, nr, SuitInk(nr % 4, deck));
        if (look == CardLook::Highlighted) {
            const double radius = rect.width() * 0.08;
            painter.setPen(QPen(QColor(30, 110, 230), std::max(1.5, rect.width() * 0.035)));
            painter.setBrush(QColor(90, 160, 255, 60));
            painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), radius, radius);
        }
    }
    painter.restore();
}

void CardPainter::DrawFace(QPainter& painter, const QRectF& rect, int nr, const QColor& ink) {
    const int rank = nr / 4;
    const int suit = nr % 4;
    const double radius = rect.width() * 0.08;
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.setPen(ink);
    DrawCorners(painter, rect, rank, suit);
    if (rank >= 10) {
        DrawCourt(painter, rect, rank, suit, ink);
    } else {
        DrawPips(painter, rect, rank, suit);
    }
}

void CardPainter::DrawCorners(QPainter& painter, const QRectF& rect, int rank, int suit) {
    const double w = rect.width();
    const double rank_size = w * 0.23;
    const double suit_size = w * 0.2;
    const QString rank_text = QString::fromUtf8(RankText(rank));
    const QString suit_text = QString::fromUtf8(SuitSymbol(suit));
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        painter.translate(rect.center());
        painter.rotate(corner * 180.0);
        const QPointF top_left(-rect.width() / 2, -rect.height() / 2);
        // Ten is two letters: it gets a narrower font so the index column stays readable.
        const double size = rank == 9 ? rank_size * 0.8 : rank_size;
        painter.setFont(CardFont(size, true));
        painter.drawText(
            QRectF(top_left + QPointF(w * 0.02, w * 0.03), QSizeF(w * 0.3, size * 1.15)),
            Qt::AlignHCenter | Qt::AlignTop, rank_text);
        painter.setFont(CardFont(suit_size, false));
        painter.drawText(QRectF(top_left + QPointF(w * 0.02, w * 0.03 + rank_size * 1.05),
                                QSizeF(w * 0.3, suit_size * 1.2)),
                         Qt::AlignHCenter | Qt::AlignTop, suit_text);
        painter.restore();
    }
}

void CardPainter::DrawPips(QPainter& painter, const QRectF& rect, int rank, int suit) {
    const QString symbol = QString::fromUtf8(SuitSymbol(suit));
    const double w = rect.width();
    if (rank == 0) {
        DrawSymbolAt(painter, rect.center(), w * 0.55, symbol, false);
        return;
    }
    // The pips keep clear of the corner index columns.
    const QRectF area(rect.left() + w * 0.36, rect.top() + rect.height() * 0.2, w * 0.28,
                      rect.height() * 0.6);
    const double pip_size = w * (rank >= 6 ? 0.17 : 0.2);
    for (const Pip& pip : PipsOf(rank + 1)) {
        const QPointF centre(area.left() + pip.x * area.width(),
                             area.top() + pip.y * area.height());
        DrawSymbolAt(painter, centre, pip_size, symbol, pip.y > 0.5);
    }
}

void CardPainter::DrawCourt(QPainter& painter, const QRectF& rect, int rank, int suit,
                            const QColor& ink) {
    const double w = rect.width();
    const QRectF frame(rect.left() + w * 0.27, rect.top() + rect.height() * 0.16, w * 0.46,
                       rect.height() * 0.68);
    painter.setPen(QPen(ink, std::max(1.0, w * 0.02)));
    painter.setBrush(QColor(246, 232, 190));
    painter.drawRoundedRect(frame, w * 0.04, w * 0.04);
    painter.setPen(ink);
    painter.setFont(CardFont(w * 0.36, true));
    painter.drawText(frame.adjusted(0, 0, 0, -frame.height() * 0.3), Qt::AlignCenter,
                     QString::fromUtf8(RankText(rank)));
    DrawSymbolAt(painter, QPointF(frame.center().x(), frame.bottom() - frame.height() * 0.22),
                 w * 0.2, QString::fromUtf8(SuitSymbol(suit)), false);
}

}  // namespace gui
