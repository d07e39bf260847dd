#include "gui/scene/ButtonItem.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include "gui/paint/Pictures.h"

namespace gui {

namespace {

struct Colours {
    QColor top;
    QColor bottom;
    QColor edge;
    QColor ink;
};

Colours ColoursOf(ButtonItem::Look look, bool light) {
    switch (look) {
        case ButtonItem::Look::Down:
            return {QColor(120, 92, 40), QColor(160, 128, 60), QColor(70, 50, 20),
                    QColor(255, 250, 230)};
        case ButtonItem::Look::Inactive:
            return {QColor(110, 120, 112), QColor(90, 98, 92), QColor(70, 76, 72),
                    QColor(160, 166, 160)};
        case ButtonItem::Look::Suggested:
            return {QColor(255, 226, 110), QColor(236, 176, 40), QColor(255, 255, 200),
                    QColor(40, 30, 10)};
        case ButtonItem::Look::Up:
            break;
    }
    if (light) {
        return {QColor(255, 250, 232), QColor(226, 214, 180), QColor(90, 70, 30),
                QColor(40, 30, 10)};
    }
    return {QColor(52, 92, 64), QColor(22, 56, 34), QColor(210, 178, 90), QColor(253, 246, 220)};
}

}  // namespace

ButtonItem::ButtonItem(const QString& name, const QRectF& rect, QString picture, QString caption,
                       Shape shape)
    : ControlItem(name, rect),
      picture_(std::move(picture)),
      caption_(std::move(caption)),
      shape_(shape) {}

void ButtonItem::SetLook(Look look) {
    if (look != look_) {
        look_ = look;
        update();
    }
}

void ButtonItem::SetCaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        update();
    }
}

void ButtonItem::SetPicture(const QString& picture) {
    if (picture != picture_) {
        picture_ = picture;
        update();
    }
}

void ButtonItem::SetChosen(bool chosen) {
    if (chosen != chosen_) {
        chosen_ = chosen;
        update();
    }
}

void ButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    // The pressed picture sits one pixel lower and to the right, as a pushed button does.
    const double push = look_ == Look::Down ? 1.0 : 0.0;
    const QRectF body = Rect().adjusted(1 + push, 1 + push, -1 + push, -1 + push);
    PaintBody(*painter, body);
    if (chosen_) {
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(QColor(255, 255, 255), 2.5, Qt::DashLine));
        const QRectF ring = body.adjusted(2.5, 2.5, -2.5, -2.5);
        const double radius = std::min(ring.width(), ring.height()) * 0.22;
        painter->drawRoundedRect(ring, radius, radius);
    }
}

void ButtonItem::PaintBody(QPainter& painter, const QRectF& body) const {
    // Text buttons and the suit buttons are light; picture buttons are dark with a gold rim.
    const bool light = picture_.isEmpty() || shape_ == Shape::Round;
    const Colours colours = ColoursOf(look_, light);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, colours.top);
    fill.setColorAt(1, colours.bottom);
    painter.setPen(QPen(colours.edge, look_ == Look::Suggested ? 3 : 1.5));
    painter.setBrush(fill);
    if (shape_ == Shape::Round) {
        painter.drawEllipse(body);
    } else {
        const double radius = std::min(body.width(), body.height()) * 0.22;
        painter.drawRoundedRect(body, radius, radius);
    }
    if (!picture_.isEmpty()) {
        const double side =
            std::min(body.width(), body.height()) * (shape_ == Shape::Round ? 0.62 : 0.72);
        QRectF icon(0, 0, side, side);
        icon.moveCenter(body.center());
        painter.setOpacity(look_ == Look::Inactive ? 0.4 : 1.0);
        DrawPicture(painter, picture_, icon);
        painter.setOpacity(1.0);
        return;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(
        static_cast<int>(std::min(caption_.size() > 4 ? 12.0 : 15.0, body.height() * 0.5)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colours.ink);
    painter.drawText(body, Qt::AlignCenter, caption_);
}

}  // namespace gui
