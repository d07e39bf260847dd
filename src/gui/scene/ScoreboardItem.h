#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "gui/scene/ControlItem.h"
#include "presentation/Localisation.h"
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
                   const presentation::ViDeScoreboard& scoreboard,
                   const presentation::Texts& texts);

    // Redraws only when a row has changed since the last look.
    void Sync();

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    const QString& TeamViCaption() const { return team_vi_; }
    const QString& TeamDeCaption() const { return team_de_; }

  private:
    QFont HeaderFont(QFont font) const;
    void PaintRow(QPainter& painter, const presentation::ScoreboardRow& row, double top) const;

    const presentation::ViDeScoreboard& scoreboard_;
    QString team_vi_;  // the column captions, in the table's language
    QString team_de_;
    std::array<presentation::ScoreboardRow, presentation::kScoreboardRows> shown_;
};

}  // namespace gui
