#include "gui/window/GameWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/base/QtOwned.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/HelpDialog.h"
#include "gui/dialogs/QtDialogs.h"
#include "gui/dialogs/StatisticsDialog.h"
#include "gui/paint/PaintCache.h"
#include "gui/scene/ControlItem.h"
#include "gui/scene/TableLayout.h"
#include "gui/window/GameMenus.h"
#include "gui/window/LaunchOptions.h"
#include "gui/window/WindowPlacement.h"

namespace gui {

TableView::TableView(QGraphicsScene& scene, QWidget* parent) : QGraphicsView(&scene, parent) {
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);  // the table's keys (F2) reach the scene
    setBackgroundBrush(QColor(10, 36, 22));
    // Small enough for a small screen at a large scale factor.
    setMinimumSize(static_cast<int>(layout::kScene.width() / 3),
                   static_cast<int>(layout::kScene.height() / 3));
}

void TableView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    const double scale_before = transform().m11();
    fitInView(layout::kScene, Qt::KeepAspectRatio);
    // Cards cached at the old scale will not be drawn again.
    if (transform().m11() != scale_before) {
        ClearPaintCache();
    }
}

GameWindow::GameWindow(table::Table& table, common::Dialogs& dialogs,
                       common::SettingsStore& settings, QtDialogs* modal)
    : table_(table),
      dialogs_(dialogs),
      settings_(settings),
      modal_(modal),
      scene_(table),
      view_(scene_, this) {
    setObjectName(QStringLiteral("Main"));
    auto* box = MakeChild<QVBoxLayout>(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(&view_);
    auto* bar = MakeChild<QMenuBar>(this);
    box->setMenuBar(bar);
    RestorePlacement(*this, settings_);
    view_.setFocus();
    scene_.open_settings = [this] {
        if (open_settings) {
            open_settings();
        }
    };
    scene_.close_window = [this] {
        table_closed_ = true;  // the exit button has closed the game log already
        close();
    };
    scene_.open_help = [this] { OpenHelp(); };
    scene_.open_review = [this] { ShowRoundReview(); };
    scene_.quit = [this] { close(); };
    BuildMenus();
    setAccessibleName(QStringLiteral("Fivrastar"));
    view_.setAccessibleName(QString::fromStdString(
        presentation::HelpForControl("Main", presentation::ProgramLanguage()).name));
    table_.open_about = [this] { OpenAbout(); };
    table_.capture_debug_image = [this] { debug_image_ = grab().toImage(); };
    table_.save_debug_image = [this](const std::string& path) {
        return !debug_image_.isNull() && debug_image_.save(QString::fromStdString(path), "BMP");
    };
    Refresh();
}

GameWindow::~GameWindow() {
    qApp->removeEventFilter(this);
}

void GameWindow::BuildMenus() {
    table::Table& t = table_;
    GameMenuHandlers h;
    h.new_game = [this] { NewGame(); };
    h.replay = [this, &t] {
        t.ImgReplayUp_MouseDown();
        t.ImgReplayUp_MouseUp();
        AfterMenu();
    };
    h.replay_possible = [&t] { return t.Ctl().ImgReplayUp.Visible; };
    h.round_review = [this] { ShowRoundReview(); };
    // The entry can be chosen while the review button is there: once a round is over.
    h.round_review_possible = [this] {
        const ControlItem* button = scene_.Item(QStringLiteral("BtnReview"));
        return static_cast<bool>(round_review) && button != nullptr && button->isVisible();
    };
    h.statistics = [this] { OpenStatistics(); };
    h.watch = [this] { SetWatching(!watching_); };
    h.watching = [&t] { return t.ComputerPlaysSyd(); };
    h.quit = [this] { close(); };
    h.trace = [this, &t] {
        t.Ctl().LBTraceBox.Visible ? t.ImgTraceDn_Click() : t.ImgTraceUp_Click();
        AfterMenu();
    };
    h.trace_shown = [&t] { return t.Ctl().LBTraceBox.Visible; };
    h.full_screen = [this] { isFullScreen() ? showNormal() : showFullScreen(); };
    h.full_screen_on = [this] { return isFullScreen(); };
    h.preferences = scene_.open_settings;
    h.rules = [this] { OpenHelp(); };
    h.about = [this] { OpenAbout(); };
    menus_ = std::make_unique<GameMenus>(*findChild<QMenuBar*>(), std::move(h));
}

void GameWindow::AfterMenu() {
    Refresh();
    if (scene_.after_input) {
        scene_.after_input();
    }
}

void GameWindow::NewGame() {
    table_.NewGame();
    AfterMenu();
}

void GameWindow::OpenStatistics() {
    table::Controls& ctl = table_.MutableCtl();
    StatisticsDialog statistics({settings_, dialogs_, ctl.LblStatisticVi, ctl.LblStatisticDe},
                                this);
    QtDialogs::Exec(modal_, statistics);
    Refresh();
}

void GameWindow::SetWatching(bool watching) {
    watching_ = watching;
    table_.SetComputerPlaysSyd(watching, kDemoContinueMs);
    scene_.ShowWatching(watching);
    if (watching) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
    AfterMenu();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool input =
        event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (watching_ && input && widget != nullptr && widget->window() == this) {
        SetWatching(false);
        return true;  // the key or click only took the seat back
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::Refresh() {
    scene_.Sync();
    setWindowTitle(QString::fromStdString(table_.Ctl().WindowTitle));
}

void GameWindow::OpenAbout() {
    table::Controls& ctl = table_.MutableCtl();
    AboutDialog about(
        {table_.Folder(), settings_, dialogs_, ctl.LblStatisticVi, ctl.LblStatisticDe}, this);
    QtDialogs::Exec(modal_, about);
    Refresh();
}

void GameWindow::OpenHelp() {
    HelpDialog help(this);
    QtDialogs::Exec(modal_, help);
}

void GameWindow::ShowRoundReview() {
    if (round_review) {
        round_review();
    }
}

void GameWindow::closeEvent(QCloseEvent* event) {
    SavePlacement(*this, settings_);
    if (!table_closed_) {
        if (!table_.MayClose()) {
            event->ignore();
            return;
        }
        table_closed_ = true;
        table_.Close();
    }
    event->accept();
}

}  // namespace gui
