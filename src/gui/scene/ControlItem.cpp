#include "gui/scene/ControlItem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include "gui/paint/Pictures.h"

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

QFont LabelItem::Font() const {
    QFont font(style_.monospace ? QStringLiteral("DejaVu Sans Mono")
                                : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(style_.pixel_size);
    font.setBold(style_.bold);
    return font;
}

int LabelItem::TextFlags() const {
    return int(style_.align) | (style_.wrap ? int(Qt::TextWordWrap) : 0);
}

QRectF LabelItem::TextRect() const {
    if (text_.isEmpty()) {
        return QRectF();
    }
    const QFontMetricsF metrics(Font());
    const QRectF used = metrics.boundingRect(TextArea(), TextFlags(), text_);
    return style_.chip ? used.adjusted(-6, -2, 6, 2) : used;
}

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (text_.isEmpty()) {
        return;
    }
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setFont(Font());
    if (!style_.background.isEmpty()) {
        DrawPicture(*painter, style_.background, Rect());
    }
    if (style_.chip) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0, 0, 0, 110));
        painter->drawRoundedRect(TextRect(), 6, 6);
    }
    painter->setPen(color_);
    painter->save();
    painter->setClipRect(Rect());
    painter->drawText(TextArea(), TextFlags(), text_);
    painter->restore();
}

PictureItem::PictureItem(const QString& name, const QRectF& rect, QString picture)
    : ControlItem(name, rect), picture_(std::move(picture)) {}

void PictureItem::SetPicture(const QString& picture) {
    if (picture != picture_) {
        picture_ = picture;
        update();
    }
}

void PictureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    DrawPicture(*painter, picture_, Rect());
}

}  // namespace gui
