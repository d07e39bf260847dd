#include "gui/scene/ScoreboardItem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "gui/paint/Pictures.h"

namespace gui {

namespace {

constexpr double kWidth = 236;
constexpr double kSeatColumn = 24;
constexpr double kTotalColumn = 34;

}  // namespace

ScoreboardItem::ScoreboardItem(const QString& name, QPointF top_left,
                               const presentation::ViDeScoreboard& scoreboard,
                               const presentation::Texts& texts)
    : ControlItem(name, QRectF(top_left,
                               QSizeF(kWidth, kHeaderHeight +
                                                  presentation::kScoreboardRows * kRowHeight + 4))),
      scoreboard_(scoreboard),
      team_vi_(QString::fromStdString(texts.team_vi)),
      team_de_(QString::fromStdString(texts.team_de)),
      shown_(scoreboard.Rows()) {}

void ScoreboardItem::Sync() {
    if (scoreboard_.Rows() != shown_) {
        shown_ = scoreboard_.Rows();
        update();
    }
}

void ScoreboardItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(210, 178, 90, 160), 1));
    painter->setBrush(QColor(0, 0, 0, 70));
    painter->drawRoundedRect(Rect(), 8, 8);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(QColor(246, 240, 220));
    const QPointF origin = Rect().topLeft();
    painter->setFont(HeaderFont(font));
    painter->drawText(QRectF(origin + QPointF(kSeatColumn, 2), QSizeF(kTotalColumn, kHeaderHeight)),
                      Qt::AlignRight | Qt::AlignVCenter, team_vi_);
    painter->drawText(QRectF(origin + QPointF(kSeatColumn + kTotalColumn, 2),
                             QSizeF(kTotalColumn, kHeaderHeight)),
                      Qt::AlignRight | Qt::AlignVCenter, team_de_);
    const auto& rows = scoreboard_.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        PaintRow(*painter, rows[i], origin.y() + kHeaderHeight + 2 + i * kRowHeight);
    }
}

// The column captions in the given font, made smaller until both leave a gap between them
// in their narrow columns.
QFont ScoreboardItem::HeaderFont(QFont font) const {
    constexpr double kGap = 6;
    while (font.pixelSize() > 8) {
        const QFontMetricsF metrics(font);
        if (std::max(metrics.horizontalAdvance(team_vi_), metrics.horizontalAdvance(team_de_)) <=
            kTotalColumn - kGap) {
            break;
        }
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void ScoreboardItem::PaintRow(QPainter& painter, const presentation::ScoreboardRow& row,
                              double top) const {
    const double left = Rect().left();
    if (row.bidder.visible) {
        DrawPicture(painter, SeatPicture(row.bidder.seat),
                    QRectF(left + 4, top + 2, kRowHeight - 4, kRowHeight - 4));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(InkOf(row.vi_label.ForeColor));
    painter.drawText(QRectF(left + kSeatColumn, top, kTotalColumn, kRowHeight),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(row.vi_label.Caption));
    painter.setPen(InkOf(row.de_label.ForeColor));
    painter.drawText(QRectF(left + kSeatColumn + kTotalColumn, top, kTotalColumn, kRowHeight),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(row.de_label.Caption));
    if (!row.strip.visible) {
        return;
    }
    const QString mark = row.strip.made ? QStringLiteral("mark_made") : QStringLiteral("mark_lost");
    const double strip_left = left + kSeatColumn + 2 * kTotalColumn + 8;
    for (int m = 0; m < row.strip.marks && m < 9; ++m) {
        DrawPicture(painter, mark,
                    QRectF(strip_left + m * kMarkWidth, top + 4, kMarkWidth - 1, kRowHeight - 8));
    }
}

}  // namespace gui
