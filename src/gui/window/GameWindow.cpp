#include "gui/window/GameWindow.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/base/QtOwned.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/HelpDialog.h"
#include "gui/dialogs/QtDialogs.h"
#include "gui/paint/PaintCache.h"
#include "gui/scene/TableLayout.h"
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
    RestorePlacement(*this, settings_);
    view_.setFocus();
    auto* settings_key = MakeChild<QShortcut>(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    const auto settings_wanted = [this] {
        if (open_settings) {
            open_settings();
        }
    };
    connect(settings_key, &QShortcut::activated, this, settings_wanted);
    scene_.open_settings = settings_wanted;
    scene_.close_window = [this] {
        table_closed_ = true;  // the exit button has closed the game log already
        close();
    };
    scene_.open_help = [this] { OpenHelp(); };
    scene_.open_review = [this] { ShowRoundReview(); };
    scene_.quit = [this] { close(); };
    MakeChild<QShortcut>(QKeySequence(Qt::Key_F1), this, [this] { OpenHelp(); });
    MakeChild<QShortcut>(QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });
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
