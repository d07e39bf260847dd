#include "gui/scene/TraceItem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsSceneWheelEvent>
#include <QPainter>
#include <algorithm>

namespace gui {

namespace {

constexpr double kLine = 14;
constexpr double kPadding = 4;

QFont TraceFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(11);
    return font;
}

}  // namespace

TraceItem::TraceItem(const QString& name, const QRectF& rect, const std::vector<std::string>& lines)
    : ControlItem(name, rect), lines_(lines) {}

int TraceItem::LinesThatFit() const {
    return std::max(1, static_cast<int>((Rect().height() - 2 * kPadding) / kLine));
}

void TraceItem::FollowNewLines() const {
    if (lines_.size() != seen_lines_) {
        seen_lines_ = lines_.size();
        back_ = 0;
    }
}

int TraceItem::LastShownLine() const {
    FollowNewLines();
    return static_cast<int>(lines_.size()) - 1 - back_;
}

void TraceItem::wheelEvent(QGraphicsSceneWheelEvent* event) {
    FollowNewLines();
    const int most = std::max(0, static_cast<int>(lines_.size()) - LinesThatFit());
    const int step = event->delta() > 0 ? 3 : -3;
    back_ = std::clamp(back_ + step, 0, most);
    event->accept();
    Sync();
}

TraceItem::Shown TraceItem::LinesOnShow() const {
    const int last = LastShownLine();
    const int first = std::max(0, last + 1 - LinesThatFit());
    Shown shown;
    for (int i = first; i <= last; ++i) {
        shown.lines.push_back(lines_[static_cast<std::size_t>(i)]);
    }
    shown.ends_at_newest = last == static_cast<int>(lines_.size()) - 1;
    return shown;
}

void TraceItem::Sync() {
    if (!isVisible()) {
        return;  // a hidden list is looked at again when it is shown
    }
    Shown now = LinesOnShow();
    if (now != shown_) {
        shown_ = std::move(now);
        update();
    }
}

void TraceItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(210, 178, 90), 1));
    painter->setBrush(QColor(10, 20, 14, 235));
    painter->drawRoundedRect(Rect(), 6, 6);
    const QFont font = TraceFont();
    painter->setFont(font);
    const QFontMetricsF metrics(font);
    const double width = Rect().width() - 2 * kPadding - 4;
    const Shown shown = LinesOnShow();
    const std::size_t count = shown.lines.size();
    double y = Rect().top() + kPadding;
    for (std::size_t i = 0; i < count; ++i, y += kLine) {
        QString line = QString::fromStdString(shown.lines[i]);
        // One list entry is one row: tabs and line ends inside it become blanks.
        line.replace(QLatin1Char('\t'), QLatin1String("  "));
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        // The newest line is the brightest; older ones step back.
        const bool newest = shown.ends_at_newest && i + 1 == count;
        painter->setPen(newest ? QColor(255, 236, 170) : QColor(220, 222, 206));
        painter->drawText(QRectF(Rect().left() + kPadding + 2, y, width, kLine),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          metrics.elidedText(line, Qt::ElideRight, width));
    }
}

}  // namespace gui
