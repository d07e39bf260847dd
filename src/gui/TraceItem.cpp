#include "gui/TraceItem.h"

#include <QFont>
#include <QPainter>

namespace gui {

TraceItem::TraceItem(const QString& name, const QRectF& rect, const std::vector<std::string>& lines)
    : ControlItem(name, rect), lines_(lines) {}

void TraceItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setPen(QPen(QColor(210, 178, 90), 1));
    painter->setBrush(QColor(10, 20, 14, 225));
    painter->drawRect(Rect());
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(10);
    painter->setFont(font);
    painter->setPen(QColor(230, 230, 210));
    constexpr double kLine = 13;
    const int fits = static_cast<int>((Rect().height() - 6) / kLine);
    const int first = std::max(0, static_cast<int>(lines_.size()) - fits);
    double y = Rect().top() + 3;
    for (std::size_t i = static_cast<std::size_t>(first); i < lines_.size(); ++i, y += kLine) {
        QString line = QString::fromStdString(lines_[i]);
        line.replace(QLatin1Char('\t'), QLatin1String("  "));
        painter->drawText(QRectF(Rect().left() + 4, y, Rect().width() - 8, kLine),
                          Qt::AlignLeft | Qt::AlignVCenter, line);
    }
}

}  // namespace gui
