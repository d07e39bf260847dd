#pragma once

#include "gui/scene/ControlItem.h"

namespace gui {

// A button drawn as one item for the up and the pressed picture of its pair, so that the
// release reaches the same item that saw the press. The item is named after the up picture
// (e.g. "ImgContUp"); the pressed picture's name is kept in data(1).
class ButtonItem : public ControlItem {
  public:
    enum class Look { Up, Down, Inactive, Suggested };
    enum class Shape { Rounded, Round };

    ButtonItem(const QString& name, const QRectF& rect, QString picture, QString caption,
               Shape shape = Shape::Rounded);

    void SetLook(Look look);
    Look CurrentLook() const { return look_; }
    void SetCaption(const QString& caption);
    void SetPicture(const QString& picture);
    // The button the keyboard has chosen wears a ring.
    void SetChosen(bool chosen);
    bool Chosen() const { return chosen_; }
    const QString& Caption() const { return caption_; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    void PaintBody(QPainter& painter, const QRectF& body) const;

    QString picture_;
    QString caption_;
    Shape shape_;
    Look look_ = Look::Up;
    bool chosen_ = false;
};

}  // namespace gui
