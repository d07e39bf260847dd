#pragma once

#include <string>
#include <vector>

#include "gui/scene/ControlItem.h"

namespace gui {

// The trace list: the seats' explanations of their decisions in a fixed-width font. It stands
// at the newest line; the mouse wheel scrolls back, and a new line brings it to the end again.
class TraceItem : public ControlItem {
  public:
    TraceItem(const QString& name, const QRectF& rect, const std::vector<std::string>& lines);

    // Index of the last line shown, -1 when the list is empty.
    int LastShownLine() const;

    // Redraws only when the lines on show have changed since the last look.
    void Sync();

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  protected:
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;

  private:
    int LinesThatFit() const;
    // Follows the list: lines added since the last look end any scrolling back.
    void FollowNewLines() const;
    // The lines on show, oldest first, and whether the last of them is the newest line.
    struct Shown {
        std::vector<std::string> lines;
        bool ends_at_newest = false;
        bool operator==(const Shown&) const = default;
    };
    Shown LinesOnShow() const;

    const std::vector<std::string>& lines_;
    mutable std::size_t seen_lines_ = 0;
    mutable int back_ = 0;  // lines scrolled back from the newest
    Shown shown_;           // what the last Sync found on show
};

}  // namespace gui
