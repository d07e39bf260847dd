#pragma once

#include <QGraphicsItem>
#include <vector>

namespace gui {

class ButtonItem;

// The keyboard's way over the table's buttons: Tab and Shift+Tab move a visible mark over
// every button shown (the bid panel, the colour buttons, the side panel's buttons) in reading
// order, and Enter or Space presses the marked one. The mark goes when another key takes the
// keyboard back to the cards.
class FocusRing : public QGraphicsItem {
  public:
    FocusRing();

    // Buttons join in the order Tab visits them.
    void Add(ButtonItem& button);
    // Moves the mark to the next (or previous) button shown; false when none is shown.
    bool Move(bool forward);
    // The marked button, nullptr when the mark is off or its button has gone.
    ButtonItem* Current() const;
    // Presses and releases the marked button as a click does; false when nothing is marked.
    bool PressCurrent();
    void Clear();
    // Follows the marked button: the mark hides with it.
    void Sync();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    std::vector<ButtonItem*> buttons_;
    int current_ = -1;
    QRectF marked_;  // where the mark is drawn, in scene pixels; empty while it is off
};

}  // namespace gui
