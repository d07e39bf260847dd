#pragma once

#include <string>
#include <vector>

#include "gui/ControlItem.h"

namespace gui {

// The trace list: the latest lines of the seats' decisions, newest at the bottom.
class TraceItem : public ControlItem {
  public:
    TraceItem(const QString& name, const QRectF& rect, const std::vector<std::string>& lines);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    const std::vector<std::string>& lines_;
};

}  // namespace gui
