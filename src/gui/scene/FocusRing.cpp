#include "gui/scene/FocusRing.h"

#include <QPainter>

#include "gui/scene/ButtonItem.h"

namespace gui {

namespace {

// The mark stands clear of the button's own rim and of the keyboard's bid ring.
constexpr double kReach = 5;
constexpr double kPen = 2.5;

}  // namespace

FocusRing::FocusRing() {
    setZValue(50);  // above every control
    setAcceptedMouseButtons(Qt::NoButton);
    setVisible(false);
}

void FocusRing::Add(ButtonItem& button) {
    buttons_.push_back(&button);
}

bool FocusRing::Move(bool forward) {
    const int count = static_cast<int>(buttons_.size());
    int at = current_;
    for (int tried = 0; tried < count; ++tried) {
        at = at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
        if (buttons_[static_cast<std::size_t>(at)]->isVisible()) {
            current_ = at;
            Sync();
            return true;
        }
    }
    Clear();
    return false;
}

ButtonItem* FocusRing::Current() const {
    if (current_ < 0) {
        return nullptr;
    }
    ButtonItem* button = buttons_[static_cast<std::size_t>(current_)];
    return button->isVisible() ? button : nullptr;
}

bool FocusRing::PressCurrent() {
    ButtonItem* button = Current();
    if (button == nullptr) {
        return false;
    }
    // The handlers may hide the button (or the whole panel); the mark follows in Sync.
    const auto on_release = button->on_release;
    if (button->on_press) {
        button->on_press(QPointF());
    }
    if (on_release) {
        on_release();
    }
    Sync();
    return true;
}

void FocusRing::Clear() {
    current_ = -1;
    Sync();
}

void FocusRing::Sync() {
    const ButtonItem* button = Current();
    const QRectF marked =
        button == nullptr ? QRectF() : button->Rect().adjusted(-kReach, -kReach, kReach, kReach);
    if (marked != marked_) {
        prepareGeometryChange();
        marked_ = marked;
    }
    setVisible(button != nullptr);
    update();
}

QRectF FocusRing::boundingRect() const {
    return marked_.isEmpty() ? QRectF() : marked_.adjusted(-kPen, -kPen, kPen, kPen);
}

void FocusRing::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (marked_.isEmpty()) {
        return;
    }
    painter->setRenderHint(QPainter::Antialiasing);
    // A white dashed line over a dark one reads on the felt, the panel and the light buttons.
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(QColor(0, 0, 0, 170), kPen + 2));
    painter->drawRoundedRect(marked_, 8, 8);
    painter->setPen(QPen(QColor(255, 255, 255), kPen, Qt::DashLine));
    painter->drawRoundedRect(marked_, 8, 8);
}

}  // namespace gui
