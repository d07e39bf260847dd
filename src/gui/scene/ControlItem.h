#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsObject>
#include <QString>
#include <functional>

#include "common/Control.h"

namespace gui {

// A control of the table drawn in the scene: a named item with a fixed rectangle that passes
// its mouse press and release on to the table. Subclasses only paint.
class ControlItem : public QGraphicsObject {
  public:
    ControlItem(const QString& name, const QRectF& rect);

    QRectF boundingRect() const override { return rect_; }
    void SetRect(const QRectF& rect);
    const QRectF& Rect() const { return rect_; }

    // Called with the press point in the control's own pixels.
    std::function<void(QPointF)> on_press;
    std::function<void()> on_release;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

  private:
    QRectF rect_;
};

// The colour a control's ForeColor is drawn in on the green table: black text would vanish
// on the felt, so black is drawn as the table's light ink; every other colour is kept.
QColor InkOf(const common::Rgb& fore_color);

// A caption: seat names, bids, the scores and the notes on the table.
class LabelItem : public ControlItem {
  public:
    struct Style {
        int pixel_size = 13;
        bool bold = false;
        bool chip = false;  // a dark rounded backing that keeps the text readable
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        bool monospace = false;
        bool wrap = true;    // long text breaks into lines; otherwise it runs on, clipped
        QString background;  // a picture drawn behind the text
    };

    LabelItem(const QString& name, const QRectF& rect, Style style);

    void SetText(const QString& text, const QColor& color);
    const QString& Text() const { return text_; }
    // Where the text is drawn, in scene pixels (with its backing, if any); empty without text.
    QRectF TextRect() const;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    QFont Font() const;
    QRectF TextArea() const { return Rect().adjusted(4, 0, -4, 0); }
    int TextFlags() const;

    Style style_;
    QString text_;
    QColor color_;
};

// A picture without behaviour of its own: forced-bid markers, chosen-trump marks.
class PictureItem : public ControlItem {
  public:
    PictureItem(const QString& name, const QRectF& rect, QString picture);
    void SetPicture(const QString& picture);
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    QString picture_;
};

}  // namespace gui
