#include "gui/GameWindow.h"

#include <QCloseEvent>
#include <QVBoxLayout>
#include <optional>

#include "gui/AboutDialog.h"
#include "gui/QtDialogs.h"
#include "gui/QtOwned.h"
#include "gui/TableLayout.h"

namespace gui {

TableView::TableView(QGraphicsScene& scene, QWidget* parent) : QGraphicsView(&scene, parent) {
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);  // the table's keys (F2) reach the scene
    setBackgroundBrush(QColor(10, 36, 22));
    setMinimumSize(static_cast<int>(layout::kScene.width() / 2),
                   static_cast<int>(layout::kScene.height() / 2));
}

void TableView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    fitInView(layout::kScene, Qt::KeepAspectRatio);
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
    resize(StartSize());
    view_.setFocus();
    scene_.close_window = [this] {
        table_closed_ = true;  // the exit button has closed the game log already
        close();
    };
    table_.open_about = [this] { OpenAbout(); };
    table_.capture_debug_image = [this] { debug_image_ = grab().toImage(); };
    table_.save_debug_image = [this](const std::string& path) {
        return !debug_image_.isNull() && debug_image_.save(QString::fromStdString(path), "BMP");
    };
    Refresh();
}

QSize GameWindow::StartSize() {
    // Leaves room for the title bar and a task bar on a 1366 x 768 screen.
    constexpr double kScale = 0.94;
    return QSize(static_cast<int>(layout::kScene.width() * kScale),
                 static_cast<int>(layout::kScene.height() * kScale));
}

void GameWindow::Refresh() {
    scene_.Sync();
    setWindowTitle(QString::fromStdString(table_.Ctl().WindowTitle));
}

void GameWindow::OpenAbout() {
    std::optional<QtDialogs::ModalScope> hold;
    if (modal_ != nullptr) {
        hold.emplace(*modal_);
    }
    table::Controls& ctl = table_.MutableCtl();
    AboutDialog about(
        {table_.Folder(), settings_, dialogs_, ctl.LblStatisticVi, ctl.LblStatisticDe}, this);
    about.exec();
    Refresh();
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (!table_closed_) {
        table_closed_ = true;
        table_.Close();
    }
    event->accept();
}

}  // namespace gui
