#pragma once

#include "gui/ControlItem.h"
#include "presentation/Scoreboard.h"

namespace gui {

// The running scoreboard: per row the bidder's seat picture, the two game totals and the bid
// strip with one mark per bid step above 5, in the made or the lost look.
class ScoreboardItem : public ControlItem {
  public:
    static constexpr double kRowHeight = 22;
    static constexpr double kHeaderHeight = 22;
    static constexpr double kMarkWidth = 16;  // a strip mark, reduced to fit the side panel

    ScoreboardItem(const QString& name, QPointF top_left,
                   const presentation::ViDeScoreboard& scoreboard);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    void PaintRow(QPainter& painter, const presentation::ScoreboardRow& row, double top) const;

    const presentation::ViDeScoreboard& scoreboard_;
};

}  // namespace gui
