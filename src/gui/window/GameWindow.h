#pragma once

#include <QGraphicsView>
#include <QImage>
#include <QWidget>
#include <functional>

#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "gui/scene/TableScene.h"
#include "table/Table.h"

namespace gui {

class QtDialogs;

// The table's view: the scene scaled to the window, keeping its aspect ratio.
class TableView : public QGraphicsView {
  public:
    explicit TableView(QGraphicsScene& scene, QWidget* parent);

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The table window: shows the table scene, opens the About box, keeps the debug picture and
// closes the game log when it closes.
class GameWindow : public QWidget {
  public:
    // `modal` (may be null) is told while the About box is open, so that the clock holds.
    GameWindow(table::Table& table, common::Dialogs& dialogs, common::SettingsStore& settings,
               QtDialogs* modal);

    // Redraws everything from the table.
    void Refresh();
    TableScene& Scene() { return scene_; }
    TableView& View() { return view_; }
    const QImage& DebugImage() const { return debug_image_; }

    // Called on the settings button and Ctrl+,.
    std::function<void()> open_settings;

    // The rules page (F1 and the help button).
    void OpenHelp();
    // The expert's review of the round (the review button, and the menu).
    void ShowRoundReview();
    std::function<void()> round_review;

  protected:
    // Every way of closing asks the table's quit question while a game is on.
    void closeEvent(QCloseEvent* event) override;

  private:
    void OpenAbout();

    table::Table& table_;
    common::Dialogs& dialogs_;
    common::SettingsStore& settings_;
    QtDialogs* modal_;
    TableScene scene_;
    TableView view_;
    QImage debug_image_;
    bool table_closed_ = false;
};

}  // namespace gui
