#include "gui/ControlItem.h"

#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include "gui/Pictures.h"

namespace gui {

ControlItem::ControlItem(const QString& name, const QRectF& rect) : rect_(rect) {
    setObjectName(name);
    setData(0, name);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void ControlItem::SetRect(const QRectF& rect) {
    if (rect != rect_) {
        prepareGeometryChange();
        rect_ = rect;
    }
}

void ControlItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();  // keeps the item as the grabber, so the release comes here too
    if (on_press) {
        on_press(event->pos() - rect_.topLeft());
    }
}

void ControlItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (on_release) {
        on_release();
    }
}

QColor InkOf(const common::Rgb& fore_color) {
    if (fore_color == common::kBlack) {
        return QColor(246, 240, 220);
    }
    return QColor(fore_color.r, fore_color.g, fore_color.b);
}

LabelItem::LabelItem(const QString& name, const QRectF& rect, Style style)
    : ControlItem(name, rect), style_(style) {}

void LabelItem::SetText(const QString& text, const QColor& color) {
    if (text != text_ || color != color_) {
        text_ = text;
        color_ = color;
        update();
    }
}

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (text_.isEmpty()) {
        return;
    }
    painter->setRenderHint(QPainter::Antialiasing);
    QFont font(style_.monospace ? QStringLiteral("DejaVu Sans Mono")
                                : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(style_.pixel_size);
    font.setBold(style_.bold);
    painter->setFont(font);
    if (!style_.background.isEmpty()) {
        DrawPicture(*painter, style_.background, Rect());
    }
    QRectF text_rect = Rect().adjusted(4, 0, -4, 0);
    if (style_.chip) {
        const QRectF used =
            painter->boundingRect(text_rect, int(style_.align) | Qt::TextWordWrap, text_);
        const QRectF chip = used.adjusted(-6, -2, 6, 2);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0, 0, 0, 110));
        painter->drawRoundedRect(chip, 6, 6);
    }
    painter->setPen(color_);
    painter->drawText(text_rect, int(style_.align) | Qt::TextWordWrap, text_);
}

PictureItem::PictureItem(const QString& name, const QRectF& rect, QString picture)
    : ControlItem(name, rect), picture_(std::move(picture)) {}

void PictureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    DrawPicture(*painter, picture_, Rect());
}

}  // namespace gui
