#pragma once

#include <QDialog>

#include "common/Control.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"

class QGridLayout;

class QChartView;

namespace gui {

// The statistics window: games played, won and lost by each partnership, the rounds and the
// bids of the player's side, the points a round, the longest winning streak, and a chart of
// the last games' final scores; its clear button asks first (through the table's dialogs).
class StatisticsDialog : public QDialog {
  public:
    struct Context {
        common::SettingsStore& settings;
        common::Dialogs& dialogs;
        common::Control& LblStatisticVi;
        common::Control& LblStatisticDe;
    };

    StatisticsDialog(Context context, QWidget* parent);

    // The figure shown in a row (by its object name, e.g. "GamesWonVi"); empty if none.
    QString Figure(const QString& name) const;
    // The number of games in the chart.
    int ChartedGames() const;

  private:
    void Fill();
    void Clear();
    void AddRow(int row, const QString& caption, const QString& name, const QString& vi,
                const QString& de);

    Context context_;
    QGridLayout* grid_ = nullptr;
    QChartView* chart_view_ = nullptr;
    int charted_ = 0;
};

}  // namespace gui
